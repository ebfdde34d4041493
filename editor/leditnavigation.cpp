// TLEdit: go to line, matching brace and the bookmark.
#include <Qsci/qsciscintilla.h>

#include "editor/ledit.h"

namespace {

constexpr unsigned long kBookmarkMarker = 1;

// Index of the token holding Pos, then of the one ending at Pos; -1 for none.
std::array<int, 2> TokensAt(const std::vector<TToken>& Tokens, std::size_t Pos) {
  std::array<int, 2> Found = {-1, -1};
  for (std::size_t I = 0; I < Tokens.size(); ++I) {
    const TToken& T = Tokens[I];
    if (T.Start <= Pos && Pos < T.Start + T.Length) Found[0] = static_cast<int>(I);
    if (T.Start + T.Length == Pos) Found[1] = static_cast<int>(I);
  }
  return Found;
}

// The operator numbered Partner that closes (or, backwards, opens) the one at
// From, nested pairs skipped; -1 when there is none.
int PartnerOf(const std::vector<TToken>& Tokens, int From, int Step, int Partner) {
  const int Own = Tokens[static_cast<std::size_t>(From)].Number;
  int Depth = 1;
  for (int I = From + Step; I >= 0 && I < static_cast<int>(Tokens.size()); I += Step) {
    const TToken& T = Tokens[static_cast<std::size_t>(I)];
    if (T.Kind != TTokenKind::Operator) continue;
    if (T.Number == Partner && --Depth == 0) return I;
    if (T.Number == Own && T.Number != Partner) ++Depth;
  }
  return -1;
}

const int kShapes[] = {QsciScintillaBase::SC_MARK_CIRCLE, QsciScintillaBase::SC_MARK_ROUNDRECT,
                       QsciScintillaBase::SC_MARK_ARROW, QsciScintillaBase::SC_MARK_BACKGROUND,
                       QsciScintillaBase::SC_MARK_BOOKMARK};

}  // namespace

void TLEdit::GotoLineDialog() {
  int Line = static_cast<int>(Send(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                   static_cast<unsigned long>(CaretPos()))) +
             1;
  if (!Dialogs_->AskLine(this, PlaceOf(dkGotoLine), LineCount(), Line)) return;
  GotoPos(PositionOf(Line - 1, 0));
}

// Asks OnFindBrace about the token at the caret (or just before it) and moves
// the caret to the start of the partner it names.
void TLEdit::FindMatchingBrace() {
  if (!OnFindBrace) return;
  const std::string_view Text = DocumentBytes();
  const std::vector<TToken> Tokens = Tokenizer_.TokenizeText(Text);
  for (const int Index : TokensAt(Tokens, static_cast<std::size_t>(CaretPos()))) {
    if (Index < 0) continue;
    int Partner = 0;
    const int Brace = AskBrace(Tokens[static_cast<std::size_t>(Index)], Text, Partner);
    if (Brace != kBraceOpening && Brace != kBraceClosing) continue;
    const int Match = PartnerOf(Tokens, Index, Brace == kBraceOpening ? 1 : -1, Partner);
    if (Match >= 0) GotoPos(static_cast<long>(Tokens[static_cast<std::size_t>(Match)].Start));
    return;
  }
}

int TLEdit::AskBrace(const TToken& Token, std::string_view Text, int& Partner) {
  int Type = WordTypeOf(Token);
  int Value = WordValueOf(Token);
  QString Word = QString::fromUtf8(Text.substr(Token.Start, Token.Length));
  int Brace = kBraceNone;
  OnFindBrace(this, Type, Value, Word, Brace);
  Partner = static_cast<int>(static_cast<unsigned>(Value) >> 16);
  return Brace;
}

// One bookmark: setting it on the caret line removes the one before.
void TLEdit::SetBookmark() {
  MoveBookmark(
      Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(CaretPos())));
}

// Line counts from 0.
void TLEdit::MoveBookmark(long Line) {
  Send(QsciScintillaBase::SCI_MARKERDELETEALL, kBookmarkMarker);
  BookmarkHandle_ = static_cast<int>(
      Send(QsciScintillaBase::SCI_MARKERADD, static_cast<unsigned long>(Line), kBookmarkMarker));
}

void TLEdit::GotoBookmark() {
  const int Line = BookmarkLine();
  if (Line > 0) GotoPos(PositionOf(Line - 1, 0));
}

int TLEdit::BookmarkLine() const {
  if (BookmarkHandle_ < 0) return 0;
  const long Line =  // -1 once the marker is gone
      Send(QsciScintillaBase::SCI_MARKERLINEFROMHANDLE,
           static_cast<unsigned long>(BookmarkHandle_));
  return static_cast<int>(Line) + 1;
}

void TLEdit::SetBookmarkStyle(int Attribute, int Value) {
  const unsigned long Marker = kBookmarkMarker;
  if (Attribute == baShape && Value >= 0 && Value < static_cast<int>(std::size(kShapes)))
    Send(QsciScintillaBase::SCI_MARKERDEFINE, Marker, kShapes[Value]);
  if (Attribute == baForeColor) Send(QsciScintillaBase::SCI_MARKERSETFORE, Marker, Value);
  if (Attribute == baBackColor) Send(QsciScintillaBase::SCI_MARKERSETBACK, Marker, Value);
}
