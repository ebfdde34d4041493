#include "fileattributes.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

// The owner first: changing it clears the set-user and set-group bits, which
// the mode then puts back. A process that may not give the file away may
// still give it a group it belongs to. What the replacement already has is
// left alone, so that its inode is not changed and synced again for nothing.
void KeepFileAttributes(const std::string& FileName, QFileDevice& Replacement) {
  struct stat Old {
  }, New{};
  const int Fd = Replacement.handle();
  if (Fd < 0 || ::stat(FileName.c_str(), &Old) != 0) return;
  bool Known = ::fstat(Fd, &New) == 0;
  if (!Known || New.st_uid != Old.st_uid || New.st_gid != Old.st_gid) {
    if (::fchown(Fd, Old.st_uid, Old.st_gid) != 0)
      (void)!::fchown(Fd, static_cast<uid_t>(-1), Old.st_gid);
    Known = false;
  }
  if (!Known || (New.st_mode & 07777) != (Old.st_mode & 07777))
    (void)!::fchmod(Fd, Old.st_mode & 07777);
}

#else

// Elsewhere the platform's replace keeps what the file system has to keep.
void KeepFileAttributes(const std::string&, QFileDevice&) {}

#endif
