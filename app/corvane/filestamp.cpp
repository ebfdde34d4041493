#include "app/corvane/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

TFileStamp TFileStamp::Of(const QString& Path) {
  const QFileInfo Info(Path);
  TFileStamp Stamp;
  if (!Info.isFile()) return Stamp;
  Stamp.Exists = true;
  Stamp.Size = Info.size();
  Stamp.Modified = Info.lastModified();
  QFile File(Path);
  // The hash tells another program's change from none, not an attack from a
  // change: SHA-1 does that at five times the pace of SHA-256, which took a
  // sixth of the time to open a large file.
  QCryptographicHash Hash(QCryptographicHash::Sha1);
  if (File.open(QIODevice::ReadOnly) && Hash.addData(&File)) Stamp.Hash = Hash.result();
  return Stamp;
}
