#include "widgets/odpanel.h"

#include <QPainter>
#include <algorithm>

#include "widgets/frame3d.h"

namespace {

// Draws one bevel ring set; a raised bevel is light at the top left.
QRect DrawBevel(QPainter& Painter, const QRect& R, TODPanel::TPanelBevel Bevel, int Width,
                const QPalette& Palette) {
  if (Bevel == TODPanel::bvNone) return R;
  const QColor Light = Palette.color(QPalette::Light);
  const QColor Dark = Palette.color(QPalette::Dark);
  const bool Raised = Bevel == TODPanel::bvRaised;
  return DrawFrame3D(Painter, R, Raised ? Light : Dark, Raised ? Dark : Light, Width);
}

}  // namespace

TODPanel::TODPanel(QWidget* Parent) : QWidget(Parent) {
  FColor = palette().color(QPalette::Button);
  FFontColor = palette().color(QPalette::WindowText);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TODPanel::SetCaption(const QString& Value) {
  FCaption = Value;
  update();
}

void TODPanel::SetAlignment(Qt::Alignment Value) {
  FAlignment = Value;
  update();
}

void TODPanel::SetBevelOuter(TPanelBevel Value) {
  FBevelOuter = Value;
  update();
}

void TODPanel::SetBevelInner(TPanelBevel Value) {
  FBevelInner = Value;
  update();
}

void TODPanel::SetBevelWidth(int Value) {
  FBevelWidth = std::max(Value, 1);
  update();
}

void TODPanel::SetColor(const QColor& Value) {
  FColor = Value;
  update();
}

void TODPanel::SetFontColor(const QColor& Value) {
  FFontColor = Value;
  update();
}

// Without the default drawing the panel is no longer opaque by itself.
void TODPanel::SetDefaultDrawing(bool Value) {
  FDefaultDrawing = Value;
  setAttribute(Qt::WA_OpaquePaintEvent, Value);
  update();
}

void TODPanel::paintEvent(QPaintEvent*) {
  if (FDefaultDrawing) PaintDefault();
  emit OnPaint(this);
}

void TODPanel::PaintDefault() {
  QPainter Painter(this);
  Painter.fillRect(rect(), FColor);
  QRect R = DrawBevel(Painter, rect(), FBevelOuter, FBevelWidth, palette());
  R = DrawBevel(Painter, R, FBevelInner, FBevelWidth, palette());
  if (FCaption.isEmpty()) return;
  Qt::Alignment Flags = FAlignment;
  if ((Flags & Qt::AlignVertical_Mask) == 0) Flags |= Qt::AlignVCenter;
  Painter.setFont(font());
  Painter.setPen(FFontColor);
  Painter.drawText(R, static_cast<int>(Flags) | Qt::TextSingleLine, FCaption);
}
