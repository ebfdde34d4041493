// The three commands of jsbtool. Each reports to Out and Err and returns the
// process exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

constexpr int ExitOk = 0;     // done; for check: every value survives
constexpr int ExitLost = 1;   // something would not survive (check with strict: or a finding)
constexpr int ExitError = 2;  // usage error, unreadable file, invalid input

int DumpCommand(const std::string& FileName, std::ostream& Out, std::ostream& Err);
// Writes nothing when a value of the model would not survive a save and
// reopen, unless Force; either way each such value is listed on Err.
int WriteCommand(const std::string& ModelFile, const std::string& OutFile, bool Force,
                 std::ostream& Err);
// Every file is checked; the worst result wins. Strict fails a file for any
// finding too: a notice, or what a save drops or adds besides values.
int CheckCommand(const std::vector<std::string>& FileNames, bool Strict, std::ostream& Out,
                 std::ostream& Err);
