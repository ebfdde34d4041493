// TLEdit: the one mark of a wrong place in the text, and the tool tips over
// it and over the margin.
#include <Qsci/qsciscintilla.h>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>

#include "editor/ledit.h"

namespace {

constexpr unsigned long kErrorMarker = 2;     // the bookmark is marker 1
constexpr unsigned long kErrorIndicator = 9;  // the first ones are the lexers'
constexpr int kMarginCount = 5;

}  // namespace

void TLEdit::ApplyErrorMarkStyle() {
  const QColor Red(0xd0, 0x10, 0x10);
  Send(QsciScintillaBase::SCI_MARKERDEFINE, kErrorMarker, QsciScintillaBase::SC_MARK_CIRCLE);
  Editor_->SendScintilla(QsciScintillaBase::SCI_MARKERSETFORE, kErrorMarker, Red.darker(150));
  Editor_->SendScintilla(QsciScintillaBase::SCI_MARKERSETBACK, kErrorMarker, Red);
  Send(QsciScintillaBase::SCI_INDICSETSTYLE, kErrorIndicator, QsciScintillaBase::INDIC_SQUIGGLE);
  Editor_->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, kErrorIndicator, Red);
}

// The underline covers the word at Offset, or the character there; at the end
// of a line, the character before it.
void TLEdit::SetErrorMark(long Offset, const QString& Message) {
  ClearErrorMark();
  const long Length = Send(QsciScintillaBase::SCI_GETLENGTH);
  long Start = std::clamp(Offset, 0L, Length);
  const long Line =
      Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Start));
  const long LineStart =
      Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line));
  const long LineEnd =
      Send(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(Line));
  long End = Send(QsciScintillaBase::SCI_WORDENDPOSITION, static_cast<unsigned long>(Start), 1);
  if (End <= Start && Start < LineEnd)
    End = Send(QsciScintillaBase::SCI_POSITIONAFTER, static_cast<unsigned long>(Start));
  if (End <= Start && Start > LineStart) {
    End = Start;
    Start = Send(QsciScintillaBase::SCI_POSITIONBEFORE, static_cast<unsigned long>(Start));
  }
  Send(QsciScintillaBase::SCI_SETINDICATORCURRENT, kErrorIndicator);
  if (End > Start)
    Send(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(Start), End - Start);
  ErrorMarkHandle_ = static_cast<int>(
      Send(QsciScintillaBase::SCI_MARKERADD, static_cast<unsigned long>(Line), kErrorMarker));
  ErrorMessage_ = Message;
}

// The underline is one run wherever edits have moved it: it is found from the
// text's start, without a walk through the text.
void TLEdit::ClearErrorMark() {
  if (ErrorMarkHandle_ >= 0)
    Send(QsciScintillaBase::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(ErrorMarkHandle_));
  ErrorMarkHandle_ = -1;
  ErrorMessage_.clear();
  const long Start = Send(QsciScintillaBase::SCI_INDICATORVALUEAT, kErrorIndicator, 0)
                         ? 0
                         : Send(QsciScintillaBase::SCI_INDICATOREND, kErrorIndicator, 0);
  const long End = Send(QsciScintillaBase::SCI_INDICATOREND, kErrorIndicator, Start);
  Send(QsciScintillaBase::SCI_SETINDICATORCURRENT, kErrorIndicator);
  if (End > Start)
    Send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(Start),
         End - Start);
}

int TLEdit::ErrorMarkLine() const {
  if (ErrorMarkHandle_ < 0) return 0;
  return static_cast<int>(Send(QsciScintillaBase::SCI_MARKERLINEFROMHANDLE,
                               static_cast<unsigned long>(ErrorMarkHandle_))) +
         1;
}

QString TLEdit::ToolTipAt(QPoint Point) const {
  long Margins = 0;
  for (int M = 0; M < kMarginCount; ++M)
    Margins += Send(QsciScintillaBase::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(M));
  const auto X = static_cast<unsigned long>(std::max(Point.x(), 0));
  if (Point.x() < Margins) {
    const long Pos = Send(QsciScintillaBase::SCI_POSITIONFROMPOINT, X, Point.y());
    const long Line =
        Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Pos));
    return Line + 1 == ErrorMarkLine() ? ErrorMessage_ : MarginHint_;
  }
  const long Pos = Send(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE, X, Point.y());
  if (Pos < 0 || !Send(QsciScintillaBase::SCI_INDICATORVALUEAT, kErrorIndicator, Pos)) return {};
  return ErrorMessage_;
}

void TLEdit::ShowToolTip(const QHelpEvent& Event) const {
  const QString Tip = ToolTipAt(Event.pos());
  if (Tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(Event.globalPos(), Tip, Editor_->viewport());
}
