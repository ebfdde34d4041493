#include "benchsize.h"

#include <filesystem>
#include <stdexcept>

#include "beans/jsbreader.h"
#include "beans/jsbwriter.h"
#include "widgets/textfile.h"

TReadBack ReadBack(const std::string& FileName) {
  const TJSBReadResult R = ReadJSBFile(FileName);
  TReadBack B;
  B.Valid = R.Valid;
  B.Counts = CountItems(*R.Bean);
  B.Listed = R.Items.size();
  B.Notices = static_cast<int>(R.Notices.size());
  B.Constructor = R.Constructor;
  return B;
}

std::string CompareReadBack(const TGeneratedBean& G, const TReadBack& R) {
  if (!R.Valid) return "not read as a JSB file";
  if (R.Counts != G.Counts) return "item counts differ";
  if (R.Listed != static_cast<std::size_t>(G.Counts.Total())) return "reader's item list differs";
  if (R.Notices != 0) return "the reader showed notices";
  if (R.Constructor != G.Constructor) return "constructor differs";
  return {};
}

namespace {

void CheckReadBack(const TGeneratedBean& G, const std::string& FileName) {
  const std::string Problem = CompareReadBack(G, ReadBack(FileName));
  if (!Problem.empty()) throw std::runtime_error(FileName + ": " + Problem);
}

void TimeReading(TSizeResult& S, const std::string& FileName, int Runs) {
  S.Read = TimeRuns(Runs, [&] { return ReadJSBFile(FileName); });
  S.Load = TimeRuns(Runs, [&] { return LoadTextFile(FileName); });
  const std::string Text = LoadTextFile(FileName);
  S.Parse = TimeRuns(
      Runs, [&] { return Text; },
      [&](std::string T) { return ReadJSBText(std::move(T), FileName); });
}

void TimeWriting(TSizeResult& S, const TGeneratedBean& G, const std::string& OutName, int Runs) {
  S.WriteFile = TimeRuns(Runs, [&] {
    WriteJSBFile(OutName, *G.Bean, G.Constructor);
    return 0;
  });
  S.WriteText = TimeRuns(Runs, [&] { return WriteJSBText(*G.Bean, G.Constructor); });
}

}  // namespace

TSizeResult BenchSize(const std::string& Label, std::size_t TargetBytes,
                      const std::string& FileName, const std::string& OutName,
                      const TBenchSettings& Settings) {
  TSizeResult S;
  S.Label = Label;
  {
    const TGeneratedBean G = GenerateBean(TargetBytes);
    WriteJSBFile(FileName, *G.Bean, G.Constructor);
    S.Bytes = static_cast<std::size_t>(std::filesystem::file_size(FileName));
    S.Counts = G.Counts;
    CheckReadBack(G, FileName);
    TimeWriting(S, G, OutName, Settings.Runs);
  }
  TimeReading(S, FileName, Settings.Runs);
  S.Memory = Settings.Probe->Measure(FileName);
  return S;
}
