// Crash recovery in the window: its document's file keeps the copy of unsaved
// work a few seconds behind the last change, and the window opens the copy a
// user recovers.
#include <Qsci/qsciscintilla.h>

#include "app/corvane/mainform.h"
#include "beans/beanfactory.h"
#include "editor/ledit.h"

namespace {

// The name the document has while it has no file.
const char* const Untitled = "untitled";

}  // namespace

// The constructor text is the window's to watch; the model the file's own.
void TMainForm::WireDocumentFile() {
  FFile = std::make_unique<TDocumentFile>(*Factory, *this, this);
  connect(LEdit1->Scintilla(), &QsciScintilla::textChanged, FFile.get(),
          &TDocumentFile::ScheduleRecoveryCopy);
}

// A copy of this version records the encoding its file is saved in.
bool TMainForm::OfferRecovery() {
  return FFile->OfferRecovery([this](const TRecoveryCopy& Copy) {
    const QString Name = Copy.FileName.isEmpty() ? QString(Untitled) : Copy.FileName;
    LEdit1->setVisible(true);
    SetCurrentFile(Name);
    Factory->LoadFromText(Copy.Text, Name);
    if (CurrentFile.isEmpty()) return false;
    if (Copy.Encoding) Factory->Document().SetEncoding(*Copy.Encoding);
    Factory->Document().SetModified(true);
    return true;
  });
}
