// Crash recovery in the window: its document's file keeps the copy of unsaved
// work a few seconds behind the last change, and the window opens the copy a
// user recovers.
#include <Qsci/qsciscintilla.h>

#include "app/corvane/mainform.h"
#include "beans/beanfactory.h"
#include "beans/modelinput.h"
#include "beans/modeljson.h"
#include "editor/ledit.h"

namespace {

// The name the document has while it has no file.
const char* const Untitled = "untitled";

}  // namespace

// All of a model, or, when it is damaged, what it holds up to its last whole
// item; false when not even that can be read.
bool TMainForm::OpenKeptModel(const std::string& Json) {
  std::string Left;
  try {
    Factory->LoadFromModel(Json);
    return true;
  } catch (const EModelError& E) {
    Left = SalvagedModelJson(Json, E.Offset());
  }
  if (Left.empty()) return false;
  try {
    Factory->LoadFromModel(Left);
    return true;
  } catch (const EModelError&) {
    return false;
  }
}

// The constructor text is the window's to watch; the model the file's own.
void TMainForm::WireDocumentFile() {
  FFile = std::make_unique<TDocumentFile>(*Factory, *this, this);
  connect(LEdit1->Scintilla(), &QsciScintilla::textChanged, FFile.get(),
          &TDocumentFile::ScheduleRecoveryCopy);
}

// A copy of this version holds the model; earlier ones held JSB text, with
// the encoding its file is saved in or without.
bool TMainForm::OfferRecovery() {
  return FFile->OfferRecovery([this](const TRecoveryCopy& Copy) {
    const QString Name = Copy.FileName.isEmpty() ? QString(Untitled) : Copy.FileName;
    LEdit1->setVisible(true);
    SetCurrentFile(Name);
    if (!Copy.Model)
      Factory->LoadFromText(Copy.Text, Name);
    else if (!OpenKeptModel(Copy.Text))
      Factory->ShowNoDocument();
    if (CurrentFile.isEmpty()) return false;
    if (Copy.Encoding) Factory->Document().SetEncoding(*Copy.Encoding);
    Factory->Document().SetModified(true);
    return true;
  });
}
