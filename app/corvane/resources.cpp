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
