// A tiny end-to-end run for the test suite: generate, write, read back and
// compare, then one pass of every measurement. No timing is judged.
#pragma once

#include <string>

// Returns the process exit code: 0 when everything read back as generated.
int RunSmoke(const std::string& Program, const std::string& Folder);
