// Carrying a file's permissions over to the file that replaces it.
#pragma once

#include <QFileDevice>
#include <QString>

// Gives Replacement, the open file about to take FileName's place, the
// permission bits of the file now at FileName (links followed) and, where the
// process may, its owner and group. Nothing changes when there is no such file
// yet. Best effort: what cannot be carried over leaves the save as it was.
void KeepFileAttributes(const QString& FileName, QFileDevice& Replacement);
