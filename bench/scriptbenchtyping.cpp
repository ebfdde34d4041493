#include "scriptbenchtyping.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "app/corvane/constructorcheck.h"
#include "editor/ledit.h"
#include "editorkeys.h"

namespace {

// Runs the event loop for Time, sleeping while it has nothing to do.
void Wait(std::chrono::milliseconds Time) {
  QEventLoop Loop;
  QTimer::singleShot(Time, &Loop, &QEventLoop::quit);
  Loop.exec();
}

// Seconds the calling thread has waited for a core so far, as the kernel's
// scheduler counts them; 0 where it does not.
double QueuedSeconds() {
  std::ifstream In("/proc/thread-self/schedstat");
  unsigned long long Running = 0, Queued = 0;
  In >> Running >> Queued;
  return static_cast<double>(Queued) * 1e-9;
}

// One turn: a gap, then a burst, Plan.Bursts times; each key measured into
// Side, its wait for a core added to Queued. The turn ends with its last key.
void TypeTurn(QsciScintilla& E, const TTypingPlan& Plan, TSide& Side, double& Queued,
              QString& Typed) {
  for (int B = 0; B < Plan.Bursts; ++B) {
    Wait(Plan.Gap);
    for (int K = 0; K < Plan.Keys; ++K) {
      const int Nth = static_cast<int>(Typed.size() % 26);
      const QChar Letter(u'a' + Nth);
      const double Before = QueuedSeconds();
      Side.Measure([&] {
        Key(E, Qt::Key_A + Nth, Letter);
        QApplication::processEvents();
      });
      Queued += QueuedSeconds() - Before;
      Typed += Letter;
    }
  }
}

// A turn with a check attached. Any result shown after the last key is the
// final text's; the turn waits for it, untimed, so that no check runs on into
// the next turn. False when it never comes.
bool TypeChecked(TLEdit& Edit, const TTypingPlan& Plan, TTypingResult& R) {
  TConstructorCheck Check(Edit, Plan.Pause);
  int Shown = 0;
  QObject::connect(&Check, &TConstructorCheck::Shown, [&Shown] { ++Shown; });
  const double Process = ClockSeconds(CLOCK_PROCESS_CPUTIME_ID);
  const double Gui = ClockSeconds(CLOCK_THREAD_CPUTIME_ID);
  const double Wall = ClockSeconds(CLOCK_MONOTONIC);
  TypeTurn(*Edit.Scintilla(), Plan, R.On, R.OnQueued, R.Typed);
  R.BackgroundCpu += ClockSeconds(CLOCK_PROCESS_CPUTIME_ID) - Process -
                     (ClockSeconds(CLOCK_THREAD_CPUTIME_ID) - Gui);
  R.OnWall += ClockSeconds(CLOCK_MONOTONIC) - Wall;
  const int Before = Shown;
  for (int Waited = 0; Shown == Before && Waited < 600; ++Waited)
    Wait(std::chrono::milliseconds(100));
  R.Shown += Shown;
  return Shown > Before;
}

void PrintKeys(const char* Name, const TSide& S) {
  const TTiming C = S.Cpu(), W = S.Wall();
  std::printf("  %-22s cpu median %7.3f p95 %7.3f ms   wall median %7.3f p95 %7.3f ms\n", Name,
              C.Median * 1e3, C.P95 * 1e3, W.Median * 1e3, W.P95 * 1e3);
}

}  // namespace

TTypingResult MeasureTyping(TLEdit& Edit, const TTypingPlan& Plan) {
  TTypingResult R;
  R.Ok = true;
  Alternate(
      Plan.Runs, [&] { R.Ok = TypeChecked(Edit, Plan, R) && R.Ok; },
      [&] { TypeTurn(*Edit.Scintilla(), Plan, R.Off, R.OffQueued, R.Typed); });
  return R;
}

void PrintTyping(const char* Where, const TTypingResult& R, const TTypingPlan& Plan) {
  const int Keys = 2 * Plan.Runs * Plan.Bursts * Plan.Keys;  // a side
  std::printf(
      "typing %s: %d keys a side, A B B A, in bursts of %d after %lld ms each; check pause "
      "%lld ms; load average %.2f\n",
      Where, Keys, Plan.Keys, static_cast<long long>(Plan.Gap.count()),
      static_cast<long long>(Plan.Pause.count()), LoadAverage());
  PrintKeys("a key, check on", R.On);
  PrintKeys("a key, check off", R.Off);
  const TTiming OnC = R.On.Cpu(), OffC = R.Off.Cpu(), OnW = R.On.Wall(), OffW = R.Off.Wall();
  const double Median = OnW.Median / OffW.Median, P95 = OnW.P95 / OffW.P95;
  std::printf("  %-22s cpu median %6.2fx p95 %6.2fx      wall median %6.2fx p95 %6.2fx\n",
              "on / off", OnC.Median / OffC.Median, OnC.P95 / OffC.P95, Median, P95);
  std::printf("  within 1.2x (wall, median and p95): %s\n",
              Median <= 1.2 && P95 <= 1.2 ? "met" : "MISSED");
  std::printf("  %-22s waited for a core %.3f ms a key with the check on, %.3f off\n", "GUI thread",
              R.OnQueued * 1e3 / Keys, R.OffQueued * 1e3 / Keys);
  std::printf(
      "  with the check on: %d results shown; other threads took %.1f s of processor "
      "time in %.1f s of typing\n",
      R.Shown, R.BackgroundCpu, R.OnWall);
}
