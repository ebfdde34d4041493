// Peak memory of one read, measured in a fresh process so that earlier work
// in the benchmark cannot raise the high-water mark.
#pragma once

#include <cstddef>
#include <string>

struct TPeakMemory {
  std::size_t Baseline = 0;  // peak resident bytes before the read
  std::size_t Peak = 0;      // peak resident bytes after it
  std::size_t Growth() const { return Peak > Baseline ? Peak - Baseline : 0; }
};

// This program's own path, for starting the memory child.
std::string SelfPath(const char* Argv0);

// The peak resident set of this process so far, in bytes.
std::size_t PeakResidentBytes();

// The child's side: reads FileName and prints the baseline and the peak on
// one line to standard output. Returns the process exit code.
int RunReadMemoryChild(const std::string& FileName);

// Starts Program with the child's option and FileName, waits for it and
// returns what it printed. Throws when the child fails.
//
// A forked child starts with its parent's resident set as its high-water
// mark, and exec keeps that mark, so the process that calls this must itself
// be small: the benchmark calls it only through a TMemoryProbe.
TPeakMemory MeasureReadPeak(const std::string& Program, const std::string& FileName);

// A helper process forked while the benchmark is still small, which starts
// the memory children on request, so that the benchmark's own heap never
// raises their baseline.
class TMemoryProbe {
 public:
  explicit TMemoryProbe(const std::string& Program);
  ~TMemoryProbe();
  TMemoryProbe(const TMemoryProbe&) = delete;
  TMemoryProbe& operator=(const TMemoryProbe&) = delete;

  // MeasureReadPeak, run by the helper. Throws when the child fails.
  TPeakMemory Measure(const std::string& FileName);

 private:
  int FRequests = -1, FAnswers = -1;
  int FPid = -1;
};

// The option that selects the child's side.
constexpr const char* ReadMemoryOption = "--measure-read";
