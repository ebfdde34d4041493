// Ways for a test to make writes fail as a full disk does: a small real
// file system where the test may mount one, and everywhere a limit on the
// size of the files this process writes.
#pragma once

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

// While it lives, no file this process writes grows past Bytes: the write that
// would pass the limit fails with "File too large" instead of ending the process.
class TWriteLimit {
 public:
  explicit TWriteLimit(rlim_t Bytes) {
    getrlimit(RLIMIT_FSIZE, &FOld);
    FOldSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit New = FOld;
    New.rlim_cur = Bytes;
    setrlimit(RLIMIT_FSIZE, &New);
  }
  ~TWriteLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    signal(SIGXFSZ, FOldSignal);
  }
  TWriteLimit(const TWriteLimit&) = delete;
  TWriteLimit& operator=(const TWriteLimit&) = delete;

 private:
  rlimit FOld{};
  sighandler_t FOldSignal = SIG_DFL;
};

// A 64 KiB memory file system mounted on Folder while it lives; Mounted() is
// false where this process may not mount one (not root, or in a container).
class TSmallDisk {
 public:
  explicit TSmallDisk(const std::string& Folder) : FFolder(Folder) {
    FMounted = geteuid() == 0 && mount("tmpfs", Folder.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~TSmallDisk() {
    if (FMounted) umount2(FFolder.c_str(), MNT_DETACH);
  }
  TSmallDisk(const TSmallDisk&) = delete;
  TSmallDisk& operator=(const TSmallDisk&) = delete;
  bool Mounted() const { return FMounted; }

 private:
  std::string FFolder;
  bool FMounted = false;
};
