// Program entry: the informational options, then the user's language, the
// splash window, the application title, the main window and the message loop.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/corvane/appidentity.h"
#include "app/corvane/commandline.h"
#include "app/corvane/mainform.h"
#include "app/corvane/splashform.h"
#include "app/corvane/translations.h"
#include "beans/uitext.h"
#include "widgets/extpagecontrolversion.h"

int main(int argc, char** argv) {
  // Before the application object, which needs a display.
  const std::vector<std::string> Args(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (const auto Status = AnswerInfoOption(Args, std::cout)) return *Status;
  SetApplicationIdentity();
  QApplication App(argc, argv);
  InstallTranslations(App);
  QApplication::setWindowIcon(ApplicationIcon());
  CheckCommonControlsVersion();
  auto* Splash = new TfrmSplash;
  Splash->show();
  Splash->repaint();
  QApplication::processEvents();
  // The toolkit has taken its own options out of argv. What is left names the
  // file as the bytes given; QApplication::arguments() would decode them, and
  // lose those that are not UTF-8.
  QStringList FileArguments;
  for (int I = 1; I < argc; ++I)
    FileArguments << FileNameText(argv[I]);
  TMainForm Form(FileArguments);
  TScopedMessageHandler Messages(&Form);
  Splash->close();
  delete Splash;
  Form.show();
  return App.exec();
}
