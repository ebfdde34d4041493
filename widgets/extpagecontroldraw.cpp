// The built-in drawing of a tab: background, glyph and caption.
#include <QPainter>
#include <algorithm>

#include "widgets/extpagecontrol.h"

void TExtPageControl::DrawTabBackground(QPainter& DC, bool Active, const QRect& Rect) {
  DC.fillRect(Rect, Active ? FTabActiveColor : FTabInactiveColor);
}

void TExtPageControl::DrawTab(int PageIndex, bool Active, TOwnerDrawState State,
                              const QRect& RectBg, const QRect& RectFg) {
  DrawTabBackground(*FCanvas, Active, RectBg);
  if (OnDrawTab)
    OnDrawTab(this, PageIndex, Active, RectFg, RectBg, State);
  else
    DrawTabContent(PageIndex, RectFg, State);
}

// A disabled tab shows its caption embossed and no glyph.
void TExtPageControl::DrawTabContent(int PageIndex, const QRect& RectFg, TOwnerDrawState State) {
  const QString Text = tabText(PageIndex);
  const bool Disabled = (State & odDisabled) != 0;
  const QSize Glyph = FTabGlyphs.ImageSize();
  if (Glyph.isEmpty()) {
    if (IsVertical())
      DrawTabText(RectFg, {8, 0}, Disabled, taLeftJustify, Text);
    else
      DrawTabText(RectFg, {0, 0}, Disabled, taCenter, Text);
    return;
  }
  if (Disabled) {
    DrawTabText(RectFg, {0, 0}, true, taCenter, Text);
    return;
  }
  const int Spacing = FTabGlyphs.Spacing();
  QPoint At;
  if (FTabGlyphs.Position() == glPosTop) {
    const QPoint Out = DrawTabText(RectFg, {0, Glyph.height() + Spacing}, false, taCenter, Text);
    At = {RectFg.left() + (RectFg.width() - Glyph.width()) / 2, Out.y()};
  } else {
    const int Y = RectFg.top() + (RectFg.height() - Glyph.height()) / 2;
    if (IsVertical()) {
      DrawTabText(RectFg, {Glyph.width() + Spacing + 8, 0}, false, taLeftJustify, Text);
      At = {RectFg.left() + 8, Y};
    } else {
      At = {DrawTabText(RectFg, {Glyph.width() + Spacing, 0}, false, taCenter, Text).x(), Y};
    }
  }
  if (PageIndex < FTabGlyphs.Images().size())
    FCanvas->drawImage(At, FTabGlyphs.Images()[PageIndex]);
}

QPoint TExtPageControl::DrawTabText(const QRect& RectFg, const QPoint& Offset, bool Disabled,
                                    TAlignment Alignment, const QString& Text) {
  QPainter& DC = *FCanvas;
  const int Align[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  const int Flags = Qt::TextShowMnemonic | Align[Alignment] |
                    (FTabWordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
  const QRect R = RectFg.adjusted(2, 2, -2, -2);
  QRect T = R.adjusted(Offset.x(), Offset.y(), 0, 0);
  const QRect Measured = DC.boundingRect(QRect(0, 0, T.width(), T.height()), Flags, Text);
  const int TextHeight = std::min(Measured.height(), T.height());
  T.setTop(T.top() + std::max(0, (T.height() - TextHeight) / 2));
  const int TextWidth = std::min(Measured.width(), T.width());
  if (Alignment == taCenter) {
    T.moveLeft(R.left() + Offset.x() + (R.width() - TextWidth - Offset.x()) / 2);
    T.setWidth(TextWidth);
  }
  // A caption wider than its room is cut at the room's edges rather than
  // running over the glyph or the next tab.
  DC.save();
  DC.setClipRect(T.adjusted(0, 0, 1, 1), Qt::IntersectClip);
  if (Disabled) {
    const QPen Pen = DC.pen();
    DC.setPen(palette().color(QPalette::Light));
    DC.drawText(T.translated(1, 1), Flags, Text);
    DC.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    DC.drawText(T, Flags, Text);
    DC.setPen(Pen);
  } else {
    DC.drawText(T, Flags, Text);
  }
  DC.restore();
  return {T.left() - Offset.x(), T.top() - Offset.y()};
}
