// The token list an editor colours by: string delimiters, comment markers and
// operators, read from a compact syntax string in which every item is a digit
// giving the length of the token that follows it.
#pragma once

#include <string>
#include <vector>

struct TStringDelimiter {
  std::string Delimiter;  // empty when this delimiter is absent
  std::string Escape;     // empty when the delimiter has no escape character
};

struct TSyntaxList {
  TStringDelimiter Strings[2];
  std::string LineComment;
  std::string BlockOpen;
  std::string BlockClose;
  std::vector<std::string> Operators;  // operator n (from 1) is Operators[n - 1]

  // Block comments need both markers; an opener without a closer is ignored.
  bool HasBlockComments() const { return !BlockOpen.empty() && !BlockClose.empty(); }
};

// Longest syntax string the editor keeps; longer strings are cut to this.
constexpr std::size_t kMaxSyntaxLength = 255;

// Reads a syntax string: two string delimiters (the delimiter, then its escape
// character), the line-comment opener, the block-comment opener and closer,
// then the operators. A length of 0 leaves an item absent. Reading stops at
// the first character that is not a length digit or at a length that runs past
// the end; what was read before that stays.
TSyntaxList ParseSyntax(const std::string& Syntax);
