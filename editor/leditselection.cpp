// TLEdit: selection, text changes, modified flag and clipboard.
#include <Qsci/qsciscintilla.h>

#include "editor/ledit.h"

QString WithCrLf(QString Text) {
  Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  Text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return Text;
}

long TLEdit::CaretPos() const {
  return Send(QsciScintillaBase::SCI_GETCURRENTPOS);
}

// Byte position of a line (from 0) and column (in characters), kept inside
// the document and the line.
long TLEdit::PositionOf(int Line, int Column) const {
  const int Last = LineCount() - 1;
  Line = qBound(0, Line, Last);
  const long End =
      Send(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(Line));
  const long Pos = Editor_->positionFromLineIndex(Line, qMax(0, Column));
  return Pos < 0 ? End : qMin(Pos, End);
}

void TLEdit::GotoPos(long Pos) {
  Send(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(Pos));
  Editor_->ensureCursorVisible();
}

std::string_view TLEdit::DocumentBytes() const {
  const auto* Text = static_cast<const char*>(
      Editor_->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
  return {Text, static_cast<std::size_t>(Send(QsciScintillaBase::SCI_GETLENGTH))};
}

void TLEdit::GetSelection() {
  int Line = 0;
  int Index = 0;
  Editor_->lineIndexFromPosition(static_cast<int>(Send(QsciScintillaBase::SCI_GETSELECTIONSTART)),
                                 &Line, &Index);
  StartLine = Line + 1;
  StartPos = Index;
  Editor_->lineIndexFromPosition(static_cast<int>(Send(QsciScintillaBase::SCI_GETSELECTIONEND)),
                                 &Line, &Index);
  EndLine = Line + 1;
  EndPos = Index;
}

// The start becomes the anchor and the end the caret.
void TLEdit::SetSelection() {
  const long Anchor = PositionOf(StartLine - 1, StartPos);
  const long Caret = PositionOf(EndLine - 1, EndPos);
  Send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(Anchor), Caret);
  Editor_->ensureCursorVisible();
}

QString TLEdit::GetSelText() const {
  return Editor_->selectedText();
}

void TLEdit::ReplaceSel(const QString& Value) {
  Editor_->replaceSelectedText(WithCrLf(Value));
}

void TLEdit::InsertText(const QString& Value) {
  GetSelection();
  ReplaceSel(Value);
}

void TLEdit::AppendText(const QString& Value) {
  const long End =
      Send(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(LineCount() - 1));
  Send(QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(End));
  ReplaceSel(Value);
}

int TLEdit::LineCount() const {
  return static_cast<int>(Send(QsciScintillaBase::SCI_GETLINECOUNT));
}

// Changed since the last SetModified(false): an edit, or undoing back past
// that point. SetModified(true) marks the text changed until then.
bool TLEdit::IsModified() const {
  return ForcedModified_ || Editor_->isModified();
}

void TLEdit::SetModified(bool Value) {
  ForcedModified_ = Value;
  if (!Value) Send(QsciScintillaBase::SCI_SETSAVEPOINT);
}

void TLEdit::NewDocument() {
  Editor_->setText(QString());
  Send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  Send(QsciScintillaBase::SCI_MARKERDELETEALL, static_cast<unsigned long>(-1L));
  BookmarkHandle_ = -1;
  SetModified(false);
}

void TLEdit::Clear() {
  Send(QsciScintillaBase::SCI_CLEARALL);
}

void TLEdit::Undo() {
  Editor_->undo();
}

void TLEdit::CutToClipboard() {
  Editor_->cut();
}

void TLEdit::CopyToClipboard() {
  Editor_->copy();
}

void TLEdit::PasteFromClipboard() {
  Editor_->paste();
}

void TLEdit::SelectAll() {
  Editor_->selectAll();
}
