// Shared by the fuzz targets: a failed property stops the run, and libFuzzer
// keeps the input that broke it; targets that need files make them in a
// folder of their own.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#define FUZZ_CHECK(Condition)                                                                \
  do {                                                                                       \
    if (!(Condition)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #Condition, __FILE__, __LINE__); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

// A new folder under TMPDIR (or /tmp), made at the first call and removed with
// everything in it when the process ends normally.
class TFuzzScratchFolder {
 public:
  TFuzzScratchFolder() {
    const char* Base = std::getenv("TMPDIR");
    Path_ = std::string(Base && *Base ? Base : "/tmp") + "/corvane-fuzz-XXXXXX";
    if (!mkdtemp(Path_.data())) {
      std::perror("cannot make a scratch folder");
      std::abort();
    }
  }
  ~TFuzzScratchFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(Path_, Ignored);
  }
  TFuzzScratchFolder(const TFuzzScratchFolder&) = delete;
  TFuzzScratchFolder& operator=(const TFuzzScratchFolder&) = delete;
  const std::string& Path() const { return Path_; }

 private:
  std::string Path_;
};

inline const std::string& FuzzScratchFolder() {
  static const TFuzzScratchFolder Folder;
  return Folder.Path();
}
