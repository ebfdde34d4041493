// POSIX answers: a name that begins with a dot is hidden, anything that is neither a
// regular file nor a directory (device, socket, FIFO) is a system file, and a symbolic
// link counts as what it points to.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string_view>

#include "filesystem.h"
#include "heap.h"
#include "wildcard.h"

namespace gauger {
namespace {

struct SearchPattern {
  std::string_view directory;  // where to search; never empty
  std::string_view name;       // what the entries' names must match
};

SearchPattern split_pattern(std::string_view pattern) noexcept {
  const auto slash = pattern.rfind('/');
  if (slash == std::string_view::npos) return {".", pattern};
  const std::string_view name(pattern.data() + slash + 1, pattern.size() - slash - 1);
  if (slash == 0) return {"/", name};
  return {std::string_view(pattern.data(), slash), name};
}

// "." and ".." are the directory and its parent, not hidden entries.
bool is_self_or_parent(std::string_view name) noexcept {
  return name == "." || name == "..";
}

bool is_hidden(std::string_view name) noexcept {
  return !name.empty() && name.front() == '.' && !is_self_or_parent(name);
}

bool is_accepted(int directory_fd, const char* name) noexcept {
  if (is_self_or_parent(name)) return false;
  if (is_hidden(name)) return true;
  struct stat status {};
  if (fstatat(directory_fd, name, &status, 0) != 0) return false;  // e.g. a dangling link
  return S_ISREG(status.st_mode);
}

bool directory_has_accepted_match(const char* directory, std::string_view name_pattern) {
  DIR* search = opendir(directory);
  if (search == nullptr) return false;
  bool found = false;
  while (!found) {
    const dirent* entry = readdir(search);
    if (entry == nullptr) break;
    found =
        wildcard_match(name_pattern, entry->d_name) && is_accepted(dirfd(search), entry->d_name);
  }
  closedir(search);
  return found;
}

}  // namespace

bool attributes_readable(const char* path) {
  if (has_wildcard(path)) return false;  // the attribute call takes no patterns
  struct stat status {};
  return stat(path, &status) == 0;
}

bool search_finds_accepted_entry(const char* pattern) {
  const SearchPattern parts = split_pattern(pattern);
  if (has_wildcard(parts.directory)) return false;  // wildcards only in the last part
  char* directory = copy_to_heap(parts.directory);  // opendir() needs it terminated
  if (directory == nullptr) return false;
  const bool found = directory_has_accepted_match(directory, parts.name);
  std::free(directory);
  return found;
}

}  // namespace gauger
