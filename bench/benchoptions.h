// The command-line options the benchmark programs share.
#pragma once

#include <string>

struct TBenchOptions {
  bool Smoke = false;
  std::string Dir;
  int Runs = 7;
  std::string Extra;  // the value of the program's own extra option, when given
};

// --smoke, --dir FOLDER, --runs N (at least 1) and, when ExtraOption is not
// null, that option with one value. False for anything else.
bool ParseBenchOptions(int Argc, char** Argv, TBenchOptions& O, const char* ExtraOption = nullptr);
