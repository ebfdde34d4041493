// Eight bytes of text compared at once, in one 64-bit word. The first byte
// in memory is the lowest of the word only on little-endian machines, so
// callers that need a byte's place use these only there and walk byte by
// byte elsewhere.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr bool WordsInTextOrder = std::endian::native == std::endian::little;

inline uint64_t LoadWord(const char* At) {
  uint64_t Word;
  std::memcpy(&Word, At, sizeof Word);
  return Word;
}

// The high bit of every byte of Word that equals C, and no other bit.
inline uint64_t BytesEqual(uint64_t Word, char C) {
  constexpr uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;
  const uint64_t X = Word ^ (0x0101010101010101ull * static_cast<unsigned char>(C));
  return ~(((X & Low7) + Low7) | X | Low7);
}

// The place in the word of the first byte that a mask from BytesEqual flags.
inline size_t FirstFlagged(uint64_t Mask) {
  return static_cast<size_t>(std::countr_zero(Mask)) / 8;
}
