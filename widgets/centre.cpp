#include "widgets/centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// The frame is known only once a window has been shown; before that the
// window's own size stands for it.
void CentreOnScreen(QWidget* Window) {
  const QScreen* Screen = Window->screen() ? Window->screen() : QGuiApplication::primaryScreen();
  if (!Screen) return;
  const QRect Area = Screen->availableGeometry();
  const QSize Size = Window->frameGeometry().size().expandedTo(Window->size());
  Window->move(Area.x() + (Area.width() - Size.width()) / 2,
               Area.y() + (Area.height() - Size.height()) / 2);
}
