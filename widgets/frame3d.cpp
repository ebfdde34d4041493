#include "widgets/frame3d.h"

#include <QPainter>

QRect DrawFrame3D(QPainter& Painter, QRect R, const QColor& TopLeft, const QColor& BottomRight,
                  int Width) {
  for (int I = 0; I < Width && R.isValid(); ++I) {
    Painter.fillRect(QRect(R.left(), R.top(), R.width() - 1, 1), TopLeft);
    Painter.fillRect(QRect(R.left(), R.top(), 1, R.height() - 1), TopLeft);
    Painter.fillRect(QRect(R.left(), R.bottom(), R.width(), 1), BottomRight);
    Painter.fillRect(QRect(R.right(), R.top(), 1, R.height()), BottomRight);
    R.adjust(1, 1, -1, -1);
  }
  return R;
}
