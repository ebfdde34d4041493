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
  QCryptographicHash Hash(QCryptographicHash::Sha256);
  if (File.open(QIODevice::ReadOnly) && Hash.addData(&File)) Stamp.Hash = Hash.result();
  return Stamp;
}
