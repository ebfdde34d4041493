/* gauger: version strings, file-system tests and the clock, for outside programs.
 *
 * Load the library at run time (libgauger.so, libgauger.dylib or gauger.dll) and bind
 * the seven functions below by name, or by ordinal 1 to 7 on Windows, or link against
 * it. All strings are 8-bit and NUL-terminated; no argument may be a null pointer.
 *
 * A version string splits at its first lower-case 'b': the major part is the text
 * before it, the minor part the text after it. Without a 'b' there is no minor part.
 */
#ifndef GAUGER_H
#define GAUGER_H

#include <stdint.h>

/* Calling convention: stdcall on 32-bit x86 Windows, the platform default elsewhere. */
#if defined(_WIN32) && (defined(_M_IX86) || defined(__i386__))
#define GAUGER_CALL __stdcall
#else
#define GAUGER_CALL
#endif

/* The library marks its exports itself while it is being built. */
#if defined(GAUGER_BUILDING) && !defined(_WIN32) && defined(__GNUC__)
#define GAUGER_EXPORT __attribute__((visibility("default")))
#else
#define GAUGER_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 1: new string, the major part (all of it without 'b'). The caller frees it with free()
 * of the library's C runtime (it comes from malloc); null only when memory runs out. */
GAUGER_EXPORT char* GAUGER_CALL getMajorVersion(const char* version);

/* 2: new string, the minor part ("" for a trailing 'b'), null when there is no 'b' or
 * memory runs out. The caller frees it with free() of the library's C runtime. */
GAUGER_EXPORT char* GAUGER_CALL getMinorVersion(const char* version);

/* 3: byte order with a-z folded to A-Z, other bytes unsigned and unfolded; the result is
 * the difference of the first differing bytes (-255..255), 0 when equal. */
GAUGER_EXPORT int32_t GAUGER_CALL compareStrings(const char* left, const char* right);

/* 4: compareStrings of the major parts, then of the minor parts; a version with a minor
 * part sorts before its bare major part (-1 / 1). Leaves nothing for the caller to free. */
GAUGER_EXPORT int32_t GAUGER_CALL compareVersions(const char* left, const char* right);

/* 5: 1 when path names an existing file or directory, else 0 (always 0 with '*' or '?'). */
GAUGER_EXPORT int32_t GAUGER_CALL direxist(const char* path);

/* 6: 1 when the pattern ('*' and '?' in its last part) matches a hidden entry or one that
 * is neither a directory nor a system file (device, socket, FIFO), else 0. */
GAUGER_EXPORT int32_t GAUGER_CALL fileexist(const char* path);

/* 7: seconds since 1970-01-01 00:00:00 UTC, -1 outside 1970 to 2038 (31 bits). */
GAUGER_EXPORT int32_t GAUGER_CALL GetTime(void);

#ifdef __cplusplus
}
#endif

#endif /* GAUGER_H */
