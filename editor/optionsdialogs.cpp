#include "editor/optionsdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QMessageBox>

std::optional<QFont> TOptionsDialogs::Font(QWidget* Owner, const QFont& Initial) {
  if (OnFont) return OnFont(Initial);
  bool Ok = false;
  const QFont Chosen = QFontDialog::getFont(&Ok, Initial, Owner);
  if (!Ok) return std::nullopt;
  return Chosen;
}

std::optional<QColor> TOptionsDialogs::Color(QWidget* Owner, const QColor& Initial) {
  if (OnColor) return OnColor(Initial);
  const QColor Chosen = QColorDialog::getColor(Initial, Owner);
  if (!Chosen.isValid()) return std::nullopt;
  return Chosen;
}

void TOptionsDialogs::Error(QWidget* Owner, const QString& Msg) {
  if (OnError) return OnError(Msg);
  QMessageBox Box(QMessageBox::Critical, QApplication::applicationName(), Msg,
                  QMessageBox::NoButton, Owner);
  Box.addButton("OK", QMessageBox::AcceptRole);
  Box.exec();
}
