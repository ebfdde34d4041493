// A folder for the generated files that is removed again with its contents.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TTempDir {
 public:
  // A new folder under the system's temporary folder, or Given when it is not
  // empty (created when missing). Only a folder made here is removed again;
  // in a given folder only the files named through File are removed.
  explicit TTempDir(const std::string& Given = {});
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  // The full path of a file called Name in the folder; it is removed later.
  std::string File(const std::string& Name);
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
  bool FOwned = false;
  std::vector<std::filesystem::path> FFiles;
};
