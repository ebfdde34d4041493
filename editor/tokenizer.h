// Splits editor text into the tokens the colouring and brace matching work on:
// words, operators, string literals and comments. Positions count bytes of
// the UTF-8 text; every syntax token is matched byte for byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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
  explicit TTokenizer(TSyntaxList List);

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
  void IndexOperators();

  // What a byte may begin, so that most bytes are settled by one look-up.
  enum : std::uint8_t {
    kMayOpenBlock = 1,
    kMayOpenLine = 2,
    kMayOpenString = 4,
    kMayBeOperator = 8
  };

  TSyntaxList List_;
  std::array<std::uint8_t, 256> Starts_{};
  // Operator numbers grouped by first byte, longest first, then by number:
  // those starting with byte B are OperatorOrder_[OperatorFrom_[B]] up to
  // OperatorOrder_[OperatorFrom_[B + 1]].
  std::vector<int> OperatorOrder_;
  std::array<std::uint16_t, 257> OperatorFrom_{};
};

// Byte length of the line starting at Pos, its line break (LF, CR or CR LF) included.
std::size_t LineLength(std::string_view Text, std::size_t Pos);
