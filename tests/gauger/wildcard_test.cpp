// The pattern matcher behind the directory search.
#include <gtest/gtest.h>

#include "wildcard.h"

namespace {

using gauger::wildcard_match;

TEST(GaugerWildcard, LiteralsAndQuestionMarks) {
  EXPECT_TRUE(wildcard_match("file.txt", "file.txt"));
  EXPECT_FALSE(wildcard_match("file.txt", "File.txt"));
  EXPECT_FALSE(wildcard_match("file", "file.txt"));
  EXPECT_TRUE(wildcard_match("f?le.t?t", "file.txt"));
  EXPECT_FALSE(wildcard_match("a?c", "ac"));  // '?' is exactly one byte
  EXPECT_FALSE(wildcard_match("?", ""));
  EXPECT_TRUE(wildcard_match("", ""));
  EXPECT_FALSE(wildcard_match("", "a"));
}

TEST(GaugerWildcard, StarsMatchAnyRunIncludingNone) {
  EXPECT_TRUE(wildcard_match("*", ".hidden"));
  EXPECT_TRUE(wildcard_match("*.txt", ".txt"));
  EXPECT_FALSE(wildcard_match("*.txt", "txt"));
  EXPECT_TRUE(wildcard_match("a*b*c", "axxbyyc"));
  EXPECT_TRUE(wildcard_match("a*bc", "abcbc"));  // needs backtracking
  EXPECT_FALSE(wildcard_match("a*bc", "abcb"));
  EXPECT_TRUE(wildcard_match("**?", "x"));
  EXPECT_FALSE(wildcard_match("*?*?", "x"));
}

TEST(GaugerWildcard, OtherCharactersAreLiteral) {
  EXPECT_TRUE(wildcard_match("[ab]", "[ab]"));
  EXPECT_FALSE(wildcard_match("[ab]", "a"));
  EXPECT_TRUE(wildcard_match("a\\*", "a\\xyz"));
  EXPECT_TRUE(wildcard_match("x*", "x*"));
  EXPECT_TRUE(wildcard_match("\xE9*", "\xE9t\xE9"));
  EXPECT_TRUE(gauger::has_wildcard("dir/a?"));
  EXPECT_FALSE(gauger::has_wildcard("dir/[a]"));
}

}  // namespace
