// Construction, the published settings and their size and style rules.
#include "widgets/extpagecontrol.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "widgets/extpagetabbar.h"

namespace {

QTabWidget::TabPosition QtPosition(TExtTabPosition Position) {
  switch (Position) {
    case tabPosLeft:
      return QTabWidget::West;
    case tabPosRight:
      return QTabWidget::East;
    case tabPosBottom:
      return QTabWidget::South;
    case tabPosTop:
      break;
  }
  return QTabWidget::North;
}

bool Vertical(TExtTabPosition Position) {
  return Position == tabPosLeft || Position == tabPosRight;
}

// Value * M / D rounded half away from zero.
int MulDiv(int Value, int M, int D) {
  if (D == 0) return Value;
  return static_cast<int>(std::lround(static_cast<double>(Value) * M / D));
}

quint16 MulDiv16(quint16 Value, int M, int D) {
  const int Result = MulDiv(Value, M, D);
  return static_cast<quint16>(Result < 0 ? 0 : (Result > 0xFFFF ? 0xFFFF : Result));
}

TExtTabFont DefaultTabFont() {
  return {QApplication::font(), QApplication::palette().color(QPalette::WindowText)};
}

// Ends an update when it goes out of scope, also on an exception.
class TUpdateScope {
 public:
  explicit TUpdateScope(TExtPageControl& Control) : FControl(Control) { FControl.BeginUpdate(); }
  ~TUpdateScope() { FControl.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  TExtPageControl& FControl;
};

}  // namespace

TExtPageControl::TExtPageControl(QWidget* Parent)
    : QTabWidget(Parent),
      FTabBar(new TExtPageTabBar(this)),
      FHottrack(QApplication::palette().color(QPalette::Highlight), [this] { Invalidate(); }),
      FTabGlyphs([this] { Invalidate(); }, [this] { GlyphsChanged(); }),
      FTabActiveColor(QApplication::palette().color(QPalette::Button)),
      FTabActiveFont(DefaultTabFont()),
      FTabInactiveFont(DefaultTabFont()) {
  setTabBar(FTabBar);
  // Tabs keep their own size instead of sharing out the strip's width.
  FTabBar->setExpanding(false);
  TabFontChanged();
}

TExtPageControl::~TExtPageControl() = default;

QColor TExtPageControl::Color() const {
  return FParentColor ? palette().color(QPalette::Window) : FColor;
}

void TExtPageControl::SetColor(const QColor& Value) {
  if (Value == FColor && !FParentColor) return;
  FColor = Value;
  FParentColor = false;
  Invalidate();
}

void TExtPageControl::SetParentColor(bool Value) {
  if (Value == FParentColor) return;
  if (!Value) FColor = Color();
  FParentColor = Value;
  Invalidate();
}

void TExtPageControl::SetHottrack(TExtHottrack*) {
  throw HottrackAssignError(*this);
}

void TExtPageControl::SetTabGlyphs(TExtGlyphs*) {
  throw TabGlyphsAssignError(*this);
}

void TExtPageControl::SetTabActiveColor(const QColor& Value) {
  if (Value == FTabActiveColor) return;
  FTabActiveColor = Value;
  Invalidate();
}

void TExtPageControl::SetTabInactiveColor(const QColor& Value) {
  if (Value == FTabInactiveColor) return;
  FTabInactiveColor = Value;
  Invalidate();
}

void TExtPageControl::SetTabActiveFont(const TExtTabFont& Value) {
  FTabActiveFont = Value;
  TabFontChanged();
}

void TExtPageControl::SetTabInactiveFont(const TExtTabFont& Value) {
  FTabInactiveFont = Value;
  TabFontChanged();
}

void TExtPageControl::SetTabHints(const QStringList& Value) {
  FTabHints = Value;
}

void TExtPageControl::SetTabWordWrap(bool Value) {
  if (Value == FTabWordWrap) return;
  FTabWordWrap = Value;
  Invalidate();
}

void TExtPageControl::SetTabHeight(quint16 Value) {
  if (Value == FTabHeight) return;
  FTabHeight = Value;
  ApplyTabSize();
  AlignPages(false);
}

void TExtPageControl::SetTabWidth(quint16 Value) {
  if (Value == FTabWidth) return;
  FTabWidth = Value;
  ApplyTabSize();
  AlignPages(false);
}

// Side tabs get a usable size when they had none: they cannot grow to fit a
// caption written across them.
void TExtPageControl::SetTabPosition(TExtTabPosition Value) {
  if (Value == FTabPosition) return;
  TUpdateScope Update(*this);
  if (!Vertical(FTabPosition) && Vertical(Value)) {
    if (FTabHeight == 0) FTabHeight = 35;
    if (FTabWidth == 0) FTabWidth = 70;
  }
  FTabPosition = Value;
  if (Value != tabPosTop && FTabStyle == tabStButton) FTabStyle = tabStDefault;
  setTabPosition(QtPosition(Value));
  ApplyTabSize();
  AlignPages(false);
}

// Buttons are only drawn at the top.
void TExtPageControl::SetTabStyle(TExtTabStyle Value) {
  if (Value == FTabStyle) return;
  if (Value == tabStButton) SetTabPosition(tabPosTop);
  FTabStyle = Value;
  FTabBar->Relayout();
  Invalidate();
}

// Across the strip is the height for top and bottom tabs and the width for
// side tabs.
void TExtPageControl::ApplyTabSize() {
  FTabBar->SetFixedTabSize(IsVertical() ? QSize(FTabHeight, FTabWidth)
                                        : QSize(FTabWidth, FTabHeight));
}

int TExtPageControl::FontHeight(const QFont& Font) const {
  if (Font.pixelSize() > 0) return Font.pixelSize();
  return static_cast<int>(std::lround(Font.pointSizeF() * logicalDpiY() / 72.0));
}

// The strip is sized for the taller of the two fonts, so that neither kind
// of tab clips its caption.
void TExtPageControl::TabFontChanged() {
  const bool ActiveLarger =
      std::abs(FontHeight(FTabActiveFont.Font)) > std::abs(FontHeight(FTabInactiveFont.Font));
  QFont Font = ActiveLarger ? FTabActiveFont.Font : FTabInactiveFont.Font;
  Font.setResolveMask(QFont::AllPropertiesResolved);
  FTabBar->setFont(Font);
  FTabBar->Relayout();
  Invalidate();
}

void TExtPageControl::GlyphsChanged() {
  FTabBar->setIconSize(FTabGlyphs.ImageSize());
  FTabBar->Relayout();
  Invalidate();
}

void TExtPageControl::ScaleBy(int M, int D) {
  FTabHeight = MulDiv16(FTabHeight, M, D);
  FTabWidth = MulDiv16(FTabWidth, M, D);
  for (TExtTabFont* Tab : {&FTabActiveFont, &FTabInactiveFont}) {
    if (Tab->Font.pixelSize() > 0)
      Tab->Font.setPixelSize(std::max(1, MulDiv(Tab->Font.pixelSize(), M, D)));
    else if (D != 0 && M > 0)
      Tab->Font.setPointSizeF(Tab->Font.pointSizeF() * M / D);
  }
  ApplyTabSize();
  TabFontChanged();
  AlignPages(false);
}

void TExtPageControl::BeginUpdate() {
  ++FUpdateLock;
}

void TExtPageControl::EndUpdate() {
  if (FUpdateLock > 0) --FUpdateLock;
  if (FUpdateLock == 0) Invalidate();
}

void TExtPageControl::Invalidate() {
  update();
  FTabBar->update();
}

void TExtPageControl::RepaintTabs() {
  repaint();
  FTabBar->repaint();
}

void TExtPageControl::AlignPages(bool Force) {
  if (!isVisible() && !Force) return;
  for (int I = 0; I < count(); ++I)
    if (QWidget* Stack = widget(I)->parentWidget()) widget(I)->setGeometry(Stack->rect());
  Invalidate();
}

void TExtPageControl::changeEvent(QEvent* Event) {
  QTabWidget::changeEvent(Event);
  if (Event->type() == QEvent::FontChange || Event->type() == QEvent::PaletteChange) Invalidate();
}
