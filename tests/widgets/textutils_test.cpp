#include "widgets/textutils.h"

#include <gtest/gtest.h>

TEST(TextUtils, RepeatedCharacters) {
  EXPECT_EQ(CharString(' ', 4), "    ");
  EXPECT_EQ(CharString(' ', 0), "");
  EXPECT_EQ(CharString(' ', -1), "");
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(PadLeftWith("abc", '0', 5), "00abc");
  EXPECT_EQ(PadLeftWith("abc", '0', 2), "abc");
  EXPECT_EQ(PadLeftWith("abc", '0', -7), "abc");
}

TEST(TextUtils, ReplaceChar) {
  EXPECT_EQ(ReplaceChar("a.b.c", '.', "_"), "a_b_c");
  EXPECT_EQ(ReplaceChar("a.b.c", '.', ""), "abc");
  EXPECT_EQ(ReplaceChar("\tx\t", '\t', "    "), "    x    ");
  // The replacement is not scanned again, so one that holds the character ends.
  EXPECT_EQ(ReplaceChar("a.b", '.', ".."), "a..b");
  EXPECT_EQ(ReplaceChar("..a..", '.', "-="), "-=-=a-=-=");
  EXPECT_EQ(ReplaceChar("abc", '.', "_"), "abc");
  EXPECT_EQ(ReplaceChar("", '.', "_"), "");
}

TEST(TextUtils, UpperCaseFoldsAsciiOnly) {
  EXPECT_EQ(UpperCaseAscii("jsb_Property"), "JSB_PROPERTY");
  const std::string High = "\xe4\xf6\xfc\xe9\xff";
  EXPECT_EQ(UpperCaseAscii(High), High);
  EXPECT_EQ(UpperCaseAscii("{|}~`@[\\]^_"), "{|}~`@[\\]^_");
}
