// Program entry: splash window, application title, main window, message loop.
#include <QApplication>

#include "app/corvane/mainform.h"
#include "app/corvane/messageboxes.h"
#include "app/corvane/splashform.h"
#include "widgets/extpagecontrolversion.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  CheckCommonControlsVersion();
  auto* Splash = new TfrmSplash;
  Splash->show();
  Splash->repaint();
  QApplication::processEvents();
  QApplication::setApplicationName("Corvane");
  QApplication::setOrganizationName("Brantwick Software");
  TMessageBoxHandler Boxes;
  TScopedMessageHandler Messages(&Boxes);
  TMainForm Form(QApplication::arguments().mid(1));
  Splash->close();
  delete Splash;
  Form.show();
  return App.exec();
}
