// Painting: the page area and its surroundings, and the frame and set-up of
// each tab before its contents are drawn.
#include <qdrawutil.h>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>

#include "widgets/extpagecontrol.h"
#include "widgets/extpagetabbar.h"

QRect TExtPageControl::GetPageAreaRect() const {
  QStyleOptionTabWidgetFrame Option;
  initStyleOption(&Option);
  QRect Area = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &Option, this);
  switch (FTabPosition) {
    case tabPosLeft:
      Area.setLeft(Area.left() + 2);
      break;
    case tabPosRight:
      Area.setRight(Area.right() - 2);
      break;
    case tabPosTop:
      Area.setTop(Area.top() + 2);
      break;
    case tabPosBottom:
      Area.setBottom(Area.bottom() - 2);
      break;
  }
  return Area.adjusted(-4, -4, 4, 4);
}

QColor TExtPageControl::ParentBackground() const {
  const QWidget* Parent = parentWidget();
  return (Parent ? Parent->palette() : palette()).color(QPalette::Window);
}

// The page area in Color, the rest in the parent's colour, then the frame
// around the pages. The tab strip paints itself on top.
void TExtPageControl::paintEvent(QPaintEvent*) {
  if (IsUpdating()) return;
  QPainter Painter(this);
  Painter.setBrushOrigin(x() % 8, y() % 8);
  const QRect PageArea = GetPageAreaRect();
  Painter.fillRect(PageArea, Color());
  if (OnDrawBkgndInside) OnDrawBkgndInside(this, &Painter, currentIndex(), PageArea);
  const QRegion Outside = QRegion(rect()).subtracted(PageArea);
  const QColor Background = ParentBackground();
  for (const QRect& Part : Outside)
    Painter.fillRect(Part, Background);
  if (OnDrawBkgndOutside) {
    Painter.setBackground(Background);
    OnDrawBkgndOutside(this, &Painter, Outside);
  }
  qDrawWinPanel(&Painter, PageArea.adjusted(2, 2, -2, -2), palette(), false, nullptr);
}

void TExtPageControl::PaintTabs(QPainter& Painter) {
  for (int I = 0; I < count(); ++I)
    if (isTabVisible(I)) PaintTab(Painter, I);
}

// Default tabs stand out of the page frame; buttons are raised, the
// selected one pressed.
void TExtPageControl::PaintTabFrame(QPainter& Painter, const QRect& Rect, bool Active) {
  if (FTabStyle == tabStButton) {
    qDrawWinButton(&Painter, Rect, palette(), Active, nullptr);
    return;
  }
  qDrawWinPanel(&Painter, Rect, palette(), false, nullptr);
}

void TExtPageControl::PrepareCanvas(QPainter& Painter, int PageIndex, bool Active) {
  const TExtTabFont& Font = Active ? FTabActiveFont : FTabInactiveFont;
  Painter.setBrush(Active ? FTabActiveColor : FTabInactiveColor);
  Painter.setFont(Font.Font);
  QColor TextColor = Font.Color;
  const QColor Hot = FHottrack.HotColor(Active);
  if (FHottrack.Enabled() && FHottrack.HotTab() == PageTabIndex(PageIndex) && Hot.isValid())
    TextColor = Hot;
  Painter.setPen(TextColor);
}

// The caption of the selected tab sits slightly towards the pages, the
// others slightly away from them.
void TExtPageControl::PaintTab(QPainter& Painter, int PageIndex) {
  const bool Active = PageIndex == currentIndex();
  TOwnerDrawState State = 0;
  if (Active) State |= odSelected;
  if (Active && FTabBar->hasFocus()) State |= odFocused;
  if (!PageEnabled(PageIndex)) State |= odDisabled;
  const QRect Item = FTabBar->tabRect(PageIndex).translated(FTabBar->pos());
  if (Item.isEmpty()) return;
  QRect RectFg = Item;
  if (FTabStyle == tabStDefault) {
    const int Shift[2][4] = {{0, 0, 1, -2}, {-2, 2, -1, 0}};
    const int Move = Shift[Active ? 1 : 0][FTabPosition];
    RectFg.translate(IsVertical() ? Move : 0, IsVertical() ? 0 : Move);
  }
  Painter.save();
  PaintTabFrame(Painter, Item, Active);
  PrepareCanvas(Painter, PageIndex, Active);
  FCanvas = &Painter;
  DrawTab(PageIndex, Active, State, Item.adjusted(2, 2, -2, -2), RectFg);
  FCanvas = nullptr;
  Painter.restore();
}
