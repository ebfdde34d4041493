// What a save is measured against: the same bytes copied in 1 MiB blocks
// into a fresh file and put on the disk, as dd conv=fdatasync does. Throws
// when the copy fails.
#pragma once

#include <string>

void CopyWithSync(const std::string& From, const std::string& To);
