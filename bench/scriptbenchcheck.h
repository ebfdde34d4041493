// The constructor's syntax check on a long text: its time beside an anchor
// and the peak memory it takes, measured in a child process.
#pragma once

#include <string>

// A file's whole content; throws when it cannot be read.
std::string ReadFileBytes(const std::string& FileName);

// The memory child's side: checks FileName's text and prints the peak
// resident set before and after, and 1 when it found an error (else 0).
// Returns the exit code: 1 when the check ran out of time.
int RunCheckMemoryChild(const std::string& FileName);

// Checks Text Runs times A B B A beside as many tokenizer passes over it and
// prints both, in processor and wall time. False when a check found an error
// or ran out of time.
bool CompareCheck(const std::string& Text, int Runs);
