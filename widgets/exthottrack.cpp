#include "widgets/exthottrack.h"

#include <utility>

TExtHottrack::TExtHottrack(QColor DefaultColor, std::function<void()> OnChange)
    : FTabActiveColor(DefaultColor),
      FTabInactiveColor(DefaultColor),
      FOnChange(std::move(OnChange)) {}

void TExtHottrack::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Changed();
}

void TExtHottrack::SetTabActiveColor(const QColor& Value) {
  if (Value == FTabActiveColor) return;
  FTabActiveColor = Value;
  Changed();
}

void TExtHottrack::SetTabInactiveColor(const QColor& Value) {
  if (Value == FTabInactiveColor) return;
  FTabInactiveColor = Value;
  Changed();
}

QColor TExtHottrack::HotColor(bool ActiveTab) const {
  return ActiveTab ? FTabActiveColor : FTabInactiveColor;
}

void TExtHottrack::Changed() {
  if (FOnChange) FOnChange();
}
