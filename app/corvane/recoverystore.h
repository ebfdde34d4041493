// Recovery copies of unsaved work. Each window writes its copy to a file of
// its own in the user's application data folder and holds a lock beside it
// while it lives; a copy whose lock no live process holds was left by a
// session that ended unexpectedly, and is offered at the next start.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/corvane/filestamp.h"
#include "beans/encoding.h"

class QLockFile;

// What a recovery copy holds: the file the work belongs to (empty for an
// unnamed document), that file as the session last read or wrote it, and the
// work: the model's JSON, which keeps every value as typed and the encoding
// too. Copies of earlier versions hold JSB text in UTF-8 and the encoding
// Save would write it in, or, earlier still, the text as Save would write it
// and no encoding.
struct TRecoveryCopy {
  QString FileName;
  std::string Text;
  TFileStamp Opened;
  std::optional<TTextEncoding> Encoding;
  // The text is shorter than it was written, or other: what is left of it.
  bool Damaged = false;
  bool Model = false;  // the text is the model's JSON
};

// A copy left by an ended session, claimed by this process: its lock is held
// while the copy is offered, so that no other window offers it meanwhile.
// Letting it go without Discard keeps the copy for the next start.
class TStaleCopy {
 public:
  TStaleCopy(QString Path, std::unique_ptr<QLockFile> Lock);
  TStaleCopy(TStaleCopy&&) noexcept;
  TStaleCopy& operator=(TStaleCopy&&) noexcept;
  ~TStaleCopy();

  const QString& Path() const { return FPath; }
  // The copy's contents; none when it cannot be read or is not a copy.
  std::optional<TRecoveryCopy> Read() const;
  // Removes the copy and its lock.
  void Discard();
  // Keeps the copy under another name, where no start offers it again.
  void SetAside();

 private:
  QString FPath;
  std::unique_ptr<QLockFile> FLock;
};

class TRecoveryStore {
 public:
  // Folder empty: DefaultFolder().
  explicit TRecoveryStore(QString Folder = QString());
  // The "recovery" folder in the user's application data folder.
  static QString DefaultFolder();
  // A normal end removes this session's copy.
  ~TRecoveryStore();
  TRecoveryStore(const TRecoveryStore&) = delete;
  TRecoveryStore& operator=(const TRecoveryStore&) = delete;

  const QString& Folder() const { return FFolder; }
  // Where this session's copy goes; unique to this store.
  QString CopyPath() const;
  // Replaces this session's copy in one piece, holding its lock first.
  // Raises EFileError when the lock cannot be taken or the copy written.
  void Write(const TRecoveryCopy& Copy);
  // Removes this session's copy, then its lock.
  void Remove();
  bool HasCopy() const;

  // Copies whose session has ended, oldest first, each claimed for this
  // process (or, where the folder takes no lock, unclaimed); copies of live
  // sessions (this one included) are left alone.
  std::vector<TStaleCopy> ClaimStaleCopies() const;

  // The bytes of a copy file and back.
  static std::string Encode(const TRecoveryCopy& Copy);
  static std::optional<TRecoveryCopy> Decode(const std::string& Bytes);

 private:
  QString FFolder;
  QString FId;
  std::unique_ptr<QLockFile> FLock;
};
