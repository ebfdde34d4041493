#include "constructorcheck.h"

#include <Qsci/qsciscintilla.h>
#include <QtConcurrent/QtConcurrentRun>
#include <string>

#include "editor/ledit.h"

TConstructorCheck::TConstructorCheck(TLEdit& Editor, std::chrono::milliseconds Pause)
    : FEditor(Editor) {
  // The check yields the processor to the window: on a machine with few cores
  // typing never waits for it.
  FPool.setMaxThreadCount(1);
  FPool.setThreadPriority(QThread::IdlePriority);
  FPause.setSingleShot(true);
  FPause.setInterval(Pause);
  connect(&FPause, &QTimer::timeout, this, &TConstructorCheck::Start);
  connect(&FRunning, &QFutureWatcher<TSyntaxCheck>::finished, this, &TConstructorCheck::Finish);
  connect(FEditor.Scintilla(), &QsciScintilla::textChanged, this, &TConstructorCheck::Changed);
  Changed();
}

// A check still running is waited for; its result is never shown.
TConstructorCheck::~TConstructorCheck() = default;

void TConstructorCheck::Changed() {
  ++FVersion;
  FEditor.SetMarginHint(tr("Checking the JavaScript..."));
  FPause.start();
}

// One check at a time: a change while one runs waits for it to end.
void TConstructorCheck::Start() {
  if (FRunning.isRunning()) return;
  FCheckedVersion = FVersion;
  std::string Text(FEditor.DocumentBytes());
  FRunning.setFuture(QtConcurrent::run(&FPool, [Text = std::move(Text)] {
    return CheckConstructorSyntax(Text, TTextEncoding::Utf8);
  }));
}

void TConstructorCheck::Finish() {
  if (FCheckedVersion != FVersion) {
    Start();
    return;
  }
  Show(FRunning.result());
  emit Shown();
}

void TConstructorCheck::Show(const TSyntaxCheck& Check) {
  FEditor.ClearErrorMark();
  if (!Check.Finished) {
    FEditor.SetMarginHint(tr("The JavaScript check took too long and was stopped."));
    return;
  }
  if (!Check.Error) {
    FEditor.SetMarginHint(tr("The JavaScript has no syntax error."));
    return;
  }
  const TScriptError& Error = *Check.Error;
  const QString Message = QString::fromStdString(Error.Message);
  FEditor.SetErrorMark(static_cast<long>(Error.Offset),
                       tr("Syntax error on line %1: %2").arg(Error.Line).arg(Message));
  FEditor.SetMarginHint(tr("The JavaScript has a syntax error on line %1.").arg(Error.Line));
}
