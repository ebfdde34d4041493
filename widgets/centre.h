// Places top-level windows where no window manager may: in the middle of
// their screen, or centred on a point, and always inside the screen's
// available area.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The top-left corner for a window of Size whose middle is at Centre, moved
// as little as needed to lie inside Area. A window larger than Area keeps its
// top-left corner, and so its title bar, inside it.
QPoint CentredWithin(const QSize& Size, const QPoint& Centre, const QRect& Area);

void CentreOnScreen(QWidget* Window);

// Centres Window on Global, a point in screen coordinates, inside the
// available area of the screen that holds the point.
void CentreAt(QWidget* Window, const QPoint& Global);
