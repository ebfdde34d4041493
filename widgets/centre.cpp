#include "widgets/centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

int Within(int Start, int Length, int AreaStart, int AreaLength) {
  return std::max(AreaStart, std::min(Start, AreaStart + AreaLength - Length));
}

// The frame is known only once a window has been shown; before that the
// window's own size stands for it.
const QScreen* ScreenOf(const QWidget* Window) {
  return Window->screen() ? Window->screen() : QGuiApplication::primaryScreen();
}

QSize OuterSize(const QWidget* Window) {
  return Window->frameGeometry().size().expandedTo(Window->size());
}

}  // namespace

QPoint CentredWithin(const QSize& Size, const QPoint& Centre, const QRect& Area) {
  return {Within(Centre.x() - Size.width() / 2, Size.width(), Area.x(), Area.width()),
          Within(Centre.y() - Size.height() / 2, Size.height(), Area.y(), Area.height())};
}

void CentreOnScreen(QWidget* Window) {
  const QScreen* Screen = ScreenOf(Window);
  if (!Screen) return;
  const QRect Area = Screen->availableGeometry();
  const QPoint Middle = Area.topLeft() + QPoint(Area.width() / 2, Area.height() / 2);
  Window->move(CentredWithin(OuterSize(Window), Middle, Area));
}

void CentreAt(QWidget* Window, const QPoint& Global) {
  const QScreen* Screen = QGuiApplication::screenAt(Global);
  if (!Screen) Screen = ScreenOf(Window);
  if (!Screen) return;
  Window->move(CentredWithin(OuterSize(Window), Global, Screen->availableGeometry()));
}
