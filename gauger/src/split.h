// Splitting a version string into its major and minor parts.
#pragma once

#include <optional>
#include <string_view>

namespace gauger {

struct VersionParts {
  std::string_view major;                 // text before the first 'b', or all of it
  std::optional<std::string_view> minor;  // text after the first 'b'; none without a 'b'
};

// Only the first lower-case 'b' splits; nothing else in the text is interpreted.
VersionParts split_version(const char* version) noexcept;

}  // namespace gauger
