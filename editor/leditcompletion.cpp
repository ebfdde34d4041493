// TLEdit: the completion list of the words OnCompletions offers.
#include <Qsci/qsciscintilla.h>

#include "editor/ledit.h"

namespace {

constexpr char kSeparator = '\n';

bool IsNameChar(QChar C) {
  return C.isLetterOrNumber() || C == '_' || C == '$';
}

// What the text before the caret asks to complete: the part of a name typed
// and, after "x.", the object x. Nothing is asked after a "." that follows
// no name.
struct TCompletionPlace {
  QString Object, Typed;
  bool Valid = true;
};

qsizetype NameStart(const QString& Text, qsizetype End) {
  while (End > 0 && IsNameChar(Text[End - 1]))
    --End;
  return End;
}

TCompletionPlace PlaceIn(const QString& Before) {
  const qsizetype Start = NameStart(Before, Before.size());
  TCompletionPlace Place{{}, Before.mid(Start), true};
  if (Start == 0 || Before[Start - 1] != '.') return Place;
  const qsizetype Dot = Start - 1;
  Place.Object = Before.mid(NameStart(Before, Dot), Dot - NameStart(Before, Dot));
  Place.Valid = !Place.Object.isEmpty() && !Place.Object[0].isDigit();
  return Place;
}

}  // namespace

// The list ignores letter case as the keywords' colouring does, sorts itself,
// stays open while what is typed matches and inserts nothing on its own.
void TLEdit::SetUpCompletion() {
  Send(QsciScintillaBase::SCI_AUTOCSETSEPARATOR, kSeparator);
  Send(QsciScintillaBase::SCI_AUTOCSETTYPESEPARATOR, '\r');
  Send(QsciScintillaBase::SCI_AUTOCSETIGNORECASE, 1);
  Send(QsciScintillaBase::SCI_AUTOCSETORDER, QsciScintillaBase::SC_ORDER_PERFORMSORT);
  Send(QsciScintillaBase::SCI_AUTOCSETDROPRESTOFWORD, 0);
  Send(QsciScintillaBase::SCI_AUTOCSETCHOOSESINGLE, 0);
  Send(QsciScintillaBase::SCI_AUTOCSETAUTOHIDE, 1);
  Editor_->SendScintilla(QsciScintillaBase::SCI_AUTOCSTOPS, 0UL, "");
  Editor_->SendScintilla(QsciScintillaBase::SCI_AUTOCSETFILLUPS, 0UL, "");
  connect(Editor_, &QsciScintillaBase::SCN_CHARADDED, this, [this](int Char) {
    if (Char == '.') ShowCompletions();
  });
}

// Reads the caret's line up to the caret, no more.
void TLEdit::ShowCompletions() {
  if (!OnCompletions || ReadOnly()) return;
  const long Caret = CaretPos();
  const long Line =
      Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Caret));
  const long LineStart =
      Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line));
  const TCompletionPlace Place =
      PlaceIn(Editor_->text(static_cast<int>(LineStart), static_cast<int>(Caret)));
  if (!Place.Valid) return;
  QStringList Words = OnCompletions(Place.Object);
  Words.removeIf(
      [&Place](const QString& Word) { return !Word.startsWith(Place.Typed, Qt::CaseInsensitive); });
  if (Words.isEmpty()) return;
  Editor_->SendScintilla(QsciScintillaBase::SCI_AUTOCSHOW,
                         static_cast<unsigned long>(Place.Typed.toUtf8().size()),
                         Words.join(kSeparator).toUtf8().constData());
}
