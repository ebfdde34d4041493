// Crash recovery in the window: the copy of unsaved work kept a few seconds
// behind the last change, and the offer of copies left by ended sessions.
#include <Qsci/qsciscintilla.h>
#include <QDir>
#include <QTimer>

#include "app/corvane/mainform.h"
#include "app/corvane/recoverystore.h"
#include "app/corvane/windowservices.h"
#include "beans/beanfactory.h"
#include "editor/ledit.h"
#include "widgets/fileerror.h"

namespace {

// The name the document has while it has no file.
const char* const Untitled = "untitled";

QString OfferText(const TRecoveryCopy& Copy) {
  const QString Name = Copy.FileName.isEmpty() ? QString("an untitled component")
                                               : QDir::toNativeSeparators(Copy.FileName);
  return QString("Corvane found unsaved changes to %1 from a session that ended unexpectedly.")
      .arg(Name);
}

}  // namespace

// Every change of the model and of the constructor text restarts the timer.
void TMainForm::WireRecovery() {
  FRecovery = std::make_unique<TRecoveryStore>();
  FRecoveryTimer = new QTimer(this);
  FRecoveryTimer->setSingleShot(true);
  connect(FRecoveryTimer, &QTimer::timeout, this, &TMainForm::UpdateRecoveryCopy);
  const auto Changed = [this] { ScheduleRecoveryCopy(); };
  TJSBDocument* Document = &Factory->Document();
  connect(Document, &TJSBDocument::FieldChanged, this, Changed);
  connect(Document, &TJSBDocument::ItemAdded, this, Changed);
  connect(Document, &TJSBDocument::ItemRemoved, this, Changed);
  connect(Document, &TJSBDocument::ModifiedChanged, this, Changed);
  connect(LEdit1->Scintilla(), &QsciScintilla::textChanged, this, Changed);
}

void TMainForm::ScheduleRecoveryCopy() {
  FRecoveryTimer->start(RecoveryDelay);
}

// A copy that cannot be written costs the document nothing: the next change
// tries again, and the user is not interrupted every few seconds.
void TMainForm::UpdateRecoveryCopy() {
  FRecoveryTimer->stop();
  if (CurrentFile.isEmpty() || !Factory->Bean() || !DocumentChanged()) {
    FRecovery->Remove();
    return;
  }
  try {
    FRecovery->Write(
        {CurrentFile == Untitled ? QString() : CurrentFile, Factory->FileText(), OpenedFile});
  } catch (const EFileError&) {
  }
}

// The first copy the user recovers is opened; the others stay for the next
// start. The recovered work is copied again before the old copy goes, and
// Save asks before it overwrites a change made to the file since the ended
// session read it.
bool TMainForm::OfferRecovery() {
  for (TStaleCopy& Stale : FRecovery->ClaimStaleCopies()) {
    const std::optional<TRecoveryCopy> Copy = Stale.Read();
    if (!Copy) continue;
    switch (FServices->AskRecovery(OfferText(*Copy))) {
      case TRecoveryAnswer::Keep:
        continue;
      case TRecoveryAnswer::Discard:
        Stale.Discard();
        continue;
      case TRecoveryAnswer::Recover:
        break;
    }
    const QString Name = Copy->FileName.isEmpty() ? QString(Untitled) : Copy->FileName;
    LEdit1->setVisible(true);
    SetCurrentFile(Name);
    Factory->LoadFromText(Copy->Text, Name);
    if (CurrentFile.isEmpty()) return false;  // not a component: nothing recovered
    OpenedFile = Copy->Opened;
    Factory->Document().SetModified(true);
    UpdateRecoveryCopy();
    Stale.Discard();
    return true;
  }
  return false;
}
