// What the window does when it becomes active with its file unchanged on
// disk, beside the least the question needs: one look at the file's metadata.
#pragma once

#include <string>

// Opens a generated file of about 50 MB, lets it settle, then times Runs
// activations of the window against Runs looks at the file's metadata, A B B A,
// in processor and wall time, with a whole read and hash of the file beside
// them. Dir is the folder for the file (a temporary one when empty). Returns
// the exit code.
int RunFocusBenchmark(const std::string& Dir, int Runs);
