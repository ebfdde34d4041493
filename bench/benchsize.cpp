#include "benchsize.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

#include "beans/jsbreader.h"
#include "beans/jsbwriter.h"
#include "copysync.h"
#include "handscanner.h"
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

// The processor time this thread has used, in seconds: on a busy machine it
// shows what an operation costs apart from the time it waits.
double ThreadSeconds() {
  timespec T{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &T);
  return static_cast<double>(T.tv_sec) + static_cast<double>(T.tv_nsec) * 1e-9;
}

// One run of Operation on its prepared input: wall-clock and processor time.
// The allocator keeps small blocks freed by an earlier run aside and merges
// them at the next request for a large one, whoever makes it. One such
// request before every timed run settles that untimed, so that no run pays
// for the one before it.
void SettleAllocator() {
  void* volatile Block = std::malloc(64 * 1024);
  std::free(Block);
}

template <class P, class F>
void TimeOnce(P&& Prepare, F&& Operation, std::vector<double>& Wall, std::vector<double>& Cpu) {
  auto Input = Prepare();
  SettleAllocator();
  const double CpuStart = ThreadSeconds();
  const auto Start = std::chrono::steady_clock::now();
  [[maybe_unused]] auto Result = Operation(std::move(Input));  // destroyed untimed
  Wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
  Cpu.push_back(ThreadSeconds() - CpuStart);
}

// The reader and the hand scanner alternate A B B A on the same text, so
// that both see the same load. The reader's own text is loaded untimed, as
// a file open loads it, since the reader takes it over.
void TimeParsing(TSizeResult& S, const std::string& Text, const std::string& FileName, int Runs) {
  std::vector<double> Parse, ParseCpu, Hand, HandCpu;
  for (int I = 0; I < 2 * Runs; ++I) {
    if (I % 4 == 0 || I % 4 == 3)
      TimeOnce([&] { return LoadTextFile(FileName); },
               [&](std::string T) { return ReadJSBText(std::move(T), FileName); }, Parse, ParseCpu);
    else
      TimeOnce([] { return 0; }, [&](int) { return HandScan(Text); }, Hand, HandCpu);
  }
  S.Parse = Summarise(std::move(Parse));
  S.ParseCpu = Summarise(std::move(ParseCpu));
  S.Hand = Summarise(std::move(Hand));
  S.HandCpu = Summarise(std::move(HandCpu));
}

void TimeReading(TSizeResult& S, const std::string& FileName, int Runs) {
  S.Read = TimeRuns(Runs, [&] { return ReadJSBFile(FileName); });
  S.Load = TimeRuns(Runs, [&] { return LoadTextFile(FileName); });
  TimeParsing(S, LoadTextFile(FileName), FileName, Runs);
}

double Seconds(const std::function<void()>& Operation) {
  const auto Start = std::chrono::steady_clock::now();
  Operation();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

// Saves and copies alternate A B B A, so that both see the same disk and load;
// the saves take UTF-8 and Latin-1 in turn.
void TimeSaving(TSizeResult& S, const TGeneratedBean& G, const std::string& OutName, int Runs) {
  const std::string CopyName = OutName + ".copy";
  std::vector<double> Saves[2], Copies;
  int Save = 0;
  for (int I = 0; I < 4 * Runs; ++I) {
    if ((I % 4 == 0) || (I % 4 == 3)) {
      const TTextEncoding Encoding = Save % 2 ? TTextEncoding::Latin1 : TTextEncoding::Utf8;
      Saves[Save++ % 2].push_back(
          Seconds([&] { WriteJSBFile(OutName, *G.Bean, G.Constructor, Encoding); }));
    } else {
      Copies.push_back(Seconds([&] { CopyWithSync(OutName, CopyName); }));
    }
  }
  std::filesystem::remove(CopyName);
  S.WriteFile = Summarise(Saves[0]);
  S.WriteLatin1 = Summarise(Saves[1]);
  S.Copy = Summarise(Copies);
}

void TimeWriting(TSizeResult& S, const TGeneratedBean& G, const std::string& OutName, int Runs) {
  WriteJSBFile(OutName, *G.Bean, G.Constructor);
  TimeSaving(S, G, OutName, Runs);
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
