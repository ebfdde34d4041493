#include "pagerelease.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

void ReleasePages(char* Begin, char* End) {
#if defined(__linux__)
  static const auto Page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t First = (reinterpret_cast<uintptr_t>(Begin) + Page - 1) & ~(Page - 1);
  const uintptr_t Last = reinterpret_cast<uintptr_t>(End) & ~(Page - 1);
  if (First < Last) madvise(reinterpret_cast<void*>(First), Last - First, MADV_DONTNEED);
#else
  (void)Begin;
  (void)End;
#endif
}
