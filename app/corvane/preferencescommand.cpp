// Edit > Preferences: a fresh Preferences dialog each time, owned by the
// window, shown modally and gone when it closes.
#include "app/corvane/mainform.h"
#include "app/corvane/windowservices.h"
#include "editor/optionsform.h"

// Its font and colour dialogs and its error box are the window's.
void TMainForm::Options1Click() {
  TOptionsForm Form(*EditorSettings, LEdit1, *FServices, this);
  Form.OnHelp = [this](int Context) { ShowHelpContext(Context); };
  Form.exec();
}
