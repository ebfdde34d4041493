// The Help menu's commands: the help document, and the Web Resources and
// About windows, each shown fresh and modally over the main window.
#include <QFileInfo>

#include "app/corvane/helpdocument.h"
#include "app/corvane/mainform.h"
#include "app/corvane/windowservices.h"

namespace {

// A guide that nothing opens is told of in one notice that names it; one
// that is nowhere to be found, in one that names the first place looked.
void OpenHelpDocument(TWindowServices& Services, const QString& Anchor) {
  const QString Path = HelpDocumentPath();
  if (QFileInfo(Path).isFile() && !Services.OpenUrl(HelpDocumentUrl(Path, Anchor))) return;
  Services.Info(TMainForm::tr("The help document %1 could not be opened.").arg(Path));
}

}  // namespace

void TMainForm::HelpContents() {
  OpenHelpDocument(*FServices, {});
}

void TMainForm::ShowHelpContext(int Context) {
  OpenHelpDocument(*FServices, HelpContextAnchor(Context));
}

void TMainForm::WebResources1Click() {
  FServices->ShowWebResources();
}

void TMainForm::HelpAbout() {
  FServices->ShowAbout();
}
