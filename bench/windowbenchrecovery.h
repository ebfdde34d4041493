// What the recovery copy of a large document costs the window while it is
// made: how long the event loop waits, measured by a 2 ms probe timer.
#pragma once

#include <string>

// Opens a generated component of about 50 MB and makes Copies recovery
// copies in turn, each after a change, while a 2 ms timer notes the longest
// wait between its ticks; beside it, the text of one copy made at once.
// Dir is the folder for the file (a temporary one when empty). Returns the
// exit code.
int RunRecoveryBenchmark(const std::string& Dir, int Copies);
