#include "editor/optionsdialogs.h"

#include <QColorDialog>
#include <QFontDialog>

std::optional<QFont> PickFont(QWidget* Owner, const QFont& Initial) {
  bool Ok = false;
  const QFont Chosen = QFontDialog::getFont(&Ok, Initial, Owner);
  if (!Ok) return std::nullopt;
  return Chosen;
}

std::optional<QColor> PickColor(QWidget* Owner, const QColor& Initial) {
  const QColor Chosen = QColorDialog::getColor(Initial, Owner);
  if (!Chosen.isValid()) return std::nullopt;
  return Chosen;
}
