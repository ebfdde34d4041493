// The three commands of jsbtool. Each reports to Out and Err and returns the
// process exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "report.h"

constexpr int ExitOk = 0;     // done; for check: every value survives
constexpr int ExitLost = 1;   // check: a file fails; write: a value would not survive
constexpr int ExitError = 2;  // usage error, unreadable file or folder, invalid model

int DumpCommand(const std::string& FileName, std::ostream& Out, std::ostream& Err);
// Writes nothing when a value of the model would not survive a save and
// reopen, unless Force; either way each such value is listed on Err.
int WriteCommand(const std::string& ModelFile, const std::string& OutFile, bool Force,
                 std::ostream& Err);
struct TCheckOptions {
  bool Strict = false;     // any problem fails a file, not only errors
  bool Quiet = false;      // no summary lines
  bool Recursive = false;  // folders with their sub-folders
  TFormat Format = TFormat::Text;
};

// Every file is checked (folders and "-" as ExpandInputs takes them); the
// worst result wins: 2 when a file or folder could not be read, 1 when a
// file fails (an error, or with Strict any problem), else 0.
int CheckCommand(const std::vector<std::string>& Names, const TCheckOptions& Options,
                 std::ostream& Out, std::ostream& Err);
