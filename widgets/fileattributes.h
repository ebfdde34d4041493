// Carrying a file's permissions over to the file that replaces it.
#pragma once

#include <QFileDevice>
#include <string>

// Gives Replacement, the open file about to take FileName's place, the
// permission bits of the file now at FileName (bytes as the file system takes
// them, links followed) and, where the process may, its owner and group.
// Nothing changes when there is no such file yet. Best effort: what cannot be
// carried over leaves the save as it was.
void KeepFileAttributes(const std::string& FileName, QFileDevice& Replacement);
