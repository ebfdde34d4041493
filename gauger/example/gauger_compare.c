/* An outside caller of gauger: loads the library at run time, binds compareVersions by
 * name and compares the two versions given on the command line.
 *
 *   gauger_compare LEFT RIGHT [LIBRARY]
 *
 * Prints "LEFT < RIGHT", "LEFT = RIGHT" or "LEFT > RIGHT" with the raw result, and exits
 * with 0; exits with 2 when the arguments are wrong or the library cannot be used. */
#include <stdio.h>
#include <string.h>

#include "gauger.h"

#ifdef _WIN32
#include <windows.h>
#define GAUGER_DEFAULT_LIBRARY "gauger.dll"
#else
#include <dlfcn.h>
#ifdef __APPLE__
#define GAUGER_DEFAULT_LIBRARY "libgauger.dylib"
#else
#define GAUGER_DEFAULT_LIBRARY "libgauger.so.1"
#endif
#endif

typedef int32_t(GAUGER_CALL* compare_versions_fn)(const char*, const char*);

/* Finds compareVersions in the library at path; null when either cannot be found. */
static compare_versions_fn bind_compare_versions(const char* path) {
  compare_versions_fn function = NULL;
#ifdef _WIN32
  HMODULE library = LoadLibraryA(path);
  FARPROC address = library ? GetProcAddress(library, "compareVersions") : NULL;
#else
  void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  void* address = library ? dlsym(library, "compareVersions") : NULL;
  if (!library) fprintf(stderr, "%s\n", dlerror());
#endif
  /* Copied, not cast: ISO C has no conversion from object to function pointers. */
  if (address) memcpy(&function, &address, sizeof function);
  return function;
}

static const char* relation(int32_t result) {
  if (result < 0) return "<";
  return result > 0 ? ">" : "=";
}

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    fprintf(stderr, "usage: %s LEFT RIGHT [LIBRARY]\n", argv[0]);
    return 2;
  }
  const char* path = argc == 4 ? argv[3] : GAUGER_DEFAULT_LIBRARY;
  compare_versions_fn compare_versions = bind_compare_versions(path);
  if (!compare_versions) {
    fprintf(stderr, "cannot use compareVersions from %s\n", path);
    return 2;
  }
  int32_t result = compare_versions(argv[1], argv[2]);
  printf("%s %s %s (%ld)\n", argv[1], relation(result), argv[2], (long)result);
  return 0;
}
