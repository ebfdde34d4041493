// Strings handed to callers, allocated with malloc so that they can free() them.
#pragma once

#include <string_view>

namespace gauger {

// A malloc'ed, terminated copy of text (text.size() + 1 bytes); null when out of memory.
char* copy_to_heap(std::string_view text) noexcept;

}  // namespace gauger
