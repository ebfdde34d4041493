#include "editor/tokenizer.h"

#include <algorithm>

namespace {

std::uint8_t FirstByte(const std::string& Token) {
  return static_cast<std::uint8_t>(Token[0]);
}

bool IsSpace(char C) {
  return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f';
}

bool MatchesAt(std::string_view Line, std::size_t Pos, const std::string& Token) {
  return !Token.empty() && Line.substr(Pos, Token.size()) == Token;
}

// End of the line's text, before its line break.
std::size_t ContentEnd(std::string_view Line) {
  std::size_t End = Line.size();
  while (End > 0 && (Line[End - 1] == '\r' || Line[End - 1] == '\n'))
    --End;
  return End;
}

}  // namespace

TTokenizer::TTokenizer(TSyntaxList List) : List_(std::move(List)) {
  if (List_.HasBlockComments()) Starts_[FirstByte(List_.BlockOpen)] |= kMayOpenBlock;
  if (!List_.LineComment.empty()) Starts_[FirstByte(List_.LineComment)] |= kMayOpenLine;
  for (const TStringDelimiter& D : List_.Strings)
    if (!D.Delimiter.empty()) Starts_[FirstByte(D.Delimiter)] |= kMayOpenString;
  IndexOperators();
}

void TTokenizer::IndexOperators() {
  const std::vector<std::string>& Ops = List_.Operators;
  for (std::size_t I = 0; I < Ops.size(); ++I)
    if (!Ops[I].empty()) OperatorOrder_.push_back(static_cast<int>(I));
  std::stable_sort(OperatorOrder_.begin(), OperatorOrder_.end(), [&](int A, int B) {
    const std::string& X = Ops[static_cast<std::size_t>(A)];
    const std::string& Y = Ops[static_cast<std::size_t>(B)];
    return FirstByte(X) != FirstByte(Y) ? FirstByte(X) < FirstByte(Y) : X.size() > Y.size();
  });
  std::size_t Next = 0;
  for (std::size_t B = 0; B < 256; ++B) {
    OperatorFrom_[B] = static_cast<std::uint16_t>(Next);
    while (Next < OperatorOrder_.size() &&
           FirstByte(Ops[static_cast<std::size_t>(OperatorOrder_[Next])]) == B)
      ++Next;
    if (Next > OperatorFrom_[B]) Starts_[B] |= kMayBeOperator;
  }
  OperatorFrom_[256] = static_cast<std::uint16_t>(Next);
}

std::size_t LineLength(std::string_view Text, std::size_t Pos) {
  std::size_t End = Pos;
  while (End < Text.size() && Text[End] != '\r' && Text[End] != '\n')
    ++End;
  if (End < Text.size() && Text[End] == '\r') ++End;
  if (End < Text.size() && Text[End] == '\n') ++End;
  return End - Pos;
}

TLineState TTokenizer::TokenizeLine(std::string_view Line, TLineState State, std::size_t Base,
                                    std::vector<TToken>& Tokens) const {
  const std::size_t End = ContentEnd(Line);
  std::size_t Pos = 0;
  if (State == TLineState::InBlockComment) {
    bool Closed = false;
    Pos = BlockCommentEnd(Line, 0, Closed);
    if (Pos > 0) Tokens.push_back({TTokenKind::Comment, Base, Pos, 0});
    if (!Closed) return TLineState::InBlockComment;
  }
  while (Pos < End) {
    const std::size_t Start = Pos;
    std::size_t Length = 0;
    const std::uint8_t May = Starts_[static_cast<std::uint8_t>(Line[Pos])];
    if (IsSpace(Line[Pos])) {
      ++Pos;
    } else if ((May & kMayOpenBlock) && MatchesAt(Line, Pos, List_.BlockOpen)) {
      bool Closed = false;
      Pos = BlockCommentEnd(Line, Pos + List_.BlockOpen.size(), Closed);
      Tokens.push_back({TTokenKind::Comment, Base + Start, Pos - Start, 0});
      if (!Closed) return TLineState::InBlockComment;
    } else if ((May & kMayOpenLine) && MatchesAt(Line, Pos, List_.LineComment)) {
      Pos = End;
      Tokens.push_back({TTokenKind::Comment, Base + Start, Pos - Start, 0});
    } else if (const int Delimiter = (May & kMayOpenString) ? MatchString(Line, Pos) : 0) {
      Pos = StringEnd(Line, Pos + 1, Delimiter);
      Tokens.push_back({TTokenKind::String, Base + Start, Pos - Start, Delimiter});
    } else if (const int Number = MatchOperator(Line, Pos, Length)) {
      Pos += Length;
      Tokens.push_back({TTokenKind::Operator, Base + Start, Length, Number});
    } else {
      Pos = WordEnd(Line, Pos);
      Tokens.push_back({TTokenKind::Word, Base + Start, Pos - Start, 0});
    }
  }
  return TLineState::Normal;
}

std::vector<TToken> TTokenizer::TokenizeText(std::string_view Text) const {
  std::vector<TToken> Tokens;
  TLineState State = TLineState::Normal;
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    const std::size_t Length = LineLength(Text, Pos);
    State = TokenizeLine(Text.substr(Pos, Length), State, Pos, Tokens);
    Pos += Length;
  }
  return Tokens;
}

// Position just after the block-comment closer, or the line's end when the
// comment stays open (Closed false).
std::size_t TTokenizer::BlockCommentEnd(std::string_view Line, std::size_t From,
                                        bool& Closed) const {
  const std::size_t Found = Line.find(List_.BlockClose, From);
  Closed = Found != std::string_view::npos;
  return Closed ? Found + List_.BlockClose.size() : Line.size();
}

// Position just after the closing delimiter, or the end of the line's text.
std::size_t TTokenizer::StringEnd(std::string_view Line, std::size_t From, int Delimiter) const {
  const TStringDelimiter& D = List_.Strings[Delimiter - 1];
  const char Close = D.Delimiter[0];
  const std::size_t End = ContentEnd(Line);
  for (std::size_t Pos = From; Pos < End; ++Pos) {
    const char C = Line[Pos];
    if (!D.Escape.empty() && C == D.Escape[0] && C != Close) {
      ++Pos;  // the escaped character
    } else if (C == Close) {
      const bool Doubled =
          !D.Escape.empty() && D.Escape[0] == Close && Pos + 1 < End && Line[Pos + 1] == Close;
      if (!Doubled) return Pos + 1;
      ++Pos;
    }
  }
  return End;
}

std::size_t TTokenizer::WordEnd(std::string_view Line, std::size_t From) const {
  std::size_t Pos = From + 1;
  const std::size_t End = ContentEnd(Line);
  while (Pos < End && !IsSpace(Line[Pos]) && !StartsToken(Line, Pos))
    ++Pos;
  return Pos;
}

// Number (from 1) of the longest operator at Pos, 0 when none matches; of
// equally long ones, the first in the list.
int TTokenizer::MatchOperator(std::string_view Line, std::size_t Pos, std::size_t& Length) const {
  Length = 0;
  const auto B = static_cast<std::uint8_t>(Line[Pos]);
  for (std::size_t I = OperatorFrom_[B]; I < OperatorFrom_[B + 1u]; ++I) {
    const int Number = OperatorOrder_[I];
    const std::string& Op = List_.Operators[static_cast<std::size_t>(Number)];
    if (MatchesAt(Line, Pos, Op)) {
      Length = Op.size();
      return Number + 1;
    }
  }
  return 0;
}

// Number (1 or 2) of the string delimiter at Pos, 0 when none.
int TTokenizer::MatchString(std::string_view Line, std::size_t Pos) const {
  for (int I = 0; I < 2; ++I) {
    if (MatchesAt(Line, Pos, List_.Strings[I].Delimiter)) return I + 1;
  }
  return 0;
}

bool TTokenizer::StartsToken(std::string_view Line, std::size_t Pos) const {
  if (Starts_[static_cast<std::uint8_t>(Line[Pos])] == 0) return false;
  std::size_t Length = 0;
  return (List_.HasBlockComments() && MatchesAt(Line, Pos, List_.BlockOpen)) ||
         MatchesAt(Line, Pos, List_.LineComment) || MatchString(Line, Pos) != 0 ||
         MatchOperator(Line, Pos, Length) != 0;
}
