// TLEdit: replacing one character everywhere in place, as one undo step.
#include <Qsci/qsciscintilla.h>
#include <QAccessible>

#include <algorithm>
#include <string>

#include "editor/ledit.h"
#include "widgets/textutils.h"

namespace {

// Where a position lands once every What before it has grown by Growth bytes.
long Shifted(std::string_view Text, char What, long Pos, long Growth) {
  const auto End = Text.begin() + std::min(static_cast<std::size_t>(Pos), Text.size());
  return Pos + static_cast<long>(std::count(Text.begin(), End, What)) * Growth;
}

// Holds back the component's change notifications to its container while it
// lives: the container copies the changed text of each and handles each at a
// cost in proportion to the whole document, more than a replacement spanning
// the document costs itself. Assistive technology learns of changes only
// through them, so they stay on while it listens.
class TQuietChanges {
 public:
  explicit TQuietChanges(QsciScintilla& Editor)
      : Editor_(Editor), Mask_(Editor.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK)) {
    if (!QAccessible::isActive()) Editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
  }
  ~TQuietChanges() { Editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, Mask_); }
  TQuietChanges(const TQuietChanges&) = delete;
  TQuietChanges& operator=(const TQuietChanges&) = delete;

 private:
  QsciScintilla& Editor_;
  const long Mask_;
};

// Replaces From..To with With as one undo step. Room for the new text is made
// first: left to itself, the component grows its text and style buffers by
// the whole inserted span on top of the old text, and touching that much new
// memory costs more than the replacement.
void ReplaceAsOneStep(QsciScintilla& Editor, std::size_t From, std::size_t To,
                      const std::string& With) {
  const long Length = Editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  const long Growth = std::max(static_cast<long>(With.size()) - static_cast<long>(To - From), 0L);
  Editor.SendScintilla(QsciScintillaBase::SCI_ALLOCATE,
                       static_cast<unsigned long>(Length + 2 * Growth + 1));
  const TQuietChanges Quiet(Editor);
  Editor.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
  Editor.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, From, static_cast<long>(To));
  Editor.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, With.size(), With.c_str());
  Editor.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
}

}  // namespace

// Only the span from the first to the last What is replaced, in one edit;
// the selection, the first line shown, the horizontal scroll and the bookmark
// are put back where they were relative to the text around them. Listeners
// to textChanged and linesChanged hear of the edit once, afterwards.
void TLEdit::ReplaceChar(QChar What, const QString& With) {
  const std::string_view Text = DocumentBytes();
  const QByteArray WhatBytes = QString(What).toUtf8();
  if (WhatBytes.size() != 1) return;  // the editor only ever replaces single bytes
  const char Byte = WhatBytes[0];
  const std::size_t First = Text.find(Byte);
  if (First == std::string_view::npos) return;
  const std::size_t Last = Text.rfind(Byte);
  const std::string Into = With.toStdString();
  const std::string Span = ::ReplaceChar(Text.substr(First, Last + 1 - First), Byte, Into);
  const long Growth = static_cast<long>(Into.size()) - 1;
  const long Anchor = Shifted(Text, Byte, Send(QsciScintillaBase::SCI_GETANCHOR), Growth);
  const long Caret = Shifted(Text, Byte, CaretPos(), Growth);
  const long TopLine = Send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long XOffset = Send(QsciScintillaBase::SCI_GETXOFFSET);
  const int Bookmark = BookmarkLine();
  const int Lines = LineCount();
  ReplaceAsOneStep(*Editor_, First, Last + 1, Span);  // Text is gone from here on
  Send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(Anchor), Caret);
  Send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(TopLine));
  Send(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(XOffset));
  if (Bookmark > 0 && BookmarkLine() != Bookmark) MoveBookmark(Bookmark - 1);
  emit Editor_->textChanged();
  if (LineCount() != Lines) emit Editor_->linesChanged();
}
