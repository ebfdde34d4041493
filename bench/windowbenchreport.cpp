#include "windowbenchreport.h"

#include <QString>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tempdir.h"
#include "windowbenchopen.h"

namespace {

struct TWindowResult {
  int Items = 0;
  std::size_t Bytes = 0;
  const char* Target = "";
  TOpenResult Open;
};

TWindowResult BenchItems(TTempDir& Dir, int Items, const char* Target, int Runs) {
  TWindowResult W;
  W.Items = Items;
  W.Target = Target;
  const std::string File = Dir.File("window-" + std::to_string(Items) + ".jsb");
  WriteGeneratedFile(Items, File);
  W.Bytes = static_cast<std::size_t>(std::filesystem::file_size(File));
  W.Open = TimeOpening(QString::fromStdString(File), Runs);
  return W;
}

void PrintTable(const std::vector<TWindowResult>& Results) {
  std::printf("%8s %10s %10s %10s %8s %-12s %8s %s\n", "items", "file KB", "best ms", "median ms",
              "nodes", "page", "notices", "target");
  for (const TWindowResult& W : Results)
    std::printf("%8d %10.1f %10.1f %10.1f %8d %-12s %8d %s\n", W.Items,
                static_cast<double>(W.Bytes) / 1000.0, W.Open.Open.Best * 1000.0,
                W.Open.Open.Median * 1000.0, W.Open.View.Nodes,
                W.Open.View.Page.toStdString().c_str(), W.Open.Notices, W.Target);
}

}  // namespace

int RunWindowBenchmark(const std::string& Folder, int Runs) {
  struct TSize {
    int Items;
    const char* Target;
  };
  const TSize Sizes[] = {
      {100, "-"}, {1'000, "under 300 ms"}, {10'000, "under 2000 ms"}, {100'000, "under 700 ms"}};
  TTempDir Dir(Folder);
  std::printf(
      "jsbwindowbench: %d runs per size, a fresh shown window each run; timed: LoadFile and "
      "the events until idle; files in %s\n",
      Runs, Dir.Path().c_str());
  std::vector<TWindowResult> Results;
  for (const TSize& S : Sizes) {
    std::printf("  %d items ...\n", S.Items);
    std::fflush(stdout);
    Results.push_back(BenchItems(Dir, S.Items, S.Target, Runs));
  }
  std::printf("\n");
  PrintTable(Results);
  return 0;
}
