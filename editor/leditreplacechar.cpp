// TLEdit: replacing one character everywhere in place, as one undo step.
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <string>

#include "editor/ledit.h"

namespace {

// Where a position lands once every What before it has grown by Growth bytes.
long Shifted(std::string_view Text, char What, long Pos, long Growth) {
  const auto End = Text.begin() + std::min(static_cast<std::size_t>(Pos), Text.size());
  return Pos + static_cast<long>(std::count(Text.begin(), End, What)) * Growth;
}

}  // namespace

// Only the span from the first to the last What is replaced, in one edit;
// the selection, the first line shown, the horizontal scroll and the bookmark
// are put back where they were relative to the text around them.
void TLEdit::ReplaceChar(QChar What, const QString& With) {
  const std::string_view Text = DocumentBytes();
  const QByteArray WhatBytes = QString(What).toUtf8();
  if (WhatBytes.size() != 1) return;  // the editor only ever replaces single bytes
  const char Byte = WhatBytes[0];
  const std::size_t First = Text.find(Byte);
  if (First == std::string_view::npos) return;
  const std::size_t Last = Text.rfind(Byte);
  const std::string Into = With.toStdString();
  std::string Span;
  Span.reserve(Last + 1 - First);
  for (const char C : Text.substr(First, Last + 1 - First)) {
    if (C == Byte)
      Span.append(Into);
    else
      Span.push_back(C);
  }
  const long Growth = static_cast<long>(Into.size()) - 1;
  const long Anchor = Shifted(Text, Byte, Send(QsciScintillaBase::SCI_GETANCHOR), Growth);
  const long Caret = Shifted(Text, Byte, CaretPos(), Growth);
  const long TopLine = Send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long XOffset = Send(QsciScintillaBase::SCI_GETXOFFSET);
  const int Bookmark = BookmarkLine();
  Send(QsciScintillaBase::SCI_BEGINUNDOACTION);
  Send(QsciScintillaBase::SCI_SETTARGETRANGE, First, static_cast<long>(Last + 1));
  Editor_->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, Span.size(), Span.c_str());
  Send(QsciScintillaBase::SCI_ENDUNDOACTION);
  Send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(Anchor), Caret);
  Send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(TopLine));
  Send(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(XOffset));
  if (Bookmark > 0 && BookmarkLine() != Bookmark) MoveBookmark(Bookmark - 1);
}
