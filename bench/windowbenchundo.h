// What deleting one item, undoing and redoing it cost in the window with a
// large document, beside taking and putting back an item of a plain tree of
// the same size.
#pragma once

#include <string>

// Opens a generated component of 100,000 items and Runs times deletes a
// property through the history, undoes and redoes it (then undoes again),
// each beside taking an item out of a plain QTreeWidget of as many items and
// inserting it again, A B B A, in processor and wall time. Dir is the folder
// for the file (a temporary one when empty). Returns the exit code.
int RunUndoBenchmark(const std::string& Dir, int Runs);
