/* gauger.dll as installer programs on Windows use it: loaded with LoadLibrary, the
 * exports bound by name and by ordinal, the file tests run against a scratch folder
 * whose entries carry Windows attributes.
 *
 *   gauger_wintest DLL       runs every check; exits with 0 when all pass, else 1
 *   gauger_wintest --probe   only says that it runs (the loader can start it) */
#include <windows.h>

#include <malloc.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "gauger.h"

typedef char*(GAUGER_CALL* split_fn)(const char*);
typedef int32_t(GAUGER_CALL* compare_fn)(const char*, const char*);
typedef int32_t(GAUGER_CALL* path_fn)(const char*);
typedef int32_t(GAUGER_CALL* time_fn)(void);

struct gauger {
  split_fn getMajorVersion, getMinorVersion;
  compare_fn compareStrings, compareVersions;
  path_fn direxist, fileexist;
  time_fn GetTime;
};

static int checks, failures;

static void report(int passed, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  ++checks;
  if (!passed) ++failures;
  fputs(passed ? "ok   " : "FAIL ", stdout);
  vprintf(format, arguments);
  fputc('\n', stdout);
  va_end(arguments);
}

/* ---- binding ---------------------------------------------------------------------- */

/* Copied, not cast: ISO C has no conversion between unrelated function pointer types. */
#define BIND(api, field, address) memcpy(&(api)->field, &(address), sizeof(address))

static FARPROC by_name(HMODULE dll, const char* name) {
  FARPROC address = GetProcAddress(dll, name);
  report(address != NULL, "export %s bound by name", name);
  return address;
}

static int bind_by_name(HMODULE dll, struct gauger* api) {
  FARPROC a[7] = {by_name(dll, "getMajorVersion"), by_name(dll, "getMinorVersion"),
                  by_name(dll, "compareStrings"),  by_name(dll, "compareVersions"),
                  by_name(dll, "direxist"),        by_name(dll, "fileexist"),
                  by_name(dll, "GetTime")};
  for (int i = 0; i < 7; ++i)
    if (a[i] == NULL) return 0;
  BIND(api, getMajorVersion, a[0]);
  BIND(api, getMinorVersion, a[1]);
  BIND(api, compareStrings, a[2]);
  BIND(api, compareVersions, a[3]);
  BIND(api, direxist, a[4]);
  BIND(api, fileexist, a[5]);
  BIND(api, GetTime, a[6]);
  return 1;
}

/* Ordinals 1, 4 and 7 lead to the same functions as their names, and work when called
 * through them; no eighth ordinal and no decorated name is exported. */
static void check_ordinals(HMODULE dll) {
  static const char* const names[] = {"getMajorVersion", "compareVersions", "GetTime"};
  static const WORD ordinals[] = {1, 4, 7};
  FARPROC found[3];
  for (int i = 0; i < 3; ++i) {
    found[i] = GetProcAddress(dll, MAKEINTRESOURCEA(ordinals[i]));
    report(found[i] != NULL && found[i] == GetProcAddress(dll, names[i]), "ordinal %u is %s",
           (unsigned)ordinals[i], names[i]);
  }
  report(GetProcAddress(dll, MAKEINTRESOURCEA(8)) == NULL, "no ordinal 8");
  report(GetProcAddress(dll, "_getMajorVersion@4") == NULL, "no decorated _getMajorVersion@4");
  report(GetProcAddress(dll, "getMajorVersion@4") == NULL, "no decorated getMajorVersion@4");
  if (found[0] == NULL || found[1] == NULL || found[2] == NULL) return;

  struct gauger api;
  BIND(&api, getMajorVersion, found[0]);
  BIND(&api, compareVersions, found[1]);
  BIND(&api, GetTime, found[2]);
  char* major = api.getMajorVersion("4.0b2");
  report(major != NULL && strcmp(major, "4.0") == 0, "ordinal 1 (\"4.0b2\") = \"%s\"",
         major ? major : "(null)");
  free(major);
  report(api.compareVersions("4.0b2", "4.0") == -1, "ordinal 4 (\"4.0b2\", \"4.0\") = -1");
  report(api.GetTime() > 0, "ordinal 7 () > 0");
}

/* ---- versions and strings --------------------------------------------------------- */

/* A result string: its text, and a heap block exactly one terminator longer. */
static void check_part(const char* export_name, const char* version, char* got,
                       const char* expected) {
  if (expected == NULL || got == NULL) {
    report(got == expected, "%s(\"%s\") = %s", export_name, version, got ? got : "null");
  } else {
    report(strcmp(got, expected) == 0 && _msize(got) == strlen(expected) + 1,
           "%s(\"%s\") = \"%s\" in %u bytes", export_name, version, got, (unsigned)_msize(got));
  }
  free(got);
}

static void check_versions(const struct gauger* api) {
  static const struct {
    const char *version, *major, *minor; /* minor NULL: there is none */
  } cases[] = {{"4.0b2", "4.0", "2"}, {"4.0", "4.0", NULL}, {"b7", "", "7"},
               {"4.0b", "4.0", ""},   {"", "", NULL},       {"4.0B2", "4.0B2", NULL},
               {"4b2b3", "4", "2b3"}};
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const char* version = cases[i].version;
    check_part("getMajorVersion", version, api->getMajorVersion(version), cases[i].major);
    check_part("getMinorVersion", version, api->getMinorVersion(version), cases[i].minor);
  }
}

/* text with bytes outside printable ASCII written as \xNN, cut to fit buffer */
static const char* shown(const char* text, char* buffer, size_t size) {
  size_t used = 0;
  for (; *text != '\0' && used + 5 < size; ++text) {
    const unsigned char byte = (unsigned char)*text;
    used += (size_t)snprintf(buffer + used, size - used,
                             byte >= 0x20 && byte < 0x7f ? "%c" : "\\x%02x", byte);
  }
  buffer[used] = '\0';
  return buffer;
}

struct comparison {
  const char *left, *right;
  int32_t expected;
  int sign_only; /* only the sign of expected counts */
};

static void check_comparisons(const char* export_name, compare_fn compare,
                              const struct comparison* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const int32_t got = compare(cases[i].left, cases[i].right);
    const int32_t expected = cases[i].expected;
    const int passed = cases[i].sign_only ? (got > 0) - (got < 0) == (expected > 0) - (expected < 0)
                                          : got == expected;
    char left[64], right[64];
    report(passed, "%s(\"%s\", \"%s\") = %ld", export_name, shown(cases[i].left, left, sizeof left),
           shown(cases[i].right, right, sizeof right), (long)got);
  }
}

static void check_compares(const struct gauger* api) {
  static const struct comparison strings[] = {
      {"abc", "ABC", 0, 0}, {"abc", "abd", -1, 0}, {"abd", "abc", 1, 0}, {"4.0", "4.01", -49, 0},
      {"10", "9", -1, 1},   {"z", "_", -5, 0},     {"a[", "AZ", 1, 0},   {"\xe9", "\xc9", 32, 0}};
  static const struct comparison versions[] = {
      {"4.0b2", "4.0b2", 0, 0},   {"Rc.X", "rC.x", 0, 0},    {"4.0b2", "4.0", -1, 0},
      {"4.0", "4.0b2", 1, 0},     {"4.0b2", "4.0b3", -1, 0}, {"4.1b1", "4.0", 1, 1},
      {"4.0b10", "4.0b9", -1, 1}, {"4.0B2", "4.0b2", 66, 0}};
  check_comparisons("compareStrings", api->compareStrings, strings,
                    sizeof strings / sizeof strings[0]);
  check_comparisons("compareVersions", api->compareVersions, versions,
                    sizeof versions / sizeof versions[0]);
}

/* ---- files ------------------------------------------------------------------------ */

enum { MAX_ENTRIES = 16 };
static char root[MAX_PATH];
static char entries[MAX_ENTRIES][MAX_PATH]; /* created, in order, for the clean-up */
static int entry_count;

static const char* in_root(const char* relative) {
  static char path[MAX_PATH];
  snprintf(path, sizeof path, "%s\\%s", root, relative);
  return path;
}

/* Creates relative (a folder when it ends in '\') with the given attributes, and checks
 * that the file system keeps them: without them the file tests would prove nothing. */
static int make_entry(const char* relative, DWORD attributes) {
  char path[MAX_PATH];
  snprintf(path, sizeof path, "%s", in_root(relative));
  const size_t length = strlen(path);
  const int folder = path[length - 1] == '\\';
  if (folder) path[length - 1] = '\0';
  int made = folder ? CreateDirectoryA(path, NULL) : 0;
  if (!folder) {
    FILE* file = fopen(path, "wb");
    made = file != NULL && fputs("x", file) >= 0;
    if (file) fclose(file);
  }
  if (made && entry_count < MAX_ENTRIES) strcpy(entries[entry_count++], path);
  if (made && attributes != 0) made = SetFileAttributesA(path, attributes);
  const DWORD wanted = attributes | (folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
  const DWORD kept = GetFileAttributesA(path);
  made = made && kept != INVALID_FILE_ATTRIBUTES && (kept & wanted) == wanted;
  if (!made) report(0, "make %s with attributes 0x%lx (kept 0x%lx)", path, wanted, kept);
  return made;
}

static void remove_entries(void) {
  while (entry_count > 0) {
    const char* path = entries[--entry_count];
    const DWORD attributes = GetFileAttributesA(path);
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      RemoveDirectoryA(path);
    else
      DeleteFileA(path);
  }
  RemoveDirectoryA(root);
}

static int make_scratch_folder(void) {
  static const struct {
    const char* relative;
    DWORD attributes;
  } layout[] = {{"plain\\", 0},
                {"hidden\\", FILE_ATTRIBUTE_HIDDEN},
                {"system\\", FILE_ATTRIBUTE_SYSTEM},
                {"plain.txt", 0},
                {"readonly.txt", FILE_ATTRIBUTE_READONLY},
                {"archive.txt", FILE_ATTRIBUTE_ARCHIVE},
                {"system.sys", FILE_ATTRIBUTE_SYSTEM},
                {"hidden-system.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
                {"noext", 0},
                {"rejected\\", 0},
                {"rejected\\r1\\", 0},
                {"rejected\\r2", FILE_ATTRIBUTE_SYSTEM},
                {"mixed\\", 0},
                {"mixed\\m1\\", 0},
                {"mixed\\m2", FILE_ATTRIBUTE_SYSTEM},
                {"mixed\\m3", FILE_ATTRIBUTE_READONLY}};
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length >= sizeof temp) return 0;
  snprintf(root, sizeof root, "%sgauger-wintest-%lu", temp, (unsigned long)GetCurrentProcessId());
  if (!CreateDirectoryA(root, NULL)) return 0;
  int made = 1;
  for (size_t i = 0; i < sizeof layout / sizeof layout[0]; ++i)
    made = make_entry(layout[i].relative, layout[i].attributes) && made;
  return made;
}

struct path_case {
  const char* relative; /* NULL: the scratch folder itself */
  int32_t expected;
  const char* what;
};

static void check_paths(const char* export_name, path_fn test, const struct path_case* cases,
                        size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const char* path = cases[i].relative ? in_root(cases[i].relative) : root;
    const int32_t got = test(path);
    report(got == cases[i].expected, "%s(%s: \"%s\") = %ld", export_name, cases[i].what,
           cases[i].relative ? cases[i].relative : ".", (long)got);
  }
}

#define CHECK_PATHS(api, export_name, cases) \
  check_paths(#export_name, (api)->export_name, cases, sizeof cases / sizeof cases[0])

static void check_files(const struct gauger* api) {
  static const struct path_case direxist[] = {
      {NULL, 1, "the folder"},          {"plain", 1, "plain folder"},
      {"hidden", 1, "hidden folder"},   {"plain.txt", 1, "file"},
      {"system.sys", 1, "system file"}, {"readonly.txt", 1, "read-only file"},
      {"missing", 0, "missing"},        {"*.txt", 0, "wildcard"},
      {"pl?in.txt", 0, "wildcard"},     {"plain\\..\\plain.txt", 1, "dotted path"}};
  static const struct path_case fileexist[] = {
      {"plain", 0, "plain folder"},
      {"hidden", 1, "hidden folder"},
      {"system", 0, "system folder"},
      {"plain.txt", 1, "file"},
      {"readonly.txt", 1, "read-only file"},
      {"archive.txt", 1, "archive file"},
      {"system.sys", 0, "system file"},
      {"hidden-system.sys", 1, "hidden system file"},
      {"missing", 0, "missing"},
      {"missing\\plain.txt", 0, "missing folder"},
      {"*.txt", 1, "wildcard"},
      {"pl?in.txt", 1, "wildcard"},
      {"*.doc", 0, "wildcard without match"},
      {"rejected\\*", 0, "only a folder and a system file"},
      {"mixed\\m*", 1, "a folder, a system file and a file"},
      {"mixed\\m?", 1, "a folder, a system file and a file"}};
  /* The Windows file system's own matching: letter case does not count, and "*.*"
   * matches names without a dot. */
  static const struct path_case windows_matching[] = {
      {"PLAIN.TXT", 1, "other case"}, {"P*.TXT", 1, "other case"}, {"noe*.*", 1, "no dot"}};
  CHECK_PATHS(api, direxist, direxist);
  report(api->direxist("") == 0, "direxist(\"\") = 0");
  CHECK_PATHS(api, fileexist, fileexist);
  check_paths("fileexist", api->fileexist, windows_matching,
              sizeof windows_matching / sizeof windows_matching[0]);
}

/* ---- clock ------------------------------------------------------------------------ */

static void check_clock(const struct gauger* api) {
  const time_t before = time(NULL);
  const int32_t now = api->GetTime();
  const time_t after = time(NULL);
  report(now > 0 && before <= now && now <= after, "GetTime() = %ld, time() %lld..%lld", (long)now,
         (long long)before, (long long)after);
}

int main(int argc, char** argv) {
  const int bits = (int)sizeof(void*) * 8;
  if (argc == 2 && strcmp(argv[1], "--probe") == 0) {
    printf("gauger_wintest ready (%d-bit)\n", bits);
    return 0;
  }
  if (argc != 2) {
    fprintf(stderr, "usage: %s DLL | --probe\n", argv[0]);
    return 2;
  }
  printf("gauger_wintest (%d-bit) with %s\n", bits, argv[1]);
  HMODULE dll = LoadLibraryA(argv[1]);
  report(dll != NULL, "LoadLibrary (error %lu)", dll ? 0ul : (unsigned long)GetLastError());
  struct gauger api;
  if (dll != NULL && bind_by_name(dll, &api)) {
    check_ordinals(dll);
    check_versions(&api);
    check_compares(&api);
    if (make_scratch_folder())
      check_files(&api);
    else
      report(0, "scratch folder %s", root);
    remove_entries();
    check_clock(&api);
  }
  printf("gauger_wintest: %d checks, %d failed\n", checks, failures);
  return failures == 0 ? 0 : 1;
}
