#include "app/corvane/helpdocument.h"

#include <QDir>

#include "app/corvane/mainform.h"
#include "app/corvane/shellopen.h"

namespace {

// The Preferences dialog's font group, editor options, and colours with their
// preview.
constexpr int DocumentedContexts[] = {170, 175, 180};

}  // namespace

QString HelpDocumentPath() {
  return ProgramDir + QString("%1Docs%1Corvane.html").arg(QDir::separator());
}

QString HelpContextAnchor(int Context) {
  for (int Documented : DocumentedContexts)
    if (Documented == Context) return QString("context-%1").arg(Context);
  return {};
}

QUrl HelpDocumentUrl(const QString& Anchor) {
  QUrl Document = ShellTarget(HelpDocumentPath());
  if (!Anchor.isEmpty()) Document.setFragment(Anchor);
  return Document;
}
