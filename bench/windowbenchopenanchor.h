// What opening a large document costs the window, in time and in memory,
// beside reading it with the core and filling a plain tree with its items.
#pragma once

#include <string>

// Opens a generated component of 100,000 items Runs times in a fresh shown
// window until it is idle, each beside reading the file with the core and
// filling a shown plain QTreeWidget with the same nodes until idle, A B B A,
// in processor and wall time; then the heap each side holds per descriptor.
// Dir is the folder for the file (a temporary one when empty). Returns the
// exit code.
int RunOpenBenchmark(const std::string& Dir, int Runs);
