#include "windowbenchsave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <filesystem>

#include "app/corvane/mainform.h"
#include "beans/beanfactory.h"
#include "copysync.h"
#include "quietmessages.h"
#include "sidebyside.h"
#include "tempdir.h"
#include "windowbenchopen.h"

namespace {

constexpr int Items = 182'000;  // about 50 MB of JSB text

}  // namespace

int RunSaveBenchmark(const std::string& Folder, int Runs) {
  TQuietMessages Quiet;
  TTempDir Dir(Folder);
  const std::string File = Dir.File("save.jsb");
  TMainForm Form;
  OpenGeneratedFile(Form, Items, File);
  TJSBDocument& Document = BeanFactory->Document();
  // No recovery copy is written while a save is timed.
  Form.File().RecoveryDelay = 600'000;
  int Saves = 0;
  bool Saved = true;
  // Each save comes a few seconds after the one before, as a user's do, with
  // the window's events running meanwhile.
  const auto Save = [&](TSide& Side) {
    Document.SetText(nullptr, "DISPLAYNAME", "save " + std::to_string(++Saves));
    QElapsedTimer Pause;
    Pause.start();
    while (Pause.elapsed() < 3000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(5);
    }
    Side.Measure([&] { Saved = Form.FileSave() && Saved; });
  };
  TSide First, Window, Anchor;
  Save(First);
  const auto Copy = [&] { Anchor.Measure([&] { CopyWithSync(File, File + ".copy"); }); };
  Alternate(
      Runs, [&] { Save(Window); }, Copy);
  std::filesystem::remove(File + ".copy");
  std::printf("jsbwindowbench save: %d items, %.1f MB, %d saves a side, A B B A\n", Items,
              static_cast<double>(std::filesystem::file_size(File)) / 1e6, 2 * Runs);
  First.Print("the first save, every value checked");
  Window.Print("Save from the window");
  Anchor.Print("anchor: a copy with fdatasync");
  std::printf("  %-36s %.2f x the anchor (processor time, medians); first %.2f x\n", "",
              Window.Cpu().Median / Anchor.Cpu().Median, First.Cpu().Median / Anchor.Cpu().Median);
  return Saved ? 0 : 1;
}
