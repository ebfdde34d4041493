// jsbwindowbench: how long the main window takes to open generated JSB files
// of 100, 1,000, 10,000 and 100,000 items (offscreen unless QT_QPA_PLATFORM says
// otherwise).
//
//   jsbwindowbench [--dir FOLDER] [--runs N]   the measurement
//   jsbwindowbench --smoke [--dir FOLDER]      a tiny run that checks the window
//   jsbwindowbench --only focus|keystroke|undo|open|recovery|save
//                                              one comparison with an anchor
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "benchoptions.h"

#include "windowbenchfocus.h"
#include "windowbenchkeys.h"
#include "windowbenchopen.h"
#include "windowbenchopenanchor.h"
#include "windowbenchrecovery.h"
#include "windowbenchreport.h"
#include "windowbenchsave.h"
#include "windowbenchsmoke.h"
#include "windowbenchundo.h"

namespace {

QtMessageHandler PreviousQtHandler = nullptr;

// The offscreen platform says once per window that it cannot pass size hints
// on; that line says nothing about the measurement, so it is dropped.
void FilterQtMessages(QtMsgType Type, const QMessageLogContext& Context, const QString& Msg) {
  if (Msg.contains("propagateSizeHints")) return;
  if (PreviousQtHandler) PreviousQtHandler(Type, Context, Msg);
}

// Keeps the window's settings and recovery copies in a folder of their own,
// removed at the end: a copy of the user's own would be offered in a box.
void RedirectSettings(const QTemporaryDir& Store) {
  for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(Format, QSettings::UserScope, Store.path() + "/user");
    QSettings::setPath(Format, QSettings::SystemScope, Store.path() + "/system");
  }
  qputenv("XDG_DATA_HOME", (Store.path() + "/data").toLocal8Bit());
}

int Run(const TBenchOptions& O) {
  QTemporaryDir Store;
  if (!Store.isValid()) {
    std::fprintf(stderr, "jsbwindowbench: cannot create a settings folder\n");
    return 1;
  }
  RedirectSettings(Store);
  if (O.Smoke) return RunWindowSmoke(O.Dir);
  if (O.Extra == "focus") return RunFocusBenchmark(O.Dir, O.Runs);
  if (O.Extra == "keystroke") return RunKeystrokeBenchmark(O.Dir, O.Runs);
  if (O.Extra == "undo") return RunUndoBenchmark(O.Dir, O.Runs);
  if (O.Extra == "open") return RunOpenBenchmark(O.Dir, O.Runs);
  if (O.Extra == "recovery") return RunRecoveryBenchmark(O.Dir, 20);
  if (O.Extra == "save") return RunSaveBenchmark(O.Dir, O.Runs);
  return RunWindowBenchmark(O.Dir, O.Runs);
}

}  // namespace

int main(int Argc, char** Argv) {
  TBenchOptions O;
  if (!ParseBenchOptions(Argc, Argv, O, "--only") ||
      (!O.Extra.empty() && O.Extra != "focus" && O.Extra != "keystroke" && O.Extra != "undo" &&
       O.Extra != "open" && O.Extra != "recovery" && O.Extra != "save")) {
    std::fprintf(stderr,
                 "usage: jsbwindowbench [--smoke] [--dir FOLDER] [--runs N] [--only "
                 "focus|keystroke|undo|open|recovery|save]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PreviousQtHandler = qInstallMessageHandler(FilterQtMessages);
  QApplication App(Argc, Argv);
  QApplication::setApplicationName("Corvane");
  QApplication::setOrganizationName("Brantwick Software");
  try {
    return Run(O);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "jsbwindowbench: %s\n", E.what());
    return 1;
  }
}
