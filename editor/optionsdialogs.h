// The font, colour and error dialogs of the Preferences dialog, behind a seam
// that tests answer.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

struct TOptionsDialogs {
  using TAskFont = std::function<std::optional<QFont>(const QFont& Initial)>;
  using TAskColor = std::function<std::optional<QColor>(const QColor& Initial)>;
  using TShowError = std::function<void(const QString& Msg)>;
  // When set, these answer in place of the dialogs.
  static inline TAskFont OnFont;
  static inline TAskColor OnColor;
  static inline TShowError OnError;

  // The chosen font or colour, or none when cancelled.
  static std::optional<QFont> Font(QWidget* Owner, const QFont& Initial);
  static std::optional<QColor> Color(QWidget* Owner, const QColor& Initial);
  // The application's error box: its title, an error icon and one OK button.
  static void Error(QWidget* Owner, const QString& Msg);
};
