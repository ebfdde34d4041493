// The three commands of jsbtool. Each reports to Out and Err and returns the
// process exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

constexpr int ExitOk = 0;     // done; for check: every value survives
constexpr int ExitLost = 1;   // check: something would not survive
constexpr int ExitError = 2;  // usage error, unreadable file, invalid input

int DumpCommand(const std::string& FileName, std::ostream& Out, std::ostream& Err);
int WriteCommand(const std::string& ModelFile, const std::string& OutFile, std::ostream& Err);
// Every file is checked; the worst result wins.
int CheckCommand(const std::vector<std::string>& FileNames, std::ostream& Out, std::ostream& Err);
