// Opening a file for reading only when it is a regular file.
#pragma once

#include <QFile>
#include <string>

// Opens File for reading when FileName, bytes that reach the file system as
// they are, stands for a regular file (links are followed). A folder, FIFO,
// socket or device is refused at once and never opened for good: opening a
// FIFO waits for a writer, and a device may never end. False when refused or
// when the open fails.
bool OpenRegularFile(QFile& File, const std::string& FileName);
