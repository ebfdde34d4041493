#include "app/corvane/documentfile.h"

#include <QDir>
#include <QThread>
#include <chrono>

#include "app/corvane/recoverywriter.h"
#include "app/corvane/windowservices.h"
#include "beans/beanfactory.h"
#include "beans/modeljson.h"
#include "beans/uitext.h"
#include "widgets/messages.h"

namespace {

// A slice of the copy's making, and the items made between looks at the clock.
constexpr auto SliceTime = std::chrono::milliseconds(8);
constexpr int ItemsPerStep = 512;
// A little longer than a stamp needs to vouch for a file's bytes.
constexpr int SettleDelay = 2100;

QString OfferText(const TRecoveryCopy& Copy) {
  const QString Name = Copy.FileName.isEmpty() ? TDocumentFile::tr("an untitled component")
                                               : QDir::toNativeSeparators(Copy.FileName);
  if (!Copy.Damaged)
    return TDocumentFile::tr(
               "Corvane found unsaved changes to %1 from a session that ended unexpectedly.")
        .arg(Name);
  return TDocumentFile::tr(
             "Corvane found unsaved changes to %1 from a session that ended "
             "unexpectedly. The copy is damaged: only what is left of it can be "
             "recovered.")
      .arg(Name);
}

}  // namespace

TDocumentFile::TDocumentFile(TBeanFactory& Factory, TDocumentFileWindow& Window, QObject* Parent)
    : QObject(Parent),
      FFactory(Factory),
      FWindow(Window),
      FStore(std::make_unique<TRecoveryStore>()),
      FRecent(std::make_unique<TRecentFiles>(TRecentPlaces::Desktop(FStore->Folder()))),
      FWriter(std::make_unique<TRecoveryWriter>(*FStore, [this](const std::string& Why) {
        QMetaObject::invokeMethod(
            this, [this, Why] { TellUnprotected(QString::fromStdString(Why)); },
            Qt::QueuedConnection);
      })) {
  for (QTimer* Timer : {&FDelay, &FDeadline}) {
    Timer->setSingleShot(true);
    connect(Timer, &QTimer::timeout, this, &TDocumentFile::UpdateRecoveryCopy);
  }
  FSlices.setSingleShot(true);
  connect(&FSlices, &QTimer::timeout, this, [this] { ContinueCopy(false); });
  FSettle.setSingleShot(true);
  connect(&FSettle, &QTimer::timeout, this, &TDocumentFile::Settle);
  // A value changed leaves a copy being made safe to go on with: its text
  // holds each item as it was when its tag was made, and the change is
  // copied next. An item added or taken out moves the items after it.
  const auto Changed = [this] { ScheduleRecoveryCopy(); };
  const auto Moved = [this] {
    Abandon();
    ScheduleRecoveryCopy();
  };
  TJSBDocument* Document = &Factory.Document();
  connect(Document, &TJSBDocument::FieldChanged, this, Changed);
  connect(Document, &TJSBDocument::ItemAdded, this, Moved);
  connect(Document, &TJSBDocument::ItemRemoved, this, Moved);
  connect(Document, &TJSBDocument::ModifiedChanged, this, Changed);
  // A copy being made must never look at a component that went.
  connect(Document, &TJSBDocument::BeanReplaced, this, &TDocumentFile::Abandon);
}

TDocumentFile::~TDocumentFile() {
  if (FStamping) FStamping->wait();
}

void TDocumentFile::Reading(const QString& FileName) {
  FOpened = TFileStamp::Of(FileName);
  FDeclinedReload = {};
  FToldGone = false;
}

void TDocumentFile::Written(const QString& FileName, const TFileHash& Hash) {
  FOpened = TFileStamp::Written(FileName, QByteArray::fromStdString(Hash));
  FDeclinedReload = {};
  FToldGone = false;
  FSettle.start(SettleDelay);
}

// The new stamp replaces the kept one only while that is still the one this
// looked at, and only for the same bytes.
void TDocumentFile::Settle() {
  const QString Name = FWindow.FileName();
  if (FStamping || !FOpened.Exists || Name.isEmpty()) return;
  const TFileStamp Known = FOpened;
  FStamping = QThread::create([this, Name, Known] { FSettled = TFileStamp::Of(Name, Known); });
  connect(FStamping, &QThread::finished, this, [this, Known] {
    FStamping->deleteLater();
    FStamping = nullptr;
    if (FOpened == Known && FSettled.Exists && !FSettled.ChangedSince(Known)) FOpened = FSettled;
  });
  FStamping->start();
}

void TDocumentFile::Used(const QString& FileName) {
  FRecent->Add(FileName);
}

void TDocumentFile::Closed() {
  FOpened = {};
  FDeclinedReload = {};
}

bool TDocumentFile::ConfirmOverwriteChanged() {
  const QString Name = FWindow.FileName();
  if (!FOpened.Exists || !TFileStamp::Of(Name, FOpened).ChangedSince(FOpened)) return true;
  return FWindow.Services().Confirm(
             tr("%1 has been changed by another program since it was opened. Overwrite it?")
                 .arg(Name)) == mrYes;
}

// A save that is asking is left to finish: it either writes the file or
// leaves the change for the next activation.
void TDocumentFile::CheckChangedOnDisk() {
  const QString Name = FWindow.FileName();
  if (FChecking || FWindow.Saving() || Name.isEmpty() || !FOpened.Exists) return;
  // The newest stamp of the bytes seen spares reading them while the file
  // looks as it did; a stamp of the same bytes taken later replaces it, so
  // that a file just written is trusted once it has settled.
  TFileStamp& Seen = FDeclinedReload.Exists ? FDeclinedReload : FOpened;
  const TFileStamp Now = TFileStamp::Of(Name, Seen);
  if (!Now.Exists) return TellGone(Name);
  FToldGone = false;
  if (!Now.ChangedSince(Seen)) {
    Seen = Now;
    return;
  }
  if (!Now.ChangedSince(FOpened)) {
    FOpened = Now;
    return;
  }
  FChecking = true;
  FWindow.EndPendingRename();
  if (FWindow.Unsaved() &&
      !FWindow.Services().AskYesNo(
          tr("%1 has been changed by another program. Reload it and lose your changes?").arg(Name)))
    FDeclinedReload = Now;
  else
    FWindow.Reload();
  FChecking = false;
}

// Changes that keep coming put the copy off only so far: the first change a
// copy does not hold is copied RecoveryDeadline after it at the latest.
// The work is now all there is of the file, so it counts as unsaved.
void TDocumentFile::TellGone(const QString& Name) {
  if (FToldGone) return;
  FToldGone = true;
  FFactory.Document().SetModified(true);
  FWindow.Services().Info(tr("%1 no longer exists. Save will create it again.").arg(Name));
}

void TDocumentFile::TellUnprotected(const QString& Why) {
  if (FToldUnprotected) return;
  FToldUnprotected = true;
  FWindow.Services().Info(tr("Corvane cannot keep a recovery copy of unsaved work (%1), so a "
                             "crash would lose it. Save your work often.")
                              .arg(Why));
}

void TDocumentFile::ScheduleRecoveryCopy() {
  FDelay.start(RecoveryDelay);
  if (!FDeadline.isActive()) FDeadline.start(RecoveryDeadline);
}

void TDocumentFile::Abandon() {
  FSlices.stop();
  FBuilder.reset();
}

void TDocumentFile::UpdateRecoveryCopy() {
  FDelay.stop();
  FDeadline.stop();
  Abandon();
  const QString Name = FWindow.FileName();
  const TJSBean* Bean = FFactory.Bean();
  if (Name.isEmpty() || !Bean || !FWindow.Unsaved()) {
    FWriter->Remove();
    FWriter->Flush();
    return;
  }
  FCopy = {Name == "untitled" ? QString() : Name, {}, FOpened, std::nullopt};
  FCopy.Model = true;
  FBuilder = FFactory.ModelBuilder();
  ContinueCopy(false);
}

void TDocumentFile::ContinueCopy(bool Whole) {
  if (!FBuilder) return;
  const auto Start = std::chrono::steady_clock::now();
  while (!FBuilder->Step(ItemsPerStep))
    if (!Whole && std::chrono::steady_clock::now() - Start > SliceTime) {
      FSlices.start(0);
      return;
    }
  std::vector<std::string> Blocks = std::move(*FBuilder).Finish();
  FBuilder.reset();
  FWriter->Write(std::move(FCopy), std::move(Blocks));
}

bool TDocumentFile::Flush() {
  ContinueCopy(true);
  return FWriter->Flush();
}

bool TDocumentFile::OfferRecovery(const std::function<bool(const TRecoveryCopy&)>& Open) {
  for (TStaleCopy& Stale : FStore->ClaimStaleCopies()) {
    const std::optional<TRecoveryCopy> Copy = Stale.Read();
    // What cannot be read as a copy is set aside once, never deleted.
    if (!Copy) {
      Stale.SetAside();
      continue;
    }
    switch (FWindow.Services().AskRecovery(OfferText(*Copy))) {
      case TRecoveryAnswer::Keep:
        if (Copy->Damaged) Stale.SetAside();
        continue;
      case TRecoveryAnswer::Discard:
        Stale.Discard();
        continue;
      case TRecoveryAnswer::Recover:
        break;
    }
    // What holds no component is kept where no start offers it again.
    if (!Open(*Copy)) {
      Stale.SetAside();
      return false;
    }
    FOpened = Copy->Opened;
    FDeclinedReload = {};
    UpdateRecoveryCopy();
    if (Flush()) Stale.Discard();
    return true;
  }
  return false;
}
