#include "windowbenchfocus.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

#include "app/corvane/mainform.h"
#include "beans/jsbwriter.h"
#include "quietmessages.h"
#include "sidebyside.h"
#include "tempdir.h"
#include "windowbenchopen.h"

namespace {

// The window checks its file once the activation's events have run.
void Activate(TMainForm& Form) {
  QEvent Event(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&Form, &Event);
  ProcessEventsUntilIdle();
}

}  // namespace

int RunFocusBenchmark(const std::string& Folder, int Runs) {
  TQuietMessages Quiet;
  TTempDir Dir(Folder);
  const std::string File = Dir.File("focus.jsb");
  const TGeneratedBean G = GenerateBean(50'000'000);
  WriteJSBFile(File, *G.Bean, G.Constructor);
  const QString Path = QString::fromStdString(File);
  std::printf("jsbwindowbench focus: %.1f MB, %d runs a side, A B B A\n",
              static_cast<double>(QFileInfo(Path).size()) / 1e6, Runs);
  TMainForm Form;
  Form.show();
  Form.LoadFile(Path);
  ProcessEventsUntilIdle();
  // A stamp trusts the file's metadata only once the file is a little older
  // than the stamp: the first activation after that renews it.
  QThread::sleep(3);
  Activate(Form);
  TSide Window, Stat, Hash;
  const auto Look = [&] { Stat.Measure([&] { (void)QFileInfo(Path).lastModified(); }); };
  const auto Focus = [&] { Window.Measure([&] { Activate(Form); }); };
  Alternate(Runs, Focus, Look);
  // A touched file shows other metadata: the window must read it to tell.
  TSide Touched;
  for (int I = 0; I < 3; ++I) {
    QFile Touch(Path);
    if (!Touch.open(QIODevice::ReadWrite) ||
        !Touch.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * (I + 1)),
                           QFileDevice::FileModificationTime))
      std::fprintf(stderr, "jsbwindowbench: cannot touch %s\n", File.c_str());
    Touch.close();
    Touched.Measure([&] { Activate(Form); });
    Hash.Measure([&] {
      QFile F(Path);
      QCryptographicHash H(QCryptographicHash::Sha1);
      if (F.open(QIODevice::ReadOnly)) H.addData(&F);
    });
  }
  Window.Print("window activated, file unchanged");
  Touched.Print("window activated, file touched");
  Stat.Print("anchor: the file's metadata");
  Hash.Print("a whole read and hash of the file");
  return 0;
}
