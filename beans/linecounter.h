// Line numbers of offsets in a text, counted on from the offset asked for
// last, so that offsets asked for in ascending order cost one walk over the
// text. An offset before the last one starts the count again.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// The line feeds in the Size bytes at P. Counted in byte-wide sums over
// blocks short enough that none can overflow, which compilers turn into
// vector code; a plain count widens every byte to a 64-bit sum.
inline size_t CountLineFeeds(const char* P, size_t Size) {
  constexpr size_t Lanes = 32, Block = 255 * Lanes;
  size_t Total = 0;
  while (Size >= Lanes) {
    const size_t Here = std::min(Size, Block) / Lanes * Lanes;
    unsigned char Sums[Lanes] = {};
    for (size_t I = 0; I < Here; I += Lanes)
      for (size_t J = 0; J < Lanes; ++J)
        Sums[J] = static_cast<unsigned char>(Sums[J] + (P[I + J] == '\n'));
    for (const unsigned char Sum : Sums)
      Total += Sum;
    P += Here;
    Size -= Here;
  }
  for (size_t I = 0; I < Size; ++I)
    Total += P[I] == '\n';
  return Total;
}

class TLineCounter {
 public:
  // The 1-based line of Text that holds the byte at Offset.
  int LineAt(std::string_view Text, size_t Offset) {
    Offset = std::min(Offset, Text.size());
    if (Offset < FAt) {
      FAt = 0;
      FLine = 1;
    }
    FLine += static_cast<int>(CountLineFeeds(Text.data() + FAt, Offset - FAt));
    FAt = Offset;
    return FLine;
  }

  // The bytes from From, where the count stands, up to To hold Breaks line
  // feeds, known without counting them. Nothing changes when the count
  // stands elsewhere.
  void Skip(size_t From, size_t To, int Breaks) {
    if (FAt != From || To < From) return;
    FAt = To;
    FLine += Breaks;
  }

 private:
  size_t FAt = 0;
  int FLine = 1;
};
