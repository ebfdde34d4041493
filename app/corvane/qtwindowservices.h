// The window's services as the desktop gives them: the program's message
// boxes and dialogs, shown modally, and the desktop's launcher.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <initializer_list>

#include "app/corvane/windowservices.h"

class QDialog;
class QWidget;

class TQtWindowServices : public TWindowServices {
  Q_DECLARE_TR_FUNCTIONS(TQtWindowServices)

 public:
  // Window owns the file dialogs and the About and Web Resources windows;
  // the message boxes and the New Component dialog have no owner.
  explicit TQtWindowServices(QWidget* Window) : FWindow(Window) {}

  void Error(const QString& Msg) override;
  void Info(const QString& Msg) override;
  short Confirm(const QString& Msg) override;
  TRecoveryAnswer AskRecovery(const QString& Msg) override;
  bool AskYesNo(const QString& Msg) override;
  bool AskSaveAnyway(const QString& Msg) override;
  std::optional<QString> AskOpenFile(const QString& Folder) override;
  std::optional<QString> AskSaveFile(const QString& Folder) override;
  std::optional<QString> AskInsertFile(const QString& Folder) override;
  std::optional<QString> AskComponentName() override;
  bool OpenUrl(const QUrl& Url) override;
  void ShowAbout() override;
  void ShowWebResources() override;
  std::optional<QFont> AskFont(QWidget* Owner, const QFont& Initial) override;
  std::optional<QColor> AskColor(QWidget* Owner, const QColor& Initial) override;

 protected:
  // Shows a box or dialog the services built, modally, and returns its
  // result; a test that derives from these services looks at it and answers.
  virtual int Run(QDialog& Dialog);

 private:
  struct TButton {
    QString Text;
    int Role;  // a QMessageBox::ButtonRole; -1: for Escape only, not shown
  };
  int Choose(int Icon, const QString& Title, const QString& Msg,
             std::initializer_list<TButton> Buttons, int DefaultIndex, int EscapeIndex);

  QWidget* FWindow;
};
