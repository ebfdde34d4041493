#include "fold.h"

#include <cstddef>

namespace gauger {
namespace {

int folded_byte_at(std::string_view text, std::size_t index) noexcept {
  if (index >= text.size()) return 0;
  const auto byte = static_cast<unsigned char>(text[index]);
  return (byte >= 'a' && byte <= 'z') ? byte - ('a' - 'A') : byte;
}

}  // namespace

int compare_folded(std::string_view left, std::string_view right) noexcept {
  for (std::size_t index = 0;; ++index) {
    const int l = folded_byte_at(left, index);
    const int r = folded_byte_at(right, index);
    if (l != r || l == 0) return l - r;
  }
}

}  // namespace gauger
