// Measures reading and writing of one generated JSB file size.
#pragma once

#include <cstddef>
#include <string>

#include "beangen.h"
#include "peakmemory.h"
#include "stopwatch.h"

struct TSizeResult {
  std::string Label;          // "10 MB"
  std::size_t Bytes = 0;      // the file's size
  TItemCounts Counts;         // as generated and as read back
  TTiming Read;               // ReadJSBFile: loading and reading
  TTiming Load;               // LoadTextFile alone
  TTiming Parse;              // ReadJSBText alone, on loaded text
  TTiming Hand;               // the minimal hand scanner on the same text, alternating with Parse
  TTiming ParseCpu, HandCpu;  // the same runs in processor time
  TTiming WriteFile;          // WriteJSBFile: text and file
  TTiming WriteText;          // WriteJSBText alone
  TTiming WriteLatin1;        // WriteJSBFile in Latin-1, in turn with WriteFile
  TTiming Copy;               // the written file copied with fdatasync, alternating with both
  TPeakMemory Memory;         // of one ReadJSBFile in a fresh process
};

struct TBenchSettings {
  int Runs = 7;
  TMemoryProbe* Probe = nullptr;  // runs the memory child; not owned
};

// Generates a file of about TargetBytes at FileName, checks that it reads
// back with the generated item counts, times it and removes nothing.
// Throws std::runtime_error when the read-back counts differ.
TSizeResult BenchSize(const std::string& Label, std::size_t TargetBytes,
                      const std::string& FileName, const std::string& OutName,
                      const TBenchSettings& Settings);

// What ReadJSBFile gives for FileName, reduced to what the checks compare.
struct TReadBack {
  bool Valid = false;
  TItemCounts Counts;      // as the model holds them
  std::size_t Listed = 0;  // items in the reader's own list
  int Notices = 0;         // messages the reader showed
  std::string Constructor;
};
TReadBack ReadBack(const std::string& FileName);

// Empty when the read-back matches what was generated, else what differs.
std::string CompareReadBack(const TGeneratedBean& G, const TReadBack& R);
