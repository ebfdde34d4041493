// Splits editor text into the tokens the colouring and brace matching work on:
// words, operators, string literals and comments. Positions count bytes of
// the UTF-8 text; every syntax token is matched byte for byte.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/syntaxlist.h"

enum class TTokenKind { Word, Operator, String, Comment };

struct TToken {
  TTokenKind Kind;
  std::size_t Start;   // byte offset in the text handed to the tokenizer
  std::size_t Length;  // in bytes
  int Number;          // operator number (from 1) or string delimiter number (1 or 2); else 0
};

// What carries from one line to the next: whether a block comment is open.
enum class TLineState { Normal = 0, InBlockComment = 1 };

class TTokenizer {
 public:
  explicit TTokenizer(TSyntaxList List) : List_(std::move(List)) {}

  // Tokenizes one line (its line break, if any, included) that begins in
  // State; appends the tokens, with Start offset by Base, and returns the
  // state at the end of the line. Strings and line comments end with the line.
  TLineState TokenizeLine(std::string_view Line, TLineState State, std::size_t Base,
                          std::vector<TToken>& Tokens) const;

  // Tokenizes a whole text, line by line, from the normal state.
  std::vector<TToken> TokenizeText(std::string_view Text) const;

 private:
  std::size_t BlockCommentEnd(std::string_view Line, std::size_t From, bool& Closed) const;
  std::size_t StringEnd(std::string_view Line, std::size_t From, int Delimiter) const;
  std::size_t WordEnd(std::string_view Line, std::size_t From) const;
  int MatchOperator(std::string_view Line, std::size_t Pos, std::size_t& Length) const;
  int MatchString(std::string_view Line, std::size_t Pos) const;
  bool StartsToken(std::string_view Line, std::size_t Pos) const;

  TSyntaxList List_;
};

// Byte length of the line starting at Pos, its line break (LF, CR or CR LF) included.
std::size_t LineLength(std::string_view Text, std::size_t Pos);
