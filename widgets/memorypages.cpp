#include "memorypages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// The whole pages in [Begin, End), given the advice.
void Advise(char* Begin, char* End, [[maybe_unused]] int Advice) {
#if defined(__linux__)
  static const auto Page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t First = (reinterpret_cast<uintptr_t>(Begin) + Page - 1) & ~(Page - 1);
  const uintptr_t Last = reinterpret_cast<uintptr_t>(End) & ~(Page - 1);
  if (First < Last) madvise(reinterpret_cast<void*>(First), Last - First, Advice);
#else
  (void)Begin;
  (void)End;
#endif
}

}  // namespace

void ReleasePages(char* Begin, char* End) {
#if defined(__linux__)
  Advise(Begin, End, MADV_DONTNEED);
#else
  Advise(Begin, End, 0);
#endif
}

void PreferLargePages(char* Begin, char* End) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  Advise(Begin, End, MADV_HUGEPAGE);
#else
  Advise(Begin, End, 0);
#endif
}
