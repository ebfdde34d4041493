#include "editor/tokenizer.h"

namespace {

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
    if (IsSpace(Line[Pos])) {
      ++Pos;
    } else if (List_.HasBlockComments() && MatchesAt(Line, Pos, List_.BlockOpen)) {
      bool Closed = false;
      Pos = BlockCommentEnd(Line, Pos + List_.BlockOpen.size(), Closed);
      Tokens.push_back({TTokenKind::Comment, Base + Start, Pos - Start, 0});
      if (!Closed) return TLineState::InBlockComment;
    } else if (MatchesAt(Line, Pos, List_.LineComment)) {
      Pos = End;
      Tokens.push_back({TTokenKind::Comment, Base + Start, Pos - Start, 0});
    } else if (const int Delimiter = MatchString(Line, Pos)) {
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

// Number (from 1) of the longest operator at Pos, 0 when none matches.
int TTokenizer::MatchOperator(std::string_view Line, std::size_t Pos, std::size_t& Length) const {
  int Best = 0;
  Length = 0;
  for (std::size_t I = 0; I < List_.Operators.size(); ++I) {
    const std::string& Op = List_.Operators[I];
    if (Op.size() > Length && MatchesAt(Line, Pos, Op)) {
      Best = static_cast<int>(I) + 1;
      Length = Op.size();
    }
  }
  return Best;
}

// Number (1 or 2) of the string delimiter at Pos, 0 when none.
int TTokenizer::MatchString(std::string_view Line, std::size_t Pos) const {
  for (int I = 0; I < 2; ++I) {
    if (MatchesAt(Line, Pos, List_.Strings[I].Delimiter)) return I + 1;
  }
  return 0;
}

bool TTokenizer::StartsToken(std::string_view Line, std::size_t Pos) const {
  std::size_t Length = 0;
  return (List_.HasBlockComments() && MatchesAt(Line, Pos, List_.BlockOpen)) ||
         MatchesAt(Line, Pos, List_.LineComment) || MatchString(Line, Pos) != 0 ||
         MatchOperator(Line, Pos, Length) != 0;
}
