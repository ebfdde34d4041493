// TLEdit: what the editing component does for assistive technology, only
// while some listens.
//
// The component's container counts the characters from the text's start to
// each change once it is made, and to the caret at each update of the view,
// for its accessible interface: a keystroke costs in proportion to where it
// is typed, some 50 ms in the middle of a text of 200,000 lines. While no
// assistive technology listens, the component tells only of the changes it
// is about to make (the editor gives textChanged for those), and its
// accessible interface is a plain one that counts nothing. When one starts
// listening, every notice comes back and the component's own interface takes
// the plain one's place.
#include <Qsci/qsciscintilla.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

#include "editor/ledit.h"

namespace {

constexpr long kAfterChange =
    QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT |
    QsciScintillaBase::SC_PERFORMED_USER | QsciScintillaBase::SC_PERFORMED_UNDO |
    QsciScintillaBase::SC_PERFORMED_REDO | QsciScintillaBase::SC_MULTISTEPUNDOREDO |
    QsciScintillaBase::SC_LASTSTEPINUNDOREDO | QsciScintillaBase::SC_MULTILINEUNDOREDO |
    QsciScintillaBase::SC_STARTACTION;
constexpr long kBeforeChange =
    QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;

// Whether assistive technology listens, as the platform last said.
class TListening : public QAccessible::ActivationObserver {
 public:
  TListening() : FActive(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }
  void accessibilityActiveChanged(bool Active) override { FActive = Active; }
  bool Active() const { return FActive; }

 private:
  bool FActive;
};

const TListening& Listening() {
  static const TListening* const Observer = new TListening;  // told to the end
  return *Observer;
}

// Consulted before the component's own factory, which it leaves the field to
// while assistive technology listens.
QAccessibleInterface* PlainInterface(const QString& Class, QObject* Object) {
  if (Listening().Active() || Class != QLatin1String("QsciScintillaBase") || !Object ||
      !Object->isWidgetType())
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(Object), QAccessible::EditableText);
}

}  // namespace

void TLEdit::SetUpChangeNotices() {
  static std::once_flag Installed;
  // The flag is told of a change before any editor is.
  std::call_once(Installed, [] {
    Listening();
    QAccessible::installFactory(PlainInterface);
  });
  connect(Editor_, &QsciScintillaBase::SCN_MODIFIED, this, [this](int, int Type) {
    if (QuietChanges_ && (Type & kBeforeChange)) emit Editor_->textChanged();
  });
  QAccessible::installActivationObserver(this);
  accessibilityActiveChanged(Listening().Active());
}

void TLEdit::accessibilityActiveChanged(bool Active) {
  QuietChanges_ = !Active;
  if (Active) {
    QAccessibleInterface* Plain = QAccessible::queryAccessibleInterface(Editor_);
    if (Plain && !Plain->textInterface())
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(Plain));
  }
  Send(QsciScintillaBase::SCI_SETMODEVENTMASK,
       static_cast<unsigned long>(QsciScintillaBase::SC_MODEVENTMASKALL &
                                  ~(QuietChanges_ ? kAfterChange : 0L)));
}
