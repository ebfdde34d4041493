#include "syntaxcheck.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QLoggingCategory>
#include <QStringList>
#include <clocale>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "errorplace.h"

namespace {

// Interrupts the engine once Limit has passed, unless destroyed first. The
// engine stops running code then; a parse it is in still ends first.
class TWatchdog {
 public:
  TWatchdog(QJSEngine& Engine, std::chrono::milliseconds Limit)
      : FThread([this, &Engine, Limit] {
          std::unique_lock Lock(FMutex);
          if (FWake.wait_for(Lock, Limit, [this] { return FDone; })) return;
          FFired = true;
          Engine.setInterrupted(true);
        }) {}
  ~TWatchdog() {
    {
      const std::lock_guard Lock(FMutex);
      FDone = true;
    }
    FWake.notify_one();
    FThread.join();
  }
  bool Fired() {
    const std::lock_guard Lock(FMutex);
    return FFired;
  }

 private:
  std::mutex FMutex;
  std::condition_variable FWake;
  bool FDone = false, FFired = false;
  std::thread FThread;  // last: it starts once the rest is in place
};

// The engine's compiler warns of a variable used before its declaration, which
// is valid JavaScript that libraries are full of: the check says nothing of it.
QLoggingCategory::CategoryFilter EarlierFilter = nullptr;

void QuietCompiler(QLoggingCategory* Category) {
  if (EarlierFilter) EarlierFilter(Category);
  if (std::strcmp(Category->categoryName(), "qt.qml.compiler") == 0)
    Category->setEnabled(QtWarningMsg, false);
}

void EnsureApplication() {
  static std::once_flag Quieted;
  std::call_once(Quieted, [] { EarlierFilter = QLoggingCategory::installFilter(QuietCompiler); });
  if (QCoreApplication::instance()) return;
  static int Argc = 1;
  static char Name[] = "corvane";
  static char* Argv[] = {Name, nullptr};
  const std::string Locale = std::setlocale(LC_ALL, nullptr);
  static QCoreApplication* const Application = new QCoreApplication(Argc, Argv);
  static_cast<void>(Application);
  std::setlocale(LC_ALL, Locale.c_str());
}

QString Decode(std::string_view Text, TTextEncoding Encoding) {
  const auto Size = static_cast<qsizetype>(Text.size());
  return Encoding == TTextEncoding::Latin1 ? QString::fromLatin1(Text.data(), Size)
                                           : QString::fromUtf8(Text.data(), Size);
}

// The place and message of the syntax error the engine reports for Program,
// whose first line it numbers 0: the text's own first line is its second.
// Nothing of the text runs: the program throws at its first statement.
std::optional<TScriptError> Locate(QJSEngine& Engine, const QString& Program, const QString& Source,
                                   TTextEncoding Encoding) {
  QStringList Trace;
  const QJSValue Result = Engine.evaluate(Program, QString(), 0, &Trace);
  if (Result.errorType() != QJSValue::SyntaxError) return std::nullopt;
  // A syntax error's trace is the one entry ":LINE:COLUMN:".
  const QStringList Parts = Trace.value(0).split(u':');
  const int Line = Result.property(QStringLiteral("lineNumber")).toInt();
  TScriptError Error = ErrorPlace(Source, Encoding, Line, Parts.value(2).toInt());
  Error.Message = Result.property(QStringLiteral("message")).toString().toStdString();
  return Error;
}

// Where the error lies that the Function constructor found without a place:
// the text as a function's body, or, where it closes that function early, as
// the program itself.
TScriptError Place(QJSEngine& Engine, const QString& Source, TTextEncoding Encoding,
                   const QJSValue& Found) {
  struct TFrame {
    const char *Head, *Tail;
  };
  constexpr TFrame Frames[] = {{"throw 0; function f() {\n", "\n}"}, {"throw 0;\n", ""}};
  for (const TFrame& Frame : Frames) {
    const QString Program = QLatin1String(Frame.Head) + Source + QLatin1String(Frame.Tail);
    if (auto Error = Locate(Engine, Program, Source, Encoding)) return *Error;
  }
  TScriptError Error;
  Error.Message = Found.property(QStringLiteral("message")).toString().toStdString();
  return Error;
}

}  // namespace

TSyntaxCheck CheckConstructorSyntax(std::string_view Text, TTextEncoding Encoding,
                                    std::chrono::milliseconds Limit) {
  EnsureApplication();
  QJSEngine Engine;
  const QString Source = Decode(Text, Encoding);
  TWatchdog Watchdog(Engine, Limit);
  // The constructor builds a function from the string and never calls it.
  const QJSValue Function = Engine.globalObject().property(QStringLiteral("Function"));
  const QJSValue Made = Function.callAsConstructor({QJSValue(Source)});
  TSyntaxCheck Check;
  if (Made.errorType() == QJSValue::SyntaxError)
    Check.Error = Place(Engine, Source, Encoding, Made);
  Check.Finished = !Watchdog.Fired();
  if (!Check.Finished) Check.Error.reset();
  return Check;
}
