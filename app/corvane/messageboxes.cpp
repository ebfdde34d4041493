// The message boxes through which failures, notices and questions reach the
// user.
#include <QMessageBox>
#include <QPushButton>

#include "app/corvane/qtwindowservices.h"
#include "beans/uitext.h"
#include "widgets/messages.h"

// Shows a box with these buttons in this order and returns the index of the
// one pressed; Escape (or the close box) presses the one at EscapeIndex. A
// button with an empty role is there only for Escape, and is not shown. A
// file name's bytes that are not UTF-8 show as U+FFFD.
int TQtWindowServices::Choose(int Icon, const QString& Title, const QString& Msg,
                              std::initializer_list<TButton> Buttons, int DefaultIndex,
                              int EscapeIndex) {
  QMessageBox Box(static_cast<QMessageBox::Icon>(Icon), Title, ShownText(Msg),
                  QMessageBox::NoButton);
  QList<QPushButton*> Pushed;
  for (const TButton& B : Buttons) {
    const bool Hidden = B.Role < 0;
    Pushed << Box.addButton(
        B.Text, static_cast<QMessageBox::ButtonRole>(Hidden ? QMessageBox::RejectRole : B.Role));
    if (Hidden) Pushed.back()->hide();
  }
  if (DefaultIndex >= 0) Box.setDefaultButton(Pushed[DefaultIndex]);
  if (EscapeIndex >= 0) Box.setEscapeButton(Pushed[EscapeIndex]);
  Run(Box);
  const auto Pressed = static_cast<int>(Pushed.indexOf(Box.clickedButton()));
  return Pressed >= 0 ? Pressed : EscapeIndex;
}

// The application's error box: the program's title, an error icon and one OK button.
void TQtWindowServices::Error(const QString& Msg) {
  Choose(QMessageBox::Critical, "Corvane", Msg, {{tr("OK"), QMessageBox::AcceptRole}}, -1, -1);
}

void TQtWindowServices::Info(const QString& Msg) {
  Choose(QMessageBox::Information, tr("Information"), Msg, {{tr("OK"), QMessageBox::AcceptRole}},
         -1, -1);
}

// Yes, No and Cancel; the close box answers Cancel.
short TQtWindowServices::Confirm(const QString& Msg) {
  const short Answers[] = {mrYes, mrNo, mrCancel};
  return Answers[Choose(QMessageBox::Question, tr("Confirm"), Msg,
                        {{tr("&Yes"), QMessageBox::YesRole},
                         {tr("&No"), QMessageBox::NoRole},
                         {tr("Cancel"), QMessageBox::RejectRole}},
                        0, 2)];
}

// Escape and the close box keep the copy: they press a button nobody sees.
TRecoveryAnswer TQtWindowServices::AskRecovery(const QString& Msg) {
  const TRecoveryAnswer Answers[] = {TRecoveryAnswer::Recover, TRecoveryAnswer::Discard,
                                     TRecoveryAnswer::Keep};
  return Answers[Choose(QMessageBox::Warning, "Corvane", Msg,
                        {{tr("Recover"), QMessageBox::AcceptRole},
                         {tr("Discard"), QMessageBox::DestructiveRole},
                         {tr("Keep"), -1}},
                        0, 2)];
}

bool TQtWindowServices::AskYesNo(const QString& Msg) {
  return Choose(QMessageBox::Question, "Corvane", Msg,
                {{tr("&Yes"), QMessageBox::YesRole}, {tr("&No"), QMessageBox::NoRole}}, 0, 1) == 0;
}

// Before a save that would change values: Cancel is the default and the
// close box.
bool TQtWindowServices::AskSaveAnyway(const QString& Msg) {
  return Choose(QMessageBox::Warning, tr("Confirm"), Msg,
                {{tr("Save Anyway"), QMessageBox::AcceptRole},
                 {tr("Cancel"), QMessageBox::RejectRole}},
                1, 1) == 0;
}
