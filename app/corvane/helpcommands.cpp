// The Help menu's commands: the help document, and the Web Resources and
// About windows, each shown fresh and modally over the main window.
#include "app/corvane/helpdocument.h"
#include "app/corvane/mainform.h"
#include "app/corvane/windowservices.h"

// A launch that fails says nothing: there may be no document or no viewer.
void TMainForm::HelpContents() {
  FServices->OpenUrl(HelpDocumentUrl());
}

void TMainForm::ShowHelpContext(int Context) {
  FServices->OpenUrl(HelpDocumentUrl(HelpContextAnchor(Context)));
}

void TMainForm::WebResources1Click() {
  FServices->ShowWebResources();
}

void TMainForm::HelpAbout() {
  FServices->ShowAbout();
}
