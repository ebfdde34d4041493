// Hot-tracking settings of the extended page control: the text colour of the
// tab under the mouse.
#pragma once

#include <QColor>
#include <functional>

class TExtHottrack {
 public:
  // OnChange runs after any setting changed.
  TExtHottrack(QColor DefaultColor, std::function<void()> OnChange);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  QColor TabActiveColor() const { return FTabActiveColor; }
  void SetTabActiveColor(const QColor& Value);
  QColor TabInactiveColor() const { return FTabInactiveColor; }
  void SetTabInactiveColor(const QColor& Value);

  // The tab index under the mouse, -1 for none.
  int HotTab() const { return FHotTab; }
  void SetHotTab(int Value) { FHotTab = Value; }
  // The text colour for the hot tab of the given kind; invalid when that kind
  // is not tracked.
  QColor HotColor(bool ActiveTab) const;

 private:
  void Changed();

  bool FEnabled = false;
  QColor FTabActiveColor;
  QColor FTabInactiveColor;
  int FHotTab = -1;
  std::function<void()> FOnChange;
};
