// The message boxes through which the model's notices and questions reach
// the user, and the seam that lets tests answer them.
#pragma once

#include <QMessageBox>
#include <functional>

#include "widgets/messages.h"

class QWidget;

// A failure, in the application's error box: the program's title, an error
// icon and one OK button.
void ErrorMessage(const QString& Msg);

// The offer of a recovery copy: "Recover", "Discard"; closing the box keeps
// the copy for the next start.
enum class TRecoveryAnswer { Recover, Discard, Keep };
TRecoveryAnswer AskRecovery(const QString& Msg, QWidget* Owner = nullptr);

// A question with "Yes" and "No"; closing the box answers No.
bool AskYesNo(const QString& Msg, QWidget* Owner = nullptr);

// A question before a save that would change values: "Save Anyway" and
// "Cancel", a warning icon. True for Save Anyway; the close box is Cancel.
bool SaveAnywayMessage(const QString& Msg, QWidget* Owner = nullptr);

class TMessageBoxHandler : public TMessageHandler {
 public:
  explicit TMessageBoxHandler(QWidget* Owner = nullptr) : FOwner(Owner) {}
  void Info(const std::string& Msg) override;
  short Confirm(const std::string& Msg) override;

  // The box about to be shown; tests use it to answer without a person.
  static inline std::function<void(QMessageBox&)> OnShow;

 private:
  QWidget* FOwner;
};
