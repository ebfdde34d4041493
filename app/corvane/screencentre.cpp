#include "app/corvane/screencentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Moving the window also keeps a dialog from being placed over its owner.
void CentreOnScreen(QWidget& Window) {
  const QWidget* Owner = Window.parentWidget();
  const QScreen* Screen =
      Owner && Owner->screen() ? Owner->screen() : QGuiApplication::primaryScreen();
  if (Screen) Window.move(Screen->availableGeometry().center() - Window.rect().center());
}
