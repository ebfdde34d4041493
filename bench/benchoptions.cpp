#include "benchoptions.h"

#include <cstdlib>

bool ParseBenchOptions(int Argc, char** Argv, TBenchOptions& O, const char* ExtraOption) {
  for (int I = 1; I < Argc; ++I) {
    const std::string A = Argv[I];
    const bool HasValue = I + 1 < Argc;
    if (A == "--smoke") {
      O.Smoke = true;
    } else if (A == "--dir" && HasValue) {
      O.Dir = Argv[++I];
    } else if (A == "--runs" && HasValue) {
      O.Runs = std::atoi(Argv[++I]);
      if (O.Runs < 1) return false;
    } else if (ExtraOption && A == ExtraOption && HasValue) {
      O.Extra = Argv[++I];
    } else {
      return false;
    }
  }
  return true;
}
