// What a keystroke costs in the attribute pages of a large document, beside a
// keystroke in a plain line edit.
#pragma once

#include <string>

// Opens a generated component of 100,000 items, selects a property and types
// Runs characters into its name field and into a plain text field, each
// A B B A against the same number typed into a plain QLineEdit, in processor
// and wall time. Dir is the folder for the file (a temporary one when empty).
// Returns the exit code.
int RunKeystrokeBenchmark(const std::string& Dir, int Runs);
