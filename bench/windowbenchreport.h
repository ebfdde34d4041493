// The window benchmark's measurement and its result table.
#pragma once

#include <string>

// Opens the generated files Runs times each and prints the table; Dir is the
// folder for the files (a temporary one when empty). Returns the exit code.
int RunWindowBenchmark(const std::string& Dir, int Runs);
