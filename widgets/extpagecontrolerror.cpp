#include "widgets/extpagecontrolerror.h"

#include <QMetaObject>
#include <QObject>
#include <QString>

namespace {

// One-pass substitution, so a '%' in a component name is never taken for a marker.
QString Format(const char* Text, const QObject& Component, const QString& Extra = {}) {
  const QString ClassName = QString::fromLatin1(Component.metaObject()->className());
  if (Extra.isNull()) return QString::fromLatin1(Text).arg(Component.objectName(), ClassName);
  return QString::fromLatin1(Text).arg(Component.objectName(), ClassName, Extra);
}

EExtPageInvalidCall Make(const QString& Msg) {
  return EExtPageInvalidCall(Msg.toLocal8Bit().toStdString());
}

}  // namespace

EExtPageInvalidCall HottrackAssignError(const QObject& Component) {
  return Make(Format(
      "Invalid function call SetHottrack in component %1 of class %2. Can't assign Hottrack a "
      "new object.",
      Component));
}

EExtPageInvalidCall TabGlyphsAssignError(const QObject& Component) {
  return Make(Format(
      "Invalid function call SetTabsGlyphs in component %1 of class %2. Can't assign TabGlyph a "
      "new object.",
      Component));
}

EExtPageInvalidCall InvalidTabIndexError(const QObject& Component, int TabIndex) {
  return Make(
      Format("Function GetPageIndexByTabIndex of component %1 of class %2 was called with an "
             "invalid parameter (CurrentTabIndex = %3).",
             Component, QString::number(TabIndex)));
}
