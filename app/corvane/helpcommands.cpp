// The Help menu's commands: the help document, and the Web Resources and
// About windows, each shown fresh and modally over the main window.
#include "app/corvane/aboutform.h"
#include "app/corvane/helpdocument.h"
#include "app/corvane/mainform.h"
#include "app/corvane/webresourcesform.h"

// A launch that fails says nothing: there may be no document or no viewer.
void TMainForm::HelpContents() {
  OpenHelpDocument();
}

void TMainForm::WebResources1Click() {
  TfrmWebResources::Execute(this);
}

void TMainForm::HelpAbout() {
  TfrmAbout::Execute(this);
}
