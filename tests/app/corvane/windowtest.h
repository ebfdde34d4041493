// What the window tests share: a settings store in a temporary folder, and
// scripted answers for every question, dialog and message the window asks.
#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <fstream>
#include <iterator>
#include <optional>

#include "app/corvane/filedialogs.h"
#include "app/corvane/mainform.h"
#include "app/corvane/messageboxes.h"
#include "app/corvane/newcomponentform.h"
#include "editor/ledit.h"
#include "widgets/extpagecontrol.h"
#include "widgets/messages.h"

// A file's bytes, and a file made of exactly these bytes.
inline std::string ReadBytes(const QString& Path) {
  std::ifstream In(Path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(In), {}};
}
inline void WriteBytes(const QString& Path, const std::string& Bytes) {
  std::ofstream(Path.toStdString(), std::ios::binary) << Bytes;
}

// Redirects both settings scopes, and the application data folder where
// recovery copies go, into a folder that lives as long as it does.
class TTestStore {
 public:
  TTestStore() {
    QCoreApplication::setApplicationName("Corvane");
    qputenv("XDG_DATA_HOME", QFile::encodeName(FDir.path() + "/data"));
    for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(Format, QSettings::UserScope, FDir.path() + "/user");
      QSettings::setPath(Format, QSettings::SystemScope, FDir.path() + "/system");
    }
  }

 private:
  QTemporaryDir FDir;
};

// A shown main window on its Source View, with the editor visible as it is
// while a document is open.
inline std::unique_ptr<TMainForm> SourceViewForm() {
  auto Form = std::make_unique<TMainForm>();
  Form->show();
  Form->LEdit1->setVisible(true);
  Form->PageControl->SetActivePage(Form->tsConstructorView);
  return Form;
}

// Forgets what a test stored in the per-user settings.
inline void ClearUserSettings() {
  QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane").clear();
}

// Answers questions from a queue (Cancel when it runs dry) and records every
// notice, question and error box in order.
class TScript : public TMessageHandler {
 public:
  TScript() : FScope(this) {
    TMessageBoxHandler::OnShow = [this](QMessageBox& Box) {
      Log << "error:" + Box.text();
      QTimer::singleShot(0, &Box, [&Box] { Box.buttons().first()->click(); });
    };
    TfrmNewComponent::OnShow = [this](TfrmNewComponent& Dialog) {
      const std::optional<QString> Name = Take(Names);
      Log << "new:" + Name.value_or("<cancel>");
      QTimer::singleShot(0, &Dialog, [&Dialog, Name] {
        if (!Name) return Dialog.reject();
        Dialog.fldName->setText(*Name);
        Dialog.accept();
      });
    };
    TFileDialogs::OnOpen = [this](const QString&) { return Chosen("open", OpenPaths); };
    TFileDialogs::OnSave = [this](const QString&) { return Chosen("save", SavePaths); };
    TFileDialogs::OnInsert = [this](const QString&) { return Chosen("insert", InsertPaths); };
  }
  ~TScript() override {
    TMessageBoxHandler::OnShow = nullptr;
    TfrmNewComponent::OnShow = nullptr;
    TFileDialogs::OnOpen = TFileDialogs::OnSave = TFileDialogs::OnInsert = nullptr;
  }

  void Info(const std::string& Msg) override { Log << "info:" + QString::fromStdString(Msg); }
  short Confirm(const std::string& Msg) override {
    Log << "confirm:" + QString::fromStdString(Msg);
    return Take(Answers).value_or(mrCancel);
  }

  QStringList Log;
  // Answers in the order they are asked for. For the dialogs a null QString
  // (QString()) stands for Cancel; an empty one ("") is an empty answer.
  std::deque<short> Answers;
  std::deque<QString> Names;        // the New Component dialog
  std::deque<QString> OpenPaths;    // the open dialog
  std::deque<QString> SavePaths;    // the save dialog
  std::deque<QString> InsertPaths;  // the Insert File dialog

 private:
  static std::optional<short> Take(std::deque<short>& Queue) {
    if (Queue.empty()) return std::nullopt;
    const short Front = Queue.front();
    Queue.pop_front();
    return Front;
  }
  // None for Cancel, and when nothing was scripted.
  static std::optional<QString> Take(std::deque<QString>& Queue) {
    const QString Front = Queue.empty() ? QString() : Queue.front();
    if (!Queue.empty()) Queue.pop_front();
    if (Front.isNull()) return std::nullopt;
    return Front;
  }
  std::optional<QString> Chosen(const char* Kind, std::deque<QString>& Queue) {
    const std::optional<QString> Path = Take(Queue);
    Log << QString(Kind) + ":" + Path.value_or("<cancel>");
    return Path;
  }

  TScopedMessageHandler FScope;
};
