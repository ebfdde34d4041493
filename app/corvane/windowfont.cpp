#include "app/corvane/windowfont.h"

#include <QStringList>

QFont WindowFont() {
  static const bool Mapped = [] {
    QFont::insertSubstitutions("MS Sans Serif",
                               QStringList{"Liberation Sans", "Arial", "Helvetica"});
    return true;
  }();
  (void)Mapped;
  return QFont("MS Sans Serif", 8);
}
