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
