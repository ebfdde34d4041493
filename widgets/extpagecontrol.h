// TExtPageControl: a page control that draws its own tabs. The selected and
// the unselected tabs have their own background colour and font, each tab can
// show a glyph from a strip and a hint, the tab under the mouse can change
// its text colour, the tabs sit on any side or look like buttons, and the
// program can draw tabs and backgrounds itself through the On... events.
//
// Pages are the tab widget's pages. A page's index is its place among all
// pages; its tab index is its place among the visible tabs (-1 while its tab
// is hidden). Glyphs, hints and the drawing events go by page index.
#pragma once

#include <QStringList>
#include <QTabWidget>

#include "widgets/extglyphs.h"
#include "widgets/exthottrack.h"
#include "widgets/extpagecontrolerror.h"
#include "widgets/extpagecontroltypes.h"

class QKeySequence;
class TExtPageTabBar;

class TExtPageControl : public QTabWidget {
  Q_OBJECT
  friend class TExtPageTabBar;

 public:
  explicit TExtPageControl(QWidget* Parent = nullptr);
  ~TExtPageControl() override;

  // The page shown. Setting it does nothing for the active page or a disabled
  // one, and otherwise only when CanChange allows it; currentChanged follows.
  QWidget* ActivePage() const { return currentWidget(); }
  void SetActivePage(QWidget* Page);
  // The next page round (the one before with Back) that can be shown, by the
  // rules of SetActivePage; Ctrl+Tab and Ctrl+Shift+Tab inside the control.
  void SelectNextPage(bool Back);
  // Colour of the page area; the parent's while ParentColor is set.
  QColor Color() const;
  void SetColor(const QColor& Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TExtHottrack& Hottrack() { return FHottrack; }
  const TExtHottrack& Hottrack() const { return FHottrack; }
  [[noreturn]] void SetHottrack(TExtHottrack* Value);
  QColor TabActiveColor() const { return FTabActiveColor; }
  void SetTabActiveColor(const QColor& Value);
  const TExtTabFont& TabActiveFont() const { return FTabActiveFont; }
  void SetTabActiveFont(const TExtTabFont& Value);
  TExtGlyphs& TabGlyphs() { return FTabGlyphs; }
  const TExtGlyphs& TabGlyphs() const { return FTabGlyphs; }
  [[noreturn]] void SetTabGlyphs(TExtGlyphs* Value);
  // Height across the strip; 0 is the natural height.
  quint16 TabHeight() const { return FTabHeight; }
  void SetTabHeight(quint16 Value);
  const QStringList& TabHints() const { return FTabHints; }
  void SetTabHints(const QStringList& Value);
  QColor TabInactiveColor() const { return FTabInactiveColor; }
  void SetTabInactiveColor(const QColor& Value);
  const TExtTabFont& TabInactiveFont() const { return FTabInactiveFont; }
  void SetTabInactiveFont(const TExtTabFont& Value);
  TExtTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TExtTabPosition Value);
  TExtTabStyle TabStyle() const { return FTabStyle; }
  void SetTabStyle(TExtTabStyle Value);
  // Width along the strip; 0 is the natural width.
  quint16 TabWidth() const { return FTabWidth; }
  void SetTabWidth(quint16 Value);
  bool TabWordWrap() const { return FTabWordWrap; }
  void SetTabWordWrap(bool Value);

  TExtDrawBkgndInside OnDrawBkgndInside;
  TExtDrawBkgndOutside OnDrawBkgndOutside;
  TExtNbDrawTabEvent OnDrawTab;
  // Asked before the active page changes; clearing AllowChange keeps it.
  std::function<void(TExtPageControl* Sender, bool& AllowChange)> OnChanging;

  // The page whose tab has this tab index; raises EExtPageInvalidCall when
  // no page has it.
  int GetPageIndexByTabIndex(int TabIndex) const;
  // The tab index of a page, -1 while its tab is hidden.
  int PageTabIndex(int PageIndex) const;
  // A page is disabled when its tab or its page widget is.
  bool PageEnabled(int PageIndex) const;

  // Updates nest; nothing is drawn until the last EndUpdate, which redraws.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  bool IsUpdating() const { return FUpdateLock > 0; }

  // Control coordinates throughout.
  virtual int TabIndexAt(const QPoint& Point) const;
  virtual QRect GetTabRect(int TabIndex) const;
  virtual QRect GetPageAreaRect() const;
  virtual void RepaintTabs();
  // Gives every page the page area, when the control is visible or Force is set.
  virtual void AlignPages(bool Force);
  virtual bool CanChange();
  // Scales the tab sizes and both tab fonts by M/D, rounded.
  void ScaleBy(int M, int D);
  // The painter a tab is being drawn with; null outside tab drawing.
  QPainter* Canvas() const { return FCanvas; }

 protected:
  virtual void DrawTabBackground(QPainter& DC, bool Active, const QRect& Rect);
  virtual void TabFontChanged();
  // Draws Text inside RectFg, moved by Offset; returns where the block that
  // Offset belongs to starts (the text's position minus Offset).
  virtual QPoint DrawTabText(const QRect& RectFg, const QPoint& Offset, bool Disabled,
                             TAlignment Alignment, const QString& Text);
  virtual void DrawTabContent(int PageIndex, const QRect& RectFg, TOwnerDrawState State);
  virtual void DrawTab(int PageIndex, bool Active, TOwnerDrawState State, const QRect& RectBg,
                       const QRect& RectFg);

  void paintEvent(QPaintEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  bool IsVertical() const { return FTabPosition == tabPosLeft || FTabPosition == tabPosRight; }
  int FindPageByTabIndex(int TabIndex) const;
  int FontHeight(const QFont& Font) const;
  void ApplyTabSize();
  void GlyphsChanged();
  void Invalidate();
  QColor ParentBackground() const;
  // Called by the tab bar.
  void PaintTabs(QPainter& Painter);
  void PaintTab(QPainter& Painter, int PageIndex);
  void PaintTabFrame(QPainter& Painter, const QRect& Rect, bool Active);
  void PrepareCanvas(QPainter& Painter, int PageIndex, bool Active);
  bool TabClickAllowed(int PageIndex);
  void TrackHotTab(int TabIndex);
  bool ShowTabHint(const QPoint& Point);
  QString TabHintText(int TabIndex) const;
  void SelectByAccelerator(const QKeySequence& Key);

  TExtPageTabBar* FTabBar;
  TExtHottrack FHottrack;
  TExtGlyphs FTabGlyphs;
  QStringList FTabHints;
  QColor FColor;
  bool FParentColor = true;
  QColor FTabActiveColor;
  TExtTabFont FTabActiveFont;
  QColor FTabInactiveColor{160, 160, 164};
  TExtTabFont FTabInactiveFont;
  quint16 FTabHeight = 0;
  quint16 FTabWidth = 0;
  TExtTabPosition FTabPosition = tabPosTop;
  TExtTabStyle FTabStyle = tabStDefault;
  bool FTabWordWrap = false;
  int FUpdateLock = 0;
  QPainter* FCanvas = nullptr;
};
