// Eight bytes of text compared at once, in one 64-bit word. The first byte
// in memory is the lowest of the word only on little-endian machines, so
// callers that need a byte's place use these only there and walk byte by
// byte elsewhere.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define CORVANE_SSE2 1
#endif

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

// Eight bytes with the ASCII letters a to z folded to upper case: the high
// bit of a byte's sum says whether it is at least 'a', or above 'z'.
inline uint64_t UpCaseWord(uint64_t Word) {
  constexpr uint64_t Ones = 0x0101010101010101u, High = 0x8080808080808080u;
  const uint64_t Low = Word & ~High;
  const uint64_t FromA = Low + Ones * (0x80 - 'a'), AfterZ = Low + Ones * (0x80 - 'z' - 1);
  const uint64_t Lower = FromA & ~AfterZ & ~Word & High;
  return Word - (Lower >> 2);
}

// An upper-case name of up to sixteen bytes as two words and the masks of
// its bytes in them, to be compared with text folded to upper case eight
// bytes at a time. A longer name does not fit.
struct TFoldedWords {
  uint64_t Word[2] = {}, Mask[2] = {};
  bool Fits = false;
  size_t Words = 0;  // the words the name reaches into

  TFoldedWords() = default;
  explicit TFoldedWords(std::string_view Upper)
      : Fits(Upper.size() <= sizeof Word), Words(Upper.size() > 8 ? 2 : 1) {
    if (!Fits) return;
    std::memcpy(Word, Upper.data(), Upper.size());
    std::memset(Mask, 0xFF, Upper.size());
  }

  // Whether the text at P, which holds at least 8 * Words bytes, starts with
  // the name, its letters folded.
  bool At(const char* P) const {
    if ((UpCaseWord(LoadWord(P)) & Mask[0]) != Word[0]) return false;
    return Words == 1 || (UpCaseWord(LoadWord(P + 8)) & Mask[1]) == Word[1];
  }
};

// The place in the word of the first byte that a mask from BytesEqual flags.
inline size_t FirstFlagged(uint64_t Mask) {
  return static_cast<size_t>(std::countr_zero(Mask)) / 8;
}

// The first of Size bytes at P that equals A, B or C; Size when none does.
// Sixteen bytes at a time where the processor compares them at once.
inline size_t FindAnyOf(const char* P, size_t Size, char A, char B, char C) {
  size_t At = 0;
#if defined(CORVANE_SSE2)
  const __m128i VA = _mm_set1_epi8(A), VB = _mm_set1_epi8(B), VC = _mm_set1_epi8(C);
  for (; At + 16 <= Size; At += 16) {
    const __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + At));
    const __m128i Hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(V, VA), _mm_cmpeq_epi8(V, VB)),
                                     _mm_cmpeq_epi8(V, VC));
    if (const int Mask = _mm_movemask_epi8(Hit))
      return At + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(Mask)));
  }
#endif
  if constexpr (WordsInTextOrder)
    for (; At + 8 <= Size; At += 8) {
      const uint64_t W = LoadWord(P + At);
      if (const uint64_t Found = BytesEqual(W, A) | BytesEqual(W, B) | BytesEqual(W, C))
        return At + FirstFlagged(Found);
    }
  while (At < Size && P[At] != A && P[At] != B && P[At] != C)
    ++At;
  return At;
}

// Whether the Size bytes at A and at B are the same, for Size of at least
// sixteen: compared sixteen bytes at a time where the processor can, eight
// elsewhere; the last step overlaps the one before it.
inline bool SameLongBytes(const char* A, const char* B, size_t Size) {
#if defined(CORVANE_SSE2)
  const auto Same16 = [](const char* X, const char* Y) {
    const __m128i VX = _mm_loadu_si128(reinterpret_cast<const __m128i*>(X));
    const __m128i VY = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Y));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(VX, VY)) == 0xFFFF;
  };
  for (size_t I = 0; I + 16 < Size; I += 16)
    if (!Same16(A + I, B + I)) return false;
  return Same16(A + Size - 16, B + Size - 16);
#else
  for (size_t I = 0; I + 8 < Size; I += 8)
    if (LoadWord(A + I) != LoadWord(B + I)) return false;
  return LoadWord(A + Size - 8) == LoadWord(B + Size - 8);
#endif
}
