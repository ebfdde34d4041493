#include "app/corvane/qtwindowservices.h"

#include <QLineEdit>

#include "app/corvane/aboutform.h"
#include "app/corvane/filedialogs.h"
#include "app/corvane/newcomponentform.h"
#include "app/corvane/shellopen.h"
#include "app/corvane/webresourcesform.h"

int TQtWindowServices::Run(QDialog& Dialog) {
  return Dialog.exec();
}

std::optional<QString> TQtWindowServices::AskOpenFile(const QString& Folder) {
  return TFileDialogs::Open(FWindow, Folder);
}

std::optional<QString> TQtWindowServices::AskSaveFile(const QString& Folder) {
  return TFileDialogs::Save(FWindow, Folder);
}

std::optional<QString> TQtWindowServices::AskInsertFile(const QString& Folder) {
  return TFileDialogs::Insert(FWindow, Folder);
}

// A fresh dialog each time: the name exactly as typed on OK, none on Cancel
// or when the dialog was closed.
std::optional<QString> TQtWindowServices::AskComponentName() {
  TfrmNewComponent Dialog;
  if (Run(Dialog) != QDialog::Accepted) return std::nullopt;
  return Dialog.fldName->text();
}

bool TQtWindowServices::OpenUrl(const QUrl& Url) {
  return ShellOpenUrl(Url);
}

void TQtWindowServices::ShowAbout() {
  TfrmAbout Window(FWindow);
  Run(Window);
}

// Its links open through these services.
void TQtWindowServices::ShowWebResources() {
  TfrmWebResources Window(*this, FWindow);
  Run(Window);
}

std::optional<QFont> TQtWindowServices::AskFont(QWidget* Owner, const QFont& Initial) {
  return PickFont(Owner, Initial);
}

std::optional<QColor> TQtWindowServices::AskColor(QWidget* Owner, const QColor& Initial) {
  return PickColor(Owner, Initial);
}
