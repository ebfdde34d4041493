// What the page-control test groups share.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "widgets/extpagecontrol.h"

// A 600 by 400 page control named PageControl in Window, with one labelled
// page per caption.
inline TExtPageControl* AddControl(QWidget& Window, const QStringList& Captions) {
  auto* Control = new TExtPageControl(&Window);
  Control->setObjectName("PageControl");
  Control->setGeometry(0, 0, 600, 400);
  for (const QString& Caption : Captions)
    Control->addTab(new QLabel(Caption), Caption);
  Window.resize(600, 400);
  return Control;
}
