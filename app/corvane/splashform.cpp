#include "app/corvane/splashform.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/corvane/resources.h"
#include "widgets/centre.h"

namespace {
constexpr int DesignedWidth = 360, DesignedHeight = 276, DesignedDpi = 96;
}

TfrmSplash::TfrmSplash(QWidget* Parent)
    : QWidget(Parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  LoadCorvaneResources();
  FPicture = QPixmap(":/corvane/splash.png");
  setObjectName("frmSplash");
  // The picture covers everything, so no background is erased first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QScreen* Screen = QGuiApplication::primaryScreen();
  const int Dpi = Screen ? qRound(Screen->logicalDotsPerInch()) : DesignedDpi;
  setFixedSize(ScaledSize(Dpi));
  CentreOnScreen(this);
}

QSize TfrmSplash::ScaledSize(int Dpi) {
  if (Dpi == DesignedDpi) return {DesignedWidth, DesignedHeight};
  return {Dpi * DesignedWidth / DesignedDpi, Dpi * DesignedHeight / DesignedDpi};
}

// The picture stretched over a panel with a lowered inner bevel.
void TfrmSplash::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.drawPixmap(rect(), FPicture);
  P.setPen(palette().color(QPalette::Dark));
  P.drawLine(0, 0, width() - 1, 0);
  P.drawLine(0, 0, 0, height() - 1);
  P.setPen(palette().color(QPalette::Light));
  P.drawLine(width() - 1, 0, width() - 1, height() - 1);
  P.drawLine(0, height() - 1, width() - 1, height() - 1);
}
