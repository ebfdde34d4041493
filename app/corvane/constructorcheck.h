// The constructor's syntax check as the Source View runs it: a short moment
// after the text last changed, on a thread of its own at idle priority, with
// the result marked in the editor and its state as the margin's tool tip. A
// result for a text that has changed since is dropped, and the new text
// checked.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <chrono>

#include "jscheck/syntaxcheck.h"

class TLEdit;

class TConstructorCheck : public QObject {
  Q_OBJECT

 public:
  explicit TConstructorCheck(TLEdit& Editor,
                             std::chrono::milliseconds Pause = std::chrono::milliseconds(600));
  ~TConstructorCheck() override;

 signals:
  // The editor shows the result of a check of its current text.
  void Shown();

 private:
  void Changed();
  void Start();
  void Finish();
  void Show(const TSyntaxCheck& Check);

  TLEdit& FEditor;
  QThreadPool FPool;  // one idle thread; destroyed last, it waits for a check
  QTimer FPause;
  QFutureWatcher<TSyntaxCheck> FRunning;
  unsigned FVersion = 0;         // counts the changes of the text
  unsigned FCheckedVersion = 0;  // the version the running check was given
};
