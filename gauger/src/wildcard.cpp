#include "wildcard.h"

#include <cstddef>

namespace gauger {

bool has_wildcard(std::string_view text) noexcept {
  return text.find_first_of("*?") != std::string_view::npos;
}

// Greedy match that backtracks only to the most recent '*', which is enough for
// patterns made of '*', '?' and literal bytes.
bool wildcard_match(std::string_view pattern, std::string_view name) noexcept {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t star = std::string_view::npos;
  std::size_t star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_name = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++star_name;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

}  // namespace gauger
