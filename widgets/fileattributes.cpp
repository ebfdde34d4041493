#include "fileattributes.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

// The owner first: changing it clears the set-user and set-group bits, which
// the mode then puts back. A process that may not give the file away may
// still give it a group it belongs to.
void KeepFileAttributes(const QString& FileName, QFileDevice& Replacement) {
  struct stat Old {};
  const int Fd = Replacement.handle();
  if (Fd < 0 || ::stat(QFile::encodeName(FileName).constData(), &Old) != 0) return;
  if (::fchown(Fd, Old.st_uid, Old.st_gid) != 0)
    (void)!::fchown(Fd, static_cast<uid_t>(-1), Old.st_gid);
  (void)!::fchmod(Fd, Old.st_mode & 07777);
}

#else

// Elsewhere the platform's replace keeps what the file system has to keep.
void KeepFileAttributes(const QString&, QFileDevice&) {}

#endif
