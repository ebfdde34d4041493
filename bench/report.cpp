#include "report.h"

namespace {

double MegaBytes(std::size_t Bytes) {
  return static_cast<double>(Bytes) / 1e6;
}

double Rate(std::size_t Bytes, double Seconds) {
  return MegaBytes(Bytes) / Seconds;
}

void PrintHeader(std::FILE* Out) {
  std::fprintf(Out, "%-6s %10s %7s | %9s %9s %8s %8s %8s | %9s %8s %8s | %9s %6s\n", "size",
               "bytes", "items", "read best", "read med", "read", "load", "parse", "write best",
               "write", "text", "read peak", "x file");
  std::fprintf(Out, "%-6s %10s %7s | %9s %9s %8s %8s %8s | %9s %8s %8s | %9s %6s\n", "", "", "",
               "ms", "ms", "MB/s", "MB/s", "MB/s", "ms", "MB/s", "MB/s", "MB", "");
}

void PrintRow(std::FILE* Out, const TSizeResult& S) {
  const std::size_t B = S.Bytes;
  std::fprintf(Out,
               "%-6s %10zu %7d | %9.1f %9.1f %8.1f %8.1f %8.1f | %10.1f %8.1f %8.1f | %9.1f "
               "%6.2f\n",
               S.Label.c_str(), B, S.Counts.Total(), S.Read.Best * 1e3, S.Read.Median * 1e3,
               Rate(B, S.Read.Best), Rate(B, S.Load.Best), Rate(B, S.Parse.Best),
               S.WriteFile.Best * 1e3, Rate(B, S.WriteFile.Best), Rate(B, S.WriteText.Best),
               MegaBytes(S.Memory.Growth()),
               static_cast<double>(S.Memory.Growth()) / static_cast<double>(B));
}

}  // namespace

void PrintTable(std::FILE* Out, const std::vector<TSizeResult>& Results) {
  PrintHeader(Out);
  for (const TSizeResult& S : Results)
    PrintRow(Out, S);
  std::fprintf(Out,
               "\nread = ReadJSBFile (load + parse), load = LoadTextFile, parse = ReadJSBText;\n"
               "write = WriteJSBFile (text + file), text = WriteJSBText. Rates from the best run;\n"
               "read peak = peak resident growth of one ReadJSBFile in a fresh process.\n");
}

void PrintSaveAnchor(std::FILE* Out, const std::vector<TSizeResult>& Results) {
  std::fprintf(Out,
               "\nsave (WriteJSBFile, UTF-8 and Latin-1) against a copy of the same bytes with "
               "fdatasync, medians:\n");
  for (const TSizeResult& S : Results)
    std::fprintf(Out, "%-6s save %8.1f ms  Latin-1 %8.1f ms  copy %8.1f ms  ratios %.2f %.2f\n",
                 S.Label.c_str(), S.WriteFile.Median * 1e3, S.WriteLatin1.Median * 1e3,
                 S.Copy.Median * 1e3, S.WriteFile.Median / S.Copy.Median,
                 S.WriteLatin1.Median / S.Copy.Median);
}

void PrintScaling(std::FILE* Out, const TSizeResult& Smaller, const TSizeResult& Larger) {
  const double Size = static_cast<double>(Larger.Bytes) / static_cast<double>(Smaller.Bytes);
  std::fprintf(Out, "\n%s / %s: size ratio %.2f, read time ratio %.2f (best) %.2f (median)\n",
               Larger.Label.c_str(), Smaller.Label.c_str(), Size,
               Larger.Read.Best / Smaller.Read.Best, Larger.Read.Median / Smaller.Read.Median);
  std::fprintf(Out, "%*s write time ratio %.2f (best) %.2f (median)\n",
               static_cast<int>(Larger.Label.size() + Smaller.Label.size() + 3), "",
               Larger.WriteFile.Best / Smaller.WriteFile.Best,
               Larger.WriteFile.Median / Smaller.WriteFile.Median);
}

void PrintParseAnchor(std::FILE* Out, const std::vector<TSizeResult>& Results) {
  std::fprintf(Out,
               "\nparse (ReadJSBText) against a minimal hand scanner building a string model,\n"
               "same text, alternating, best runs (wall clock; processor time):\n");
  for (const TSizeResult& S : Results)
    std::fprintf(Out,
                 "%-6s parse %7.1f MB/s  hand %7.1f MB/s  ratio %.2f;  cpu: parse %7.1f MB/s  "
                 "hand %7.1f MB/s  ratio %.2f\n",
                 S.Label.c_str(), Rate(S.Bytes, S.Parse.Best), Rate(S.Bytes, S.Hand.Best),
                 S.Hand.Best / S.Parse.Best, Rate(S.Bytes, S.ParseCpu.Best),
                 Rate(S.Bytes, S.HandCpu.Best), S.HandCpu.Best / S.ParseCpu.Best);
}
