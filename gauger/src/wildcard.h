// Search patterns with the wildcards '*' (any run of bytes) and '?' (one byte).
#pragma once

#include <string_view>

namespace gauger {

bool has_wildcard(std::string_view text) noexcept;

// Whole-name match, byte for byte otherwise; '[' and '\' have no special meaning.
bool wildcard_match(std::string_view pattern, std::string_view name) noexcept;

}  // namespace gauger
