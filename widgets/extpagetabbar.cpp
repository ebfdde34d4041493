#include "widgets/extpagetabbar.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <algorithm>

#include "widgets/extpagecontrol.h"

namespace {

// Room around a caption inside its tab.
constexpr int kPadX = 8;
constexpr int kPadY = 4;

}  // namespace

TExtPageTabBar::TExtPageTabBar(TExtPageControl* Control) : QTabBar(Control), FControl(Control) {
  setDrawBase(false);
  setElideMode(Qt::ElideNone);
  setUsesScrollButtons(true);
  setMouseTracking(true);
  InstallTabBarAccessibility();
}

void TExtPageTabBar::SetFixedTabSize(const QSize& Value) {
  if (Value == FFixedTabSize) return;
  FFixedTabSize = Value;
  Relayout();
}

// The tab bar recomputes its tab sizes on a font change; that is all a
// change of our own sizing rules needs too.
void TExtPageTabBar::Relayout() {
  QEvent Event(QEvent::FontChange);
  QTabBar::changeEvent(&Event);
  updateGeometry();
  // Place the strip and the pages for the new sizes now, not on the next
  // pass of the event loop, so that tab rectangles are right at once.
  QEvent Request(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(FControl, &Request);
}

// Captions are written across the tabs on every side, with room for one
// glyph in every tab once there are glyphs.
QSize TExtPageTabBar::NaturalTabSize(int Index) const {
  const QRect Text =
      QFontMetrics(font()).boundingRect(QRect(), Qt::TextShowMnemonic, tabText(Index));
  QSize Size(Text.width() + 2 * kPadX, Text.height() + 2 * kPadY);
  const TExtGlyphs& Glyphs = FControl->TabGlyphs();
  const QSize Glyph = Glyphs.ImageSize();
  if (Glyph.isEmpty()) return Size;
  if (Glyphs.Position() == glPosLeft) {
    Size.rwidth() += Glyph.width() + Glyphs.Spacing();
    Size.setHeight(std::max(Size.height(), Glyph.height() + 2 * kPadY));
  } else {
    Size.rheight() += Glyph.height() + Glyphs.Spacing();
    Size.setWidth(std::max(Size.width(), Glyph.width() + 2 * kPadX));
  }
  return Size;
}

// On the top or bottom a fixed size is the least a tab has: a caption that
// needs more in the font and at the resolution shown gets it, rather than
// being cut or touching the tab's edge. Side tabs keep their size.
QSize TExtPageTabBar::tabSizeHint(int Index) const {
  const QSize Natural = NaturalTabSize(Index);
  QSize Size = Natural;
  if (FFixedTabSize.width() > 0) Size.setWidth(FFixedTabSize.width());
  if (FFixedTabSize.height() > 0) Size.setHeight(FFixedTabSize.height());
  return FControl->IsVertical() ? Size : Size.expandedTo(Natural);
}

// Tabs keep their size; the strip scrolls instead of squeezing them.
QSize TExtPageTabBar::minimumTabSizeHint(int Index) const {
  return tabSizeHint(Index);
}

bool TExtPageTabBar::event(QEvent* Event) {
  if (Event->type() == QEvent::ToolTip) {
    const auto* Help = static_cast<QHelpEvent*>(Event);
    return FControl->ShowTabHint(Help->pos() + pos());
  }
  if (Event->type() == QEvent::Shortcut) {
    FControl->SelectByAccelerator(static_cast<QShortcutEvent*>(Event)->key());
    return true;
  }
  return QTabBar::event(Event);
}

void TExtPageTabBar::paintEvent(QPaintEvent*) {
  if (FControl->IsUpdating()) return;
  QPainter Painter(this);
  Painter.translate(-pos());
  FControl->PaintTabs(Painter);
}

void TExtPageTabBar::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton &&
      !FControl->TabClickAllowed(tabAt(Event->position().toPoint()))) {
    Event->accept();
    return;
  }
  QTabBar::mousePressEvent(Event);
}

void TExtPageTabBar::mouseMoveEvent(QMouseEvent* Event) {
  FControl->TrackHotTab(FControl->TabIndexAt(Event->position().toPoint() + pos()));
  QTabBar::mouseMoveEvent(Event);
}

void TExtPageTabBar::leaveEvent(QEvent* Event) {
  FControl->TrackHotTab(-1);
  QTabBar::leaveEvent(Event);
}
