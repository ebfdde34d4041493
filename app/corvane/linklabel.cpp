#include "app/corvane/linklabel.h"

#include <QMouseEvent>

#include "app/corvane/windowfont.h"

TLinkLabel::TLinkLabel(const QString& Caption, QWidget* Parent) : QLabel(Parent) {
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
