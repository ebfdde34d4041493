// Line numbers of offsets in a text, counted on from the offset asked for
// last, so that offsets asked for in ascending order cost one walk over the
// text. An offset before the last one starts the count again.
#pragma once

#include <algorithm>
#include <string_view>

class TLineCounter {
 public:
  // The 1-based line of Text that holds the byte at Offset.
  int LineAt(std::string_view Text, size_t Offset) {
    Offset = std::min(Offset, Text.size());
    if (Offset < FAt) {
      FAt = 0;
      FLine = 1;
    }
    FLine += static_cast<int>(std::count(Text.begin() + static_cast<std::ptrdiff_t>(FAt),
                                         Text.begin() + static_cast<std::ptrdiff_t>(Offset), '\n'));
    FAt = Offset;
    return FLine;
  }

 private:
  size_t FAt = 0;
  int FLine = 1;
};
