// What a file looked like when the window last read or wrote it, so that a
// change by another program can be told from our own.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct TFileStamp {
  bool Exists = false;
  qint64 Size = 0;
  QDateTime Modified;
  QByteArray Hash;  // of the file's bytes
  // What the file system says of the file besides its size, exact to the
  // nanosecond where it keeps them; zero where the platform tells none.
  qint64 ModifiedNs = 0;
  qint64 ChangedNs = 0;  // the inode's change time
  quint64 Device = 0;
  quint64 Inode = 0;
  qint64 TakenNs = 0;  // when the stamp was taken, by the same clock

  // The file as it is now; a file that cannot be read has no hash. The bytes
  // are read and hashed only where Known does not vouch for them.
  static TFileStamp Of(const QString& Path, const TFileStamp& Known);
  static TFileStamp Of(const QString& Path) { return Of(Path, TFileStamp()); }
  // The file just written with bytes of this hash, which need no reading.
  static TFileStamp Written(const QString& Path, const QByteArray& Hash);

  // Whether this stamp's hash holds for a file that now shows Now's metadata:
  // the same size, times, device and inode, and a modification old enough at
  // the taking of this stamp that a write within the same tick of the file
  // system's clock could not have followed unseen.
  bool Vouches(const TFileStamp& Now) const;
  // The same file with the same metadata; when it was stamped does not count.
  bool operator==(const TFileStamp& Other) const;
  // Whether the file holds other bytes than Then recorded; a file touched
  // but not rewritten with other bytes, and a file that is gone, count as
  // unchanged, since overwriting or keeping them loses nothing.
  bool ChangedSince(const TFileStamp& Then) const {
    return Exists && (!Then.Exists || Size != Then.Size || Hash != Then.Hash);
  }
};
