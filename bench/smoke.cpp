#include "smoke.h"

#include <cstdio>
#include <exception>

#include "beangen.h"
#include "beans/jsbwriter.h"
#include "benchsize.h"
#include "tempdir.h"

namespace {

constexpr std::size_t SmokeBytes = 64 * 1024;

// The generator must make every kind of item, or the comparison proves little.
bool HasEveryKind(const TItemCounts& C) {
  return C.Properties > 0 && C.Methods > 0 && C.Parameters > 0 && C.Events > 0 && C.Interfaces > 0;
}

std::string CheckOnce(TTempDir& Dir, TMemoryProbe& Probe) {
  const TGeneratedBean G = GenerateBean(SmokeBytes);
  if (!HasEveryKind(G.Counts)) return "the generator left out a kind of item";
  const std::string File = Dir.File("smoke.jsb");
  WriteJSBFile(File, *G.Bean, G.Constructor);
  std::string Problem = CompareReadBack(G, ReadBack(File));
  if (!Problem.empty()) return Problem;
  const TSizeResult S =
      BenchSize("smoke", SmokeBytes, File, Dir.File("smoke-out.jsb"), {1, &Probe});
  if (S.Counts != G.Counts) return "a second generation gave other counts";
  if (S.Bytes < SmokeBytes || S.Bytes > SmokeBytes + SmokeBytes / 20)
    return "the file is not within 5% of the size asked for";
  // The reader holds at least the whole text while it runs.
  if (S.Memory.Growth() < S.Bytes) return "the memory child saw less growth than the file size";
  return {};
}

}  // namespace

int RunSmoke(const std::string& Program, const std::string& Folder) {
  try {
    TMemoryProbe Probe(Program);
    TTempDir Dir(Folder);
    const std::string Problem = CheckOnce(Dir, Probe);
    if (!Problem.empty()) {
      std::fprintf(stderr, "smoke: %s\n", Problem.c_str());
      return 1;
    }
  } catch (const std::exception& E) {
    std::fprintf(stderr, "smoke: %s\n", E.what());
    return 1;
  }
  std::printf("smoke: ok\n");
  return 0;
}
