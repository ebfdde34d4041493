#include "app/corvane/appidentity.h"

#include <QGuiApplication>

void SetApplicationIdentity() {
  QCoreApplication::setApplicationName("Corvane");
  QCoreApplication::setOrganizationName("Brantwick Software");
  QCoreApplication::setOrganizationDomain("example.org");
  QCoreApplication::setApplicationVersion(CORVANE_VERSION);
  QGuiApplication::setDesktopFileName(DesktopFileName);
}

QIcon ApplicationIcon() {
  QIcon BuiltIn;
  for (int Size : {16, 24, 32, 48, 64, 128, 256})
    BuiltIn.addFile(QString(":/corvane/icons/corvane-%1.png").arg(Size), QSize(Size, Size));
  return QIcon::fromTheme(DesktopFileName, BuiltIn);
}
