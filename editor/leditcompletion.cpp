// TLEdit: the completion list of the words OnCompletions offers.
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <vector>

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

// Whether the character before the caret (at a line's start, the caret's own
// place) lies in a comment or a string, by the tokens of the caret's line up
// to the caret, from the state the colouring left at the line before.
bool TLEdit::InCommentOrString(long Line, long LineStart, long Caret) const {
  // The lines above a line typed on are coloured already; an editor never
  // shown colours them now.
  const long Styled = Send(QsciScintillaBase::SCI_GETENDSTYLED);
  if (Styled < LineStart)
    Send(QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(Styled), LineStart);
  const auto State = static_cast<TLineState>(
      Line > 0 ? Send(QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(Line - 1))
               : 0);
  const std::string_view Before = DocumentBytes().substr(
      static_cast<std::size_t>(LineStart), static_cast<std::size_t>(Caret - LineStart));
  std::vector<TToken> Tokens;
  if (Tokenizer_.TokenizeLine(Before, State, 0, Tokens) == TLineState::InBlockComment) return true;
  const std::size_t At = Before.empty() ? 0 : Before.size() - 1;
  return std::any_of(Tokens.begin(), Tokens.end(), [At](const TToken& T) {
    return T.Kind != TTokenKind::Word && T.Kind != TTokenKind::Operator && T.Start <= At &&
           At < T.Start + T.Length;
  });
}

// Reads the caret's line up to the caret, no more; nothing is offered in a
// comment or a string.
void TLEdit::ShowCompletions() {
  if (!OnCompletions || ReadOnly()) return;
  const long Caret = CaretPos();
  const long Line =
      Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Caret));
  const long LineStart =
      Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line));
  if (InCommentOrString(Line, LineStart, Caret)) return;
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
