#include "windowbenchrecovery.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/corvane/mainform.h"
#include "beans/beanfactory.h"
#include "beans/jsbwriter.h"
#include "beans/modeljson.h"
#include "quietmessages.h"
#include "sidebyside.h"
#include "tempdir.h"
#include "windowbenchopen.h"

namespace {

constexpr int Items = 182'000;  // about 50 MB of JSB text

// The longest time between two ticks of a 2 ms timer while it runs.
class TLoopProbe {
 public:
  TLoopProbe() {
    FTimer.setInterval(2);
    QObject::connect(&FTimer, &QTimer::timeout,
                     [this] { FLongest = std::max(FLongest, FClock.restart()); });
  }
  void Start() {
    FClock.start();
    FTimer.start();
  }
  void Stop() { FTimer.stop(); }
  qint64 Longest() const { return FLongest; }

 private:
  QTimer FTimer;
  QElapsedTimer FClock;
  qint64 FLongest = 0;
};

}  // namespace

int RunRecoveryBenchmark(const std::string& Folder, int Copies) {
  TQuietMessages Quiet;
  TTempDir Dir(Folder);
  TMainForm Form;
  OpenGeneratedFile(Form, Items, Dir.File("recovery.jsb"));
  TJSBDocument& Document = BeanFactory->Document();
  if (!Document.Bean()) {
    std::fprintf(stderr, "jsbwindowbench: the generated component did not open\n");
    return 1;
  }
  TDocumentFile& File = Form.File();
  File.RecoveryDelay = 0;
  TLoopProbe Probe;
  TSide Copy;
  Probe.Start();
  for (int I = 0; I < Copies; ++I)
    Copy.Measure([&] {
      Document.SetText(nullptr, "DISPLAYNAME", "copy " + std::to_string(I));
      while (File.CopyPending())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    });
  Probe.Stop();
  File.Flush();
  TSide Whole, Jsb;
  Whole.Measure([&] {
    std::unique_ptr<TModelJsonBuilder> Model = BeanFactory->ModelBuilder();
    while (!Model->Step(Items)) {
    }
    std::move(*Model).Finish();
  });
  Jsb.Measure([&] { WriteJSBText(*Document.Bean(), ""); });
  std::printf("jsbwindowbench recovery: %d items, %d copies\n", Items, Copies);
  Copy.Print("a copy's text made in slices");
  Whole.Print("anchor: the text made at once");
  Jsb.Print("the JSB text made at once");
  std::printf("  %-36s the event loop waited at most %lld ms (a 2 ms probe)\n", "",
              static_cast<long long>(Probe.Longest()));
  return File.Recovery().HasCopy() ? 0 : 1;
}
