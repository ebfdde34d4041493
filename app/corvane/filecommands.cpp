// Opening and closing documents.
#include <QString>

#include "app/corvane/mainform.h"
#include "app/corvane/uitext.h"
#include "beans/jsbreader.h"
#include "editor/ledit.h"
#include "widgets/fileerror.h"
#include "widgets/messages.h"

void TMainForm::LoadFile(const QString& FileName) {
  try {
    const TJSBReadResult Read = ReadJSBFile(FileNameBytes(FileName));
    SetCurrentFile(Read.Valid ? FileName : QString());
    LEdit1->setVisible(Read.Valid);
    LEdit1->SetText(ToQString(Read.Constructor, Read.Encoding));
    LEdit1->SetModified(false);
  } catch (const EFileError& Error) {
    InfoMessage(Error.what());
  }
}

bool TMainForm::CloseDocument() {
  return true;
}
