#include "regularfile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX

// The kind is looked at before anything is opened, and again on what was
// opened without waiting, in case the name was given to something else
// meanwhile. A name with a NUL in it names nothing: the system would read
// only the bytes before it.
bool OpenRegularFile(QFile& File, const std::string& FileName) {
  const char* Name = FileName.c_str();
  struct stat Info {};
  if (FileName.empty() || FileName.find('\0') != std::string::npos || ::stat(Name, &Info) != 0 ||
      !S_ISREG(Info.st_mode))
    return false;
  const int Fd = ::open(Name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (Fd < 0) return false;
  if (::fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode) && ::fcntl(Fd, F_SETFL, 0) == 0 &&
      File.open(Fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    return true;
  ::close(Fd);
  return false;
}

#else

bool OpenRegularFile(QFile& File, const std::string& FileName) {
  File.setFileName(QFile::decodeName(QByteArray::fromStdString(FileName)));
  return QFileInfo(File.fileName()).isFile() && File.open(QIODevice::ReadOnly);
}

#endif
