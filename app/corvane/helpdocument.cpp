#include "app/corvane/helpdocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/corvane/mainform.h"
#include "app/corvane/shellopen.h"

namespace {

// The Preferences dialog's font group, editor options, and colours with their
// preview.
constexpr int DocumentedContexts[] = {170, 175, 180};

}  // namespace

// CORVANE_GUIDE_FROM_PROGRAM leads from the installed program's folder to the
// guide's, as the install rules place them; CORVANE_SOURCE_DOCS, where the
// build defines it, is the source tree's docs folder.
QStringList HelpDocumentPlaces(const QString& ProgramFolder, const QString& ExecutableFolder) {
  QStringList Places;
  if (!ProgramFolder.isEmpty())
    Places << ProgramFolder + QString("%1Docs%1Corvane.html").arg(QDir::separator());
  Places << QDir::cleanPath(ExecutableFolder + "/" CORVANE_GUIDE_FROM_PROGRAM "/Corvane.html");
#ifdef CORVANE_SOURCE_DOCS
  Places << QString(CORVANE_SOURCE_DOCS "/Corvane.html");
#endif
  return Places;
}

QString HelpDocumentPath() {
  const QStringList Places = HelpDocumentPlaces(ProgramDir, QCoreApplication::applicationDirPath());
  for (const QString& Place : Places)
    if (QFileInfo(Place).isFile()) return Place;
  return Places.value(0);
}

QString HelpContextAnchor(int Context) {
  for (int Documented : DocumentedContexts)
    if (Documented == Context) return QString("context-%1").arg(Context);
  return {};
}

QUrl HelpDocumentUrl(const QString& Path, const QString& Anchor) {
  QUrl Document = ShellTarget(Path);
  if (!Anchor.isEmpty()) Document.setFragment(Anchor);
  return Document;
}
