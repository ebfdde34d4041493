// TLEdit: replacing one character everywhere in place, as one undo step.
#include <Qsci/qsciscintilla.h>
#include <QAccessible>

#include <algorithm>
#include <cstdint>
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
// lives, then tells the listeners to textChanged and linesChanged once: the
// container copies the changed text of each notification and handles each at
// a cost in proportion to the whole document. Assistive technology learns of
// changes only through them, so they stay on while it listens.
class TQuietChanges {
 public:
  explicit TQuietChanges(QsciScintilla& Editor)
      : Editor_(Editor),
        Mask_(Editor.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK)),
        Lines_(Editor.lines()),
        Held_(!QAccessible::isActive()) {
    if (Held_) Editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
  }
  ~TQuietChanges() {
    Editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, Mask_);
    if (!Held_) return;
    emit Editor_.textChanged();
    if (Editor_.lines() != Lines_) emit Editor_.linesChanged();
  }
  TQuietChanges(const TQuietChanges&) = delete;
  TQuietChanges& operator=(const TQuietChanges&) = delete;
  bool Held() const { return Held_; }

 private:
  QsciScintilla& Editor_;
  const long Mask_;
  const int Lines_;
  const bool Held_;
};

// Makes room for a text of Length bytes to become NewLength long, and as much
// again, so that the component grows its text and style buffers once and by
// little more than the text grows; left to itself it adds a sixth of the
// document on top of what it inserts.
void MakeRoom(QsciScintilla& Editor, long Length, long NewLength) {
  Editor.SendScintilla(
      QsciScintillaBase::SCI_ALLOCATE,
      static_cast<unsigned long>(NewLength + std::max(NewLength - Length, 0L) + 1));
}

// The document's bytes from Pos on, Length of them, made contiguous.
std::string_view Range(QsciScintilla& Editor, std::size_t Pos, std::size_t Length) {
  const auto* Bytes = reinterpret_cast<const char*>(static_cast<std::intptr_t>(Editor.SendScintilla(
      QsciScintillaBase::SCI_GETRANGEPOINTER, Pos, static_cast<long>(Length))));
  return {Bytes, Length};
}

// Replaces every What from From to To (To just past the last What) by Into,
// as one undo step. The span goes in up to four pieces, each from its first
// to its last What, so that neither a copy of the whole span nor an undo
// record of it is made at once: taking that much new memory costs more than
// the rest. Not more pieces, since undoing and redoing the step tell the
// container of every piece. While the notifications go out, the span goes in
// one piece.
void ReplaceAsOneStep(QsciScintilla& Editor, std::size_t From, std::size_t To, char What,
                      std::string_view Into) {
  const TQuietChanges Quiet(Editor);
  constexpr std::size_t kPieces = 4, kLeast = 64 * 1024;
  const std::size_t Most = Quiet.Held() ? std::max((To - From) / kPieces + 1, kLeast) : To - From;
  Editor.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
  for (std::size_t Pos = From; Pos < To;) {
    const std::string_view Piece = Range(Editor, Pos, std::min(Most, To - Pos));
    Pos += Piece.size();
    const std::size_t Last = Piece.rfind(What);
    if (Last == std::string_view::npos) continue;
    const std::size_t First = Piece.find(What);
    const std::size_t Replaced = Last + 1 - First;
    const std::size_t Start = Pos - Piece.size() + First;
    const std::string With = ReplaceChar(Piece.substr(First, Replaced), What, Into);
    Editor.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, Start,
                         static_cast<long>(Start + Replaced));
    Editor.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, With.size(), With.c_str());
    Pos = Pos + With.size() - Replaced;  // past the piece as it is now
    To = To + With.size() - Replaced;
  }
  Editor.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
}

}  // namespace

// Only the span from the first to the last What is replaced, as one undo
// step; the selection, the first line shown, the horizontal scroll and the
// bookmark are put back where they were relative to the text around them.
void TLEdit::ReplaceChar(QChar What, const QString& With) {
  const std::string_view Text = DocumentBytes();
  const QByteArray WhatBytes = QString(What).toUtf8();
  if (WhatBytes.size() != 1) return;  // the editor only ever replaces single bytes
  const char Byte = WhatBytes[0];
  const std::size_t First = Text.find(Byte);
  if (First == std::string_view::npos) return;
  const std::size_t Last = Text.rfind(Byte);
  const std::string Into = With.toStdString();
  const long Growth = static_cast<long>(Into.size()) - 1;
  const long Anchor = Shifted(Text, Byte, Send(QsciScintillaBase::SCI_GETANCHOR), Growth);
  const long Caret = Shifted(Text, Byte, CaretPos(), Growth);
  const long TopLine = Send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long XOffset = Send(QsciScintillaBase::SCI_GETXOFFSET);
  const int Bookmark = BookmarkLine();
  const auto Length = static_cast<long>(Text.size());
  MakeRoom(*Editor_, Length, Shifted(Text, Byte, Length, Growth));  // Text is gone from here on
  ReplaceAsOneStep(*Editor_, First, Last + 1, Byte, Into);
  Send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(Anchor), Caret);
  Send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(TopLine));
  Send(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(XOffset));
  if (Bookmark > 0 && BookmarkLine() != Bookmark) MoveBookmark(Bookmark - 1);
}
