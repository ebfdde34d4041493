// The message boxes through which failures, notices and questions reach the
// user.
#include <QMessageBox>
#include <QPushButton>

#include "app/corvane/qtwindowservices.h"
#include "widgets/messages.h"

// The application's error box: the program's title, an error icon and one OK button.
void TQtWindowServices::Error(const QString& Msg) {
  QMessageBox Box(QMessageBox::Critical, "Corvane", Msg, QMessageBox::NoButton);
  Box.addButton("OK", QMessageBox::AcceptRole);
  Run(Box);
}

void TQtWindowServices::Info(const QString& Msg) {
  QMessageBox Box(QMessageBox::Information, "Information", Msg, QMessageBox::NoButton);
  Box.addButton("OK", QMessageBox::AcceptRole);
  Run(Box);
}

// Yes, No and Cancel; the close box answers Cancel.
short TQtWindowServices::Confirm(const QString& Msg) {
  QMessageBox Box(QMessageBox::Question, "Confirm", Msg, QMessageBox::NoButton);
  QPushButton* Yes = Box.addButton("&Yes", QMessageBox::YesRole);
  QPushButton* No = Box.addButton("&No", QMessageBox::NoRole);
  QPushButton* Cancel = Box.addButton("Cancel", QMessageBox::RejectRole);
  Box.setDefaultButton(Yes);
  Box.setEscapeButton(Cancel);
  Run(Box);
  if (Box.clickedButton() == Yes) return mrYes;
  if (Box.clickedButton() == No) return mrNo;
  return mrCancel;
}

TRecoveryAnswer TQtWindowServices::AskRecovery(const QString& Msg) {
  QMessageBox Box(QMessageBox::Warning, "Corvane", Msg, QMessageBox::NoButton);
  QPushButton* Recover = Box.addButton("Recover", QMessageBox::AcceptRole);
  QPushButton* Discard = Box.addButton("Discard", QMessageBox::DestructiveRole);
  // Escape and the close box need a button to press: one nobody sees.
  QPushButton* Keep = Box.addButton("Keep", QMessageBox::RejectRole);
  Keep->hide();
  Box.setDefaultButton(Recover);
  Box.setEscapeButton(Keep);
  Run(Box);
  if (Box.clickedButton() == Recover) return TRecoveryAnswer::Recover;
  if (Box.clickedButton() == Discard) return TRecoveryAnswer::Discard;
  return TRecoveryAnswer::Keep;
}

bool TQtWindowServices::AskYesNo(const QString& Msg) {
  QMessageBox Box(QMessageBox::Question, "Corvane", Msg, QMessageBox::NoButton);
  QPushButton* Yes = Box.addButton("&Yes", QMessageBox::YesRole);
  QPushButton* No = Box.addButton("&No", QMessageBox::NoRole);
  Box.setDefaultButton(Yes);
  Box.setEscapeButton(No);
  Run(Box);
  return Box.clickedButton() == Yes;
}

// Before a save that would change values: "Save Anyway" and "Cancel", with
// Cancel the default and the close box.
bool TQtWindowServices::AskSaveAnyway(const QString& Msg) {
  QMessageBox Box(QMessageBox::Warning, "Confirm", Msg, QMessageBox::NoButton);
  QPushButton* Save = Box.addButton("Save Anyway", QMessageBox::AcceptRole);
  QPushButton* Cancel = Box.addButton("Cancel", QMessageBox::RejectRole);
  Box.setDefaultButton(Cancel);
  Box.setEscapeButton(Cancel);
  Run(Box);
  return Box.clickedButton() == Save;
}
