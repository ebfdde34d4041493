// The word- and SSE2-wide byte compares against plain loops, at every length
// and offset around their steps.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "beans/bytewords.h"

TEST(ByteWords, AgreeWithPlainLoops) {
  std::mt19937 Rng(77);
  const std::string Alphabet = "ab\"\r\n=< >\t\xc3\xa9zZ";
  std::uniform_int_distribution<size_t> Pick(0, Alphabet.size() - 1);
  for (int Round = 0; Round < 3000; ++Round) {
    std::string Text(1 + Round % 90, 'x');
    for (char& C : Text)
      if (Rng() % 6 == 0) C = Alphabet[Pick(Rng)];
    const size_t From = Rng() % Text.size(), Size = Text.size() - From;
    const char* P = Text.data() + From;
    size_t Plain = 0;
    while (Plain < Size && P[Plain] != '"' && P[Plain] != '\r' && P[Plain] != '\n')
      ++Plain;
    ASSERT_EQ(FindAnyOf(P, Size, '"', '\r', '\n'), Plain) << Text << " from " << From;

    // A copy that differs in one byte, or not at all.
    if (Size < 16) continue;
    std::string Other(P, Size);
    const bool Differ = Rng() % 2;
    if (Differ) Other[Rng() % Size] ^= 0x20;
    ASSERT_EQ(SameLongBytes(P, Other.data(), Size), !Differ) << Text << " from " << From;
  }
}

TEST(ByteWords, FoldsLettersAndFindsBytesInAWord) {
  for (int B = 0; B < 256; ++B) {
    const auto C = static_cast<char>(B);
    const char Word[8] = {'a', C, 'Z', C, '_', C, '\xff', C};
    const uint64_t Up = UpCaseWord(LoadWord(Word));
    char Folded[8];
    std::memcpy(Folded, &Up, 8);
    for (int I = 0; I < 8; ++I) {
      const char Expected = Word[I] >= 'a' && Word[I] <= 'z' ? char(Word[I] - 32) : Word[I];
      ASSERT_EQ(Folded[I], Expected) << B << " at " << I;
    }
    if constexpr (WordsInTextOrder) {
      const uint64_t Found = BytesEqual(LoadWord(Word), C);
      ASSERT_NE(Found, 0u) << B;
      EXPECT_EQ(FirstFlagged(Found), C == 'a' ? 0u : 1u) << B;
      EXPECT_EQ(std::popcount(Found), 4 + (C == 'a') + (C == 'Z') + (C == '_') + (C == '\xff'))
          << B;
    }
  }
}
