#include "app/corvane/resources.h"

#include <QtGlobal>

// Outside any namespace, as resource registration requires.
static void RegisterResources() {
  Q_INIT_RESOURCE(resources);
}

void LoadCorvaneResources() {
  static const bool Registered = (RegisterResources(), true);
  (void)Registered;
}

QIcon ResourceIcon(const QString& Name) {
  LoadCorvaneResources();
  QIcon Icon(":/corvane/" + Name + ".png");
  Icon.addFile(":/corvane/" + Name + "@2x.png");
  return Icon;
}
