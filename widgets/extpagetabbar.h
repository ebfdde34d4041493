// The tab strip of the extended page control. It only sizes its tabs and
// forwards painting, clicks, mouse tracking, hints and accelerators to the
// control, which owns all the rules.
#pragma once

#include <QSize>
#include <QTabBar>

class TExtPageControl;

// Gives every tab strip, ours or any QTabBar, the accessible interface of
// extpagetabaccess.cpp, in which a hidden page's tab is invisible; the first
// strip of ours made calls it.
void InstallTabBarAccessibility();

class TExtPageTabBar : public QTabBar {
  Q_OBJECT

 public:
  explicit TExtPageTabBar(TExtPageControl* Control);

  // The size every tab takes regardless of its caption; a 0 extent keeps the
  // natural size in that direction.
  QSize FixedTabSize() const { return FFixedTabSize; }
  void SetFixedTabSize(const QSize& Value);
  // Lays the tabs out again after a change that alters their sizes.
  void Relayout();

 protected:
  QSize tabSizeHint(int Index) const override;
  QSize minimumTabSizeHint(int Index) const override;
  bool event(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

 private:
  QSize NaturalTabSize(int Index) const;

  TExtPageControl* FControl;
  QSize FFixedTabSize{0, 0};
};
