// What Save costs in the window with a large document, its check of the
// values included, beside a copy of the same bytes put on the disk.
#pragma once

#include <string>

// Opens a generated component of about 50 MB and Runs times changes it and
// saves it from the window, beside copying the file with fdatasync, A B B A,
// in processor and wall time; the first save, which checks every value, is
// reported on its own. Dir is the folder for the file (a temporary one when
// empty). Returns the exit code.
int RunSaveBenchmark(const std::string& Dir, int Runs);
