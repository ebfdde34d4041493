// gauger's seven exports against their rules. The input holds two strings
// separated by a NUL: two versions to split and compare, and a name or pattern
// looked up in a temporary folder of known entries.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fuzzsupport.h"
#include "gauger.h"

namespace fs = std::filesystem;

namespace {

std::string RefMajor(const std::string& V) {
  return V.substr(0, V.find('b'));
}

std::optional<std::string> RefMinor(const std::string& V) {
  const size_t B = V.find('b');
  if (B == std::string::npos) return std::nullopt;
  return V.substr(B + 1);
}

int RefCompareStrings(const std::string& L, const std::string& R) {
  const auto Up = [](const std::string& S, size_t I) {
    const int C = I < S.size() ? static_cast<unsigned char>(S[I]) : 0;
    return C >= 'a' && C <= 'z' ? C - 32 : C;
  };
  for (size_t I = 0;; ++I)
    if (Up(L, I) != Up(R, I) || Up(L, I) == 0) return Up(L, I) - Up(R, I);
}

int RefCompareVersions(const std::string& L, const std::string& R) {
  const int Major = RefCompareStrings(RefMajor(L), RefMajor(R));
  if (Major != 0) return Major;
  const std::optional<std::string> Ml = RefMinor(L), Mr = RefMinor(R);
  if (Ml && Mr) return RefCompareStrings(*Ml, *Mr);
  return Ml ? -1 : Mr ? 1 : 0;
}

// '*' matches any run of bytes, '?' one byte; the whole name must match.
bool RefMatch(const std::string& Pattern, const std::string& Name) {
  std::vector<std::vector<bool>> M(Pattern.size() + 1, std::vector<bool>(Name.size() + 1));
  M[0][0] = true;
  for (size_t P = 1; P <= Pattern.size(); ++P)
    for (size_t N = 0; N <= Name.size(); ++N) {
      const char C = Pattern[P - 1];
      M[P][N] = C == '*' ? M[P - 1][N] || (N > 0 && M[P][N - 1])
                         : N > 0 && M[P - 1][N - 1] && (C == '?' || C == Name[N - 1]);
    }
  return M[Pattern.size()][Name.size()];
}

const std::vector<std::string> Entries = {"plain",  "ro",   ".hidden", "dir",
                                          ".hfile", "fifo", "link",    "dangling"};

// The folder, made once per process.
const std::string& Folder() {
  static const std::string Dir = [] {
    const std::string D = FuzzScratchFolder() + "/files";
    fs::create_directories(D + "/.hidden");
    fs::create_directories(D + "/dir");
    std::ofstream(D + "/plain") << "x";
    std::ofstream(D + "/ro") << "x";
    fs::permissions(D + "/ro", fs::perms::owner_read);
    std::ofstream(D + "/.hfile") << "x";
    mkfifo((D + "/fifo").c_str(), 0600);
    fs::create_symlink(D + "/plain", D + "/link");
    fs::create_symlink(D + "/missing", D + "/dangling");
    return D;
  }();
  return Dir;
}

bool RefFileExist(const std::string& Pattern) {
  for (const std::string& E : Entries) {
    std::error_code Error;
    if (RefMatch(Pattern, E) && (E[0] == '.' || fs::is_regular_file(Folder() + "/" + E, Error)))
      return true;
  }
  return false;
}

std::string Taken(char* Result) {
  const std::string S = Result;
  std::free(Result);
  return S;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string Input(reinterpret_cast<const char*>(Data), Size);
  const std::string L = Input.c_str();
  const std::string R = L.size() < Input.size() ? Input.c_str() + L.size() + 1 : "";

  FUZZ_CHECK(Taken(getMajorVersion(L.c_str())) == RefMajor(L));
  char* Minor = getMinorVersion(L.c_str());
  FUZZ_CHECK((Minor ? std::optional<std::string>(Taken(Minor)) : std::nullopt) == RefMinor(L));
  FUZZ_CHECK(compareStrings(L.c_str(), R.c_str()) == RefCompareStrings(L, R));
  FUZZ_CHECK(compareVersions(L.c_str(), R.c_str()) == RefCompareVersions(L, R));

  const std::string Path = Folder() + "/" + R;
  std::error_code Error;
  const bool Wild = R.find_first_of("*?") != std::string::npos;
  FUZZ_CHECK(direxist(Path.c_str()) == (!Wild && fs::exists(Path, Error)));
  if (R.find('/') == std::string::npos) FUZZ_CHECK(fileexist(Path.c_str()) == RefFileExist(R));

  const std::time_t Before = std::time(nullptr);
  const std::int32_t Now = GetTime();
  FUZZ_CHECK(Before <= Now && Now <= std::time(nullptr));
  return 0;
}
