// What the Preferences dialog asks of its host: a font, a colour, and the
// application's error box. The host passes them in, so that a test can answer.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

class TOptionsDialogs {
 public:
  virtual ~TOptionsDialogs() = default;

  // The chosen font or colour, or none when cancelled; Owner is the dialog
  // that asks.
  virtual std::optional<QFont> AskFont(QWidget* Owner, const QFont& Initial) = 0;
  virtual std::optional<QColor> AskColor(QWidget* Owner, const QColor& Initial) = 0;
  // The application's error box: its title, an error icon and one OK button.
  virtual void Error(const QString& Msg) = 0;
};

// The platform's own font and colour dialogs; none when cancelled.
std::optional<QFont> PickFont(QWidget* Owner, const QFont& Initial);
std::optional<QColor> PickColor(QWidget* Owner, const QColor& Initial);
