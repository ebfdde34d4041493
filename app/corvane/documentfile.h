// The document's file as the window keeps it: the stamp of the file as the
// window last read or wrote it, what another program did to the file since,
// and the recovery copy of unsaved work. The copy's text (the model's JSON) is
// made a slice at a time on the GUI thread, from the model, its captions and
// the constructor as they stand,
// and written and synced on a thread of its own.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/corvane/filestamp.h"
#include "app/corvane/recentfiles.h"
#include "app/corvane/recoverystore.h"
#include "widgets/textfile.h"

class QThread;
class TBeanFactory;
class TModelJsonBuilder;
class TRecoveryWriter;
class TWindowServices;

// What the document's file asks of the window.
class TDocumentFileWindow {
 public:
  virtual ~TDocumentFileWindow() = default;
  // The document's file: empty for none, "untitled" before its first save.
  virtual QString FileName() const = 0;
  // The component or the constructor text holds changes not saved.
  virtual bool Unsaved() const = 0;
  // A save or its prompt is asking: the file is not reloaded meanwhile.
  virtual bool Saving() const = 0;
  virtual void EndPendingRename() = 0;
  // Reads the file again, the tree keeping its selection where it can.
  virtual void Reload() = 0;
  virtual TWindowServices& Services() = 0;
};

class TDocumentFile : public QObject {
  Q_OBJECT

 public:
  // Every change of the factory's document and constructor text restarts
  // the copy's delay.
  TDocumentFile(TBeanFactory& Factory, TDocumentFileWindow& Window, QObject* Parent);
  ~TDocumentFile() override;

  // The file as the window last read or wrote it.
  const TFileStamp& Opened() const { return FOpened; }
  // Before the file is read, so that a change made meanwhile is taken for a
  // change behind our back rather than missed.
  void Reading(const QString& FileName);
  // After a save, with the hash of the bytes as they were written. Until the
  // file has settled its metadata cannot stand for those bytes; then it is
  // stamped again, off the GUI thread, so that the next save or activation
  // need not read it.
  void Written(const QString& FileName, const TFileHash& Hash);
  // No file any more.
  void Closed();
  // The file was opened or saved by the user: it goes on the desktop's list
  // of recently used files, off the GUI thread.
  void Used(const QString& FileName);
  TRecentFiles& Recent() { return *FRecent; }

  // Before Save overwrites the file: false when it changed on disk and the
  // user did not agree to overwrite it.
  bool ConfirmOverwriteChanged();
  // On activation: reloads a changed file, asking first when there are
  // unsaved changes; a No stands until the file changes again. A file gone
  // from the disk is told of once, and the document counts as changed.
  void CheckChangedOnDisk();

  // Crash recovery. While the document has unsaved changes, a copy of it is
  // written RecoveryDelay milliseconds after the last change, and at the
  // latest RecoveryDeadline after the first change it does not hold, however
  // the changes keep coming; Save, Close without saving and a normal end
  // remove it.
  int RecoveryDelay = 3000;
  int RecoveryDeadline = 5000;
  TRecoveryStore& Recovery() { return *FStore; }
  void ScheduleRecoveryCopy();
  // Begins the copy now, or removes it (and waits for that) when nothing is
  // unsaved.
  void UpdateRecoveryCopy();
  // Waits until the copy asked for is written or removed; false when that
  // failed.
  bool Flush();
  // A copy is due or its text is being made.
  bool CopyPending() const { return FDelay.isActive() || FDeadline.isActive() || FBuilder; }
  // Offers each copy that an ended session left; Open opens the one the
  // user recovers, false when it held no component. The old copy goes only
  // once the recovered work's own copy is written and synced. True when one
  // was opened.
  bool OfferRecovery(const std::function<bool(const TRecoveryCopy&)>& Open);

 private:
  void Abandon();
  void Settle();
  // Makes the copy's text for a slice of time, then yields to the events;
  // Whole makes it all at once.
  void ContinueCopy(bool Whole);

  TBeanFactory& FFactory;
  TDocumentFileWindow& FWindow;
  TFileStamp FOpened;
  // The change on disk the user chose not to reload; not asked about again.
  TFileStamp FDeclinedReload;
  bool FChecking = false;
  bool FToldGone = false;  // the user knows the file is no longer there
  void TellGone(const QString& Name);
  // Once a session: no copy can be kept, and why.
  bool FToldUnprotected = false;
  void TellUnprotected(const QString& Why);
  std::unique_ptr<TRecoveryStore> FStore;
  std::unique_ptr<TRecentFiles> FRecent;
  std::unique_ptr<TRecoveryWriter> FWriter;  // goes before the store
  QTimer FDelay, FDeadline, FSlices, FSettle;
  QThread* FStamping = nullptr;
  TFileStamp FSettled;  // written by FStamping, read once it has finished
  std::unique_ptr<TModelJsonBuilder> FBuilder;
  TRecoveryCopy FCopy;  // all but the text, while it is made
};
