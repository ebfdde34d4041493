// Windows answers, straight from the file attributes and the directory search.
#include <windows.h>

#include "filesystem.h"

namespace gauger {
namespace {

bool is_accepted(DWORD attributes) noexcept {
  if ((attributes & FILE_ATTRIBUTE_HIDDEN) != 0) return true;
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace

bool attributes_readable(const char* path) {
  return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool search_finds_accepted_entry(const char* pattern) {
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA(pattern, &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool found = is_accepted(entry.dwFileAttributes);
  while (!found && FindNextFileA(search, &entry))
    found = is_accepted(entry.dwFileAttributes);
  FindClose(search);
  return found;
}

}  // namespace gauger
