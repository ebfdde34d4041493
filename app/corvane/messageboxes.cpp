#include "app/corvane/messageboxes.h"

#include <QPushButton>

#include "beans/uitext.h"

namespace {

int Run(QMessageBox& Box) {
  if (TMessageBoxHandler::OnShow) TMessageBoxHandler::OnShow(Box);
  return Box.exec();
}

}  // namespace

void ErrorMessage(const QString& Msg) {
  QMessageBox Box(QMessageBox::Critical, "Corvane", Msg, QMessageBox::NoButton);
  Box.addButton("OK", QMessageBox::AcceptRole);
  Run(Box);
}

TRecoveryAnswer AskRecovery(const QString& Msg, QWidget* Owner) {
  QMessageBox Box(QMessageBox::Warning, "Corvane", Msg, QMessageBox::NoButton, Owner);
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

bool AskYesNo(const QString& Msg, QWidget* Owner) {
  QMessageBox Box(QMessageBox::Question, "Corvane", Msg, QMessageBox::NoButton, Owner);
  QPushButton* Yes = Box.addButton("&Yes", QMessageBox::YesRole);
  QPushButton* No = Box.addButton("&No", QMessageBox::NoRole);
  Box.setDefaultButton(Yes);
  Box.setEscapeButton(No);
  Run(Box);
  return Box.clickedButton() == Yes;
}

bool SaveAnywayMessage(const QString& Msg, QWidget* Owner) {
  QMessageBox Box(QMessageBox::Warning, "Confirm", Msg, QMessageBox::NoButton, Owner);
  QPushButton* Save = Box.addButton("Save Anyway", QMessageBox::AcceptRole);
  QPushButton* Cancel = Box.addButton("Cancel", QMessageBox::RejectRole);
  Box.setDefaultButton(Cancel);
  Box.setEscapeButton(Cancel);
  Run(Box);
  return Box.clickedButton() == Save;
}

void TMessageBoxHandler::Info(const std::string& Msg) {
  QMessageBox Box(QMessageBox::Information, "Information", ToQString(Msg), QMessageBox::NoButton,
                  FOwner);
  Box.addButton("OK", QMessageBox::AcceptRole);
  Run(Box);
}

// Yes, No and Cancel; the close box answers Cancel.
short TMessageBoxHandler::Confirm(const std::string& Msg) {
  QMessageBox Box(QMessageBox::Question, "Confirm", ToQString(Msg), QMessageBox::NoButton, FOwner);
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
