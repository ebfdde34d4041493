// What the window tests share: a settings store in a temporary folder, and
// scripted answers for every question, dialog and message the window asks.
#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "app/corvane/mainform.h"
#include "app/corvane/qtwindowservices.h"
#include "editor/ledit.h"
#include "mainformaccess.h"
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

// A small component as the program saves it: a descriptor, one property and
// a constructor.
inline const char* const ClockComponent =
    "<JSB>\r\n   <JSB_DESCRIPTOR NAME=\"demo.Clock\" ENV=\"client\">\r\n\r\n"
    "   <JSB_PROPERTY NAME=\"interval\" TYPE=\"number\">\r\n\r\n"
    "   <JSB_CONSTRUCTOR>\r\nfunction demo_Clock( params ) {\r\n}\r\n\r\n"
    "   </JSB_CONSTRUCTOR>\r\n\r\n</JSB>";

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
  Peek(*Form).PageControl->SetActivePage(Peek(*Form).tsConstructorView);
  return Form;
}

// Forgets what a test stored in the per-user settings.
inline void ClearUserSettings() {
  QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane").clear();
}

// Answers questions from a queue (Cancel when it runs dry) and records every
// notice, question and error box in order. It answers the model's messages
// once it exists, and a window's once Serve gives it to the window.
class TScript : public TMessageHandler {
 public:
  TScript() : FScope(this) {}
  ~TScript() override {
    for (const QPointer<TMainForm>& Form : FServed)
      if (Form) Form->SetServices(nullptr);
  }
  TScript(const TScript&) = delete;
  TScript& operator=(const TScript&) = delete;

  // Form's dialogs, boxes and launches come here from now on.
  void Serve(TMainForm& Form) {
    Form.SetServices(std::make_unique<TServices>(*this));
    FServed << &Form;
  }

  void Info(const std::string& Msg) override { Log << "info:" + QString::fromStdString(Msg); }
  short Confirm(const std::string& Msg) override {
    Log << "confirm:" + QString::fromStdString(Msg);
    return Take(Answers).value_or(mrCancel);
  }

  QStringList Log;
  // What was logged of one kind ("yesno", "recovery", ...), without its prefix.
  QStringList Logged(const QString& Kind) const {
    const QString Prefix = Kind + ":";
    QStringList Found;
    for (const QString& Line : Log)
      if (Line.startsWith(Prefix)) Found << Line.mid(Prefix.size());
    return Found;
  }
  // Answers in the order they are asked for. For the dialogs a null QString
  // (QString()) stands for Cancel; an empty one ("") is an empty answer.
  std::deque<short> Answers;
  std::deque<QString> Names;               // the New Component dialog
  std::deque<QString> OpenPaths;           // the open dialog
  std::deque<QString> SavePaths;           // the save dialog
  std::deque<QString> InsertPaths;         // the Insert File dialog
  std::deque<QFont> Fonts;                 // the font dialog; Cancel when empty
  std::deque<TRecoveryAnswer> Recoveries;  // the recovery offer; Keep when empty
  std::deque<bool> SaveAnyway;             // the question before a lossy save; Cancel when empty
  // Every address launched, answered with LaunchFails; the About and Web
  // Resources windows are logged, not shown.
  QList<QUrl> Launches;
  bool LaunchFails = false;

 private:
  // What a window asks, answered by the script.
  class TServices : public TWindowServices {
   public:
    explicit TServices(TScript& Script) : S(Script) {}
    void Error(const QString& Msg) override { S.Log << "error:" + Msg; }
    void Info(const QString& Msg) override { S.Info(Msg.toStdString()); }
    short Confirm(const QString& Msg) override { return S.Confirm(Msg.toStdString()); }
    TRecoveryAnswer AskRecovery(const QString& Msg) override {
      S.Log << "recovery:" + Msg;
      if (S.Recoveries.empty()) return TRecoveryAnswer::Keep;
      const TRecoveryAnswer Answer = S.Recoveries.front();
      S.Recoveries.pop_front();
      return Answer;
    }
    bool AskSaveAnyway(const QString& Msg) override {
      S.Log << "saveanyway:" + Msg;
      if (S.SaveAnyway.empty()) return false;
      const bool Answer = S.SaveAnyway.front();
      S.SaveAnyway.pop_front();
      return Answer;
    }
    // Answered from Answers: mrYes is Yes, anything else (or none) No.
    bool AskYesNo(const QString& Msg) override {
      S.Log << "yesno:" + Msg;
      return Take(S.Answers).value_or(mrNo) == mrYes;
    }
    std::optional<QString> AskOpenFile(const QString&) override {
      return S.Chosen("open", S.OpenPaths);
    }
    std::optional<QString> AskSaveFile(const QString&) override {
      return S.Chosen("save", S.SavePaths);
    }
    std::optional<QString> AskInsertFile(const QString&) override {
      return S.Chosen("insert", S.InsertPaths);
    }
    std::optional<QString> AskComponentName() override {
      const std::optional<QString> Name = Take(S.Names);
      S.Log << "new:" + Name.value_or("<cancel>");
      return Name;
    }
    bool OpenUrl(const QUrl& Url) override {
      S.Launches << Url;
      return S.LaunchFails;
    }
    void ShowAbout() override { S.Log << "about"; }
    void ShowWebResources() override { S.Log << "web resources"; }
    std::optional<QFont> AskFont(QWidget*, const QFont&) override {
      if (S.Fonts.empty()) return std::nullopt;
      const QFont Font = S.Fonts.front();
      S.Fonts.pop_front();
      return Font;
    }
    std::optional<QColor> AskColor(QWidget*, const QColor&) override { return std::nullopt; }

   private:
    TScript& S;
  };

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
  QList<QPointer<TMainForm>> FServed;
};

// The desktop's own services, with each box or dialog they show handed to
// OnRun first (which answers it, typically from the event loop), and
// launches recorded instead of carried out.
class TWatchedServices : public TQtWindowServices {
 public:
  using TQtWindowServices::TQtWindowServices;
  std::function<void(QDialog&)> OnRun;
  QList<QUrl> Launches;
  bool OpenUrl(const QUrl& Url) override {
    Launches << Url;
    return false;
  }

 protected:
  int Run(QDialog& Dialog) override {
    if (OnRun) OnRun(Dialog);
    return TQtWindowServices::Run(Dialog);
  }
};

// What most window tests begin with: a settings store, and for each test a
// fresh folder for its files, a script and a shown window the script serves.
class TWindowFixture {
 protected:
  TTestStore Store;
  std::unique_ptr<QTemporaryDir> Folder;
  std::unique_ptr<TScript> Script;
  std::unique_ptr<TMainForm> Form;

  QString Path(const QString& Name) const { return Folder->path() + "/" + Name; }
  // With a Name, Bytes are written to that file of the folder and opened.
  void StartWindow(const QString& Name = {}, const std::string& Bytes = {}) {
    Folder = std::make_unique<QTemporaryDir>();
    Script = std::make_unique<TScript>();
    Form = std::make_unique<TMainForm>();
    Script->Serve(*Form);
    Form->show();
    if (Name.isEmpty()) return;
    WriteBytes(Path(Name), Bytes);
    Form->LoadFile(Path(Name));
  }
  void StopWindow() {
    Form.reset();
    Script.reset();
    Folder.reset();
  }
};
