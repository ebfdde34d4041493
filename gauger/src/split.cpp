#include "split.h"

namespace gauger {

VersionParts split_version(const char* version) noexcept {
  const std::string_view text(version);
  const auto split_at = text.find('b');
  if (split_at == std::string_view::npos) return {text, std::nullopt};
  // Built from pointers rather than substr(), which could throw and pull in the C++ runtime.
  return {std::string_view(version, split_at),
          std::string_view(version + split_at + 1, text.size() - split_at - 1)};
}

}  // namespace gauger
