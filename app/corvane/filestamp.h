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

  // The file as it is now; a file that cannot be read has no hash.
  static TFileStamp Of(const QString& Path);
  bool operator==(const TFileStamp&) const = default;
  // Whether the file holds other bytes than Then recorded; a file touched
  // but not rewritten with other bytes, and a file that is gone, count as
  // unchanged, since overwriting or keeping them loses nothing.
  bool ChangedSince(const TFileStamp& Then) const {
    return Exists && (!Then.Exists || Size != Then.Size || Hash != Then.Hash);
  }
};
