// The two file-system questions, answered by the platform's own calls.
#pragma once

namespace gauger {

// True when the attributes of path can be read: it names an existing file or directory.
bool attributes_readable(const char* path);

// True when a directory search for pattern yields an accepted entry: a hidden one, or
// one that is neither a directory nor a system file.
bool search_finds_accepted_entry(const char* pattern);

}  // namespace gauger
