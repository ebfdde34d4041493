// The bevelled frame that the small widgets draw their borders with.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Draws Width one-pixel rings along the inside of R, top and left edges in
// TopLeft, bottom and right edges in BottomRight, and returns R shrunk by the
// frame.
QRect DrawFrame3D(QPainter& Painter, QRect R, const QColor& TopLeft, const QColor& BottomRight,
                  int Width);
