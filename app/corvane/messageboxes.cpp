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
