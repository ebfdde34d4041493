// Edit > Preferences: a fresh Preferences dialog each time, owned by the
// window, shown modally and gone when it closes.
#include "app/corvane/helpdocument.h"
#include "app/corvane/mainform.h"
#include "editor/optionsform.h"

void TMainForm::Options1Click() {
  TOptionsForm Form(*EditorSettings, LEdit1, this);
  Form.OnHelp = [this](int Context) { ShowHelpContext(Context); };
  Form.exec();
}

void TMainForm::ShowHelpContext(int Context) {
  OpenHelpDocument(HelpContextAnchor(Context));
}
