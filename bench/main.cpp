// jsbbench: read and write throughput and read memory of generated JSB files.
//
//   jsbbench [--dir FOLDER] [--runs N]   the 1, 10 and 50 MB measurements
//   jsbbench --smoke [--dir FOLDER]      a tiny run that checks the read-back
//   jsbbench --measure-read FILE         internal: the memory child
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <vector>
#include "benchoptions.h"

#include "benchsize.h"
#include "peakmemory.h"
#include "report.h"
#include "smoke.h"
#include "tempdir.h"

namespace {

int RunBenchmark(const TBenchOptions& O, const std::string& Program) {
  struct TSize {
    const char* Label;
    const char* FileName;
    std::size_t Bytes;
  };
  const TSize Sizes[] = {{"1 MB", "bench-1mb.jsb", 1'000'000},
                         {"10 MB", "bench-10mb.jsb", 10'000'000},
                         {"50 MB", "bench-50mb.jsb", 50'000'000}};
  TMemoryProbe Probe(Program);  // first, while this process is small
  TTempDir Dir(O.Dir);
  std::printf("jsbbench: %d runs per measurement, files in %s\n", O.Runs, Dir.Path().c_str());
  std::vector<TSizeResult> Results;
  for (const TSize& S : Sizes) {
    std::printf("  %s ...\n", S.Label);
    std::fflush(stdout);
    const std::string File = Dir.File(S.FileName);
    Results.push_back(BenchSize(S.Label, S.Bytes, File, Dir.File(std::string("out-") + S.FileName),
                                {O.Runs, &Probe}));
  }
  std::printf("\n");
  PrintTable(stdout, Results);
  PrintParseAnchor(stdout, Results);
  PrintSaveAnchor(stdout, Results);
  PrintScaling(stdout, Results[1], Results[2]);
  return 0;
}

}  // namespace

int main(int Argc, char** Argv) {
  TBenchOptions O;
  if (!ParseBenchOptions(Argc, Argv, O, ReadMemoryOption)) {
    std::fprintf(stderr, "usage: jsbbench [--smoke] [--dir FOLDER] [--runs N]\n");
    return 2;
  }
  if (!O.Extra.empty()) return RunReadMemoryChild(O.Extra);
  const std::string Program = SelfPath(Argv[0]);
  if (O.Smoke) return RunSmoke(Program, O.Dir);
  try {
    return RunBenchmark(O, Program);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "jsbbench: %s\n", E.what());
    return 1;
  }
}
