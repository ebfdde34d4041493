// Byte order with ASCII letters folded to upper case.
#pragma once

#include <string_view>

namespace gauger {

// Compares as if each text ended in a terminator: a-z map to A-Z, every other byte is
// taken unchanged as 0..255. Returns the difference of the first differing mapped bytes.
int compare_folded(std::string_view left, std::string_view right) noexcept;

}  // namespace gauger
