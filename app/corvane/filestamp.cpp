#include "app/corvane/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "beans/uitext.h"
#include "widgets/regularfile.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <time.h>
#endif

namespace {

// A modification this close to the taking of a stamp may be followed by
// another within the same tick of the file system's clock.
constexpr qint64 SettledNs = 2'000'000'000;

#ifdef Q_OS_UNIX
qint64 Nanoseconds(const timespec& Time) {
  return static_cast<qint64>(Time.tv_sec) * 1'000'000'000 + Time.tv_nsec;
}

qint64 NowNs() {
  timespec Now{};
  clock_gettime(CLOCK_REALTIME, &Now);
  return Nanoseconds(Now);
}

// Size, times and identity from one call; false for anything but a file.
bool ReadMetadata(const QString& Path, TFileStamp& Stamp) {
  struct stat Info {};
  const std::string Name = FileNameBytes(Path);
  if (Name.find('\0') != std::string::npos || stat(Name.c_str(), &Info) != 0 ||
      !S_ISREG(Info.st_mode))
    return false;
  Stamp.Size = Info.st_size;
  Stamp.ModifiedNs = Nanoseconds(Info.st_mtim);
  Stamp.ChangedNs = Nanoseconds(Info.st_ctim);
  Stamp.Modified = QDateTime::fromMSecsSinceEpoch(Stamp.ModifiedNs / 1'000'000);
  Stamp.Device = Info.st_dev;
  Stamp.Inode = Info.st_ino;
  return true;
}
#else
qint64 NowNs() {
  return QDateTime::currentMSecsSinceEpoch() * 1'000'000;
}

bool ReadMetadata(const QString& Path, TFileStamp& Stamp) {
  const QFileInfo Info(Path);
  if (!Info.isFile()) return false;
  Stamp.Size = Info.size();
  Stamp.Modified = Info.lastModified();
  Stamp.ModifiedNs = Stamp.Modified.toMSecsSinceEpoch() * 1'000'000;
  Stamp.ChangedNs = Info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000;
  return true;
}
#endif

// The hash tells another program's change from none, not an attack from a
// change: SHA-1 does that at five times the pace of SHA-256, which took a
// sixth of the time to open a large file.
QByteArray HashOf(const QString& Path) {
  QFile File;
  QCryptographicHash Hash(QCryptographicHash::Sha1);
  if (OpenRegularFile(File, FileNameBytes(Path)) && Hash.addData(&File)) return Hash.result();
  return {};
}

bool SameMetadata(const TFileStamp& A, const TFileStamp& B) {
  return A.Exists == B.Exists && A.Size == B.Size && A.ModifiedNs == B.ModifiedNs &&
         A.ChangedNs == B.ChangedNs && A.Device == B.Device && A.Inode == B.Inode;
}

// The file's metadata, taken now; no file without them.
TFileStamp WithoutHash(const QString& Path) {
  TFileStamp Stamp;
  Stamp.TakenNs = NowNs();
  if (!ReadMetadata(Path, Stamp)) return {};
  Stamp.Exists = true;
  return Stamp;
}

}  // namespace

bool TFileStamp::Vouches(const TFileStamp& Now) const {
  return Exists && !Hash.isEmpty() && SameMetadata(*this, Now) &&
         TakenNs - ModifiedNs >= SettledNs && TakenNs - ChangedNs >= SettledNs;
}

bool TFileStamp::operator==(const TFileStamp& Other) const {
  return SameMetadata(*this, Other) && Modified == Other.Modified && Hash == Other.Hash;
}

TFileStamp TFileStamp::Of(const QString& Path, const TFileStamp& Known) {
  TFileStamp Stamp = WithoutHash(Path);
  if (Stamp.Exists) Stamp.Hash = Known.Vouches(Stamp) ? Known.Hash : HashOf(Path);
  return Stamp;
}

TFileStamp TFileStamp::Written(const QString& Path, const QByteArray& Hash) {
  TFileStamp Stamp = WithoutHash(Path);
  if (Stamp.Exists) Stamp.Hash = Hash;
  return Stamp;
}
