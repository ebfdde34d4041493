#include "tempdir.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

TTempDir::TTempDir(const std::string& Given) {
  if (!Given.empty()) {
    FPath = Given;
    std::filesystem::create_directories(FPath);
    return;
  }
  std::string Pattern = (std::filesystem::temp_directory_path() / "jsbbench-XXXXXX").string();
  if (!mkdtemp(Pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  FPath = Pattern;
  FOwned = true;
}

TTempDir::~TTempDir() {
  std::error_code Ignored;
  for (const auto& F : FFiles)
    std::filesystem::remove(F, Ignored);
  if (FOwned) std::filesystem::remove_all(FPath, Ignored);
}

std::string TTempDir::File(const std::string& Name) {
  FFiles.push_back(FPath / Name);
  return FFiles.back().string();
}
