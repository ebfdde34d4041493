#include "inputs.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool IsJsbName(const fs::path& Path) {
  std::string Extension = Path.extension().string();
  std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                 [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  return Extension == ".jsb";
}

// Whether Path, once its links are resolved, lies inside Root (resolved).
bool Inside(const fs::path& Path, const fs::path& Root) {
  std::error_code Error;
  const fs::path Target = fs::canonical(Path, Error);
  if (Error) return false;
  const auto [RootEnd, Unused] =
      std::mismatch(Root.begin(), Root.end(), Target.begin(), Target.end());
  (void)Unused;
  return RootEnd == Root.end();
}

// The JSB files of Folder; false when it could not be read.
bool FilesOf(const fs::path& Folder, bool Recursive, std::vector<std::string>& Out,
             std::ostream& Err) {
  std::error_code Error;
  const fs::path Root = fs::canonical(Folder, Error);
  std::vector<std::string> Found;
  const auto Take = [&](const fs::directory_entry& Entry) {
    if (!IsJsbName(Entry.path())) return;
    std::error_code E;
    if (!Entry.is_regular_file(E)) return;
    if (Entry.is_symlink(E) && !Inside(Entry.path(), Root)) return;
    Found.push_back(Entry.path().string());
  };
  if (Recursive) {
    fs::recursive_directory_iterator It(Folder, fs::directory_options::none, Error), End;
    for (; !Error && It != End; It.increment(Error))
      Take(*It);
  } else {
    fs::directory_iterator It(Folder, Error), End;
    for (; !Error && It != End; It.increment(Error))
      Take(*It);
  }
  if (Error) {
    Err << "jsbtool: Cannot read folder " << Folder.string() << ": " << Error.message() << '\n';
    return false;
  }
  std::sort(Found.begin(), Found.end());
  Out.insert(Out.end(), Found.begin(), Found.end());
  return true;
}

}  // namespace

TInputs ExpandInputs(const std::vector<std::string>& Names, bool Recursive, std::ostream& Err) {
  TInputs Inputs;
  for (const std::string& Name : Names) {
    std::error_code Error;
    if (Name != "-" && fs::is_directory(Name, Error)) {
      if (!FilesOf(Name, Recursive, Inputs.Files, Err)) Inputs.Failed = true;
    } else {
      Inputs.Files.push_back(Name);
    }
  }
  return Inputs;
}
