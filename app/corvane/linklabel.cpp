#include "app/corvane/linklabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "app/corvane/windowfont.h"

namespace {

// A label would be read as static text; this one is a link that can be
// pressed.
class TLinkAccessible : public QAccessibleWidget {
 public:
  explicit TLinkAccessible(TLinkLabel* Link) : QAccessibleWidget(Link, QAccessible::Link) {}
  QString text(QAccessible::Text Kind) const override {
    const QString Text = QAccessibleWidget::text(Kind);
    if (Kind != QAccessible::Name || !Text.isEmpty()) return Text;
    return static_cast<TLinkLabel*>(widget())->text();
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction();
  }
  void doAction(const QString& Name) override {
    if (Name == pressAction())
      emit static_cast<TLinkLabel*>(widget())->Click();
    else
      QAccessibleWidget::doAction(Name);
  }
};

QAccessibleInterface* LinkAccessible(const QString&, QObject* Object) {
  auto* Link = qobject_cast<TLinkLabel*>(Object);
  return Link ? new TLinkAccessible(Link) : nullptr;
}

}  // namespace

TLinkLabel::TLinkLabel(const QString& Caption, QWidget* Parent) : QLabel(Parent) {
  static const bool Installed = [] {
    QAccessible::installFactory(LinkAccessible);
    return true;
  }();
  (void)Installed;
  setFocusPolicy(Qt::StrongFocus);
  setTextFormat(Qt::PlainText);  // the caption is the address, never markup
  setText(Caption);
  QFont Font = WindowFont();
  Font.setUnderline(true);
  setFont(Font);
  QPalette Colours = palette();
  Colours.setColor(QPalette::WindowText, QColor(128, 0, 128));
  setPalette(Colours);
  setCursor(Qt::PointingHandCursor);
}

// A click is a left-button press and release over the label.
void TLinkLabel::mouseReleaseEvent(QMouseEvent* Event) {
  QLabel::mouseReleaseEvent(Event);
  if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
    emit Click();
}

void TLinkLabel::keyPressEvent(QKeyEvent* Event) {
  const int Key = Event->key();
  if (Event->modifiers() != Qt::NoModifier && Event->modifiers() != Qt::KeypadModifier)
    return QLabel::keyPressEvent(Event);
  if (Key != Qt::Key_Return && Key != Qt::Key_Enter && Key != Qt::Key_Space)
    return QLabel::keyPressEvent(Event);
  emit Click();
}

void TLinkLabel::paintEvent(QPaintEvent* Event) {
  QLabel::paintEvent(Event);
  if (!hasFocus()) return;
  QPainter Painter(this);
  QStyleOptionFocusRect Option;
  Option.initFrom(this);
  Option.backgroundColor = palette().color(QPalette::Window);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &Option, &Painter, this);
}
