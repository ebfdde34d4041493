// Shared by the fuzz targets: a failed property stops the run, and libFuzzer
// keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(Condition)                                                                \
  do {                                                                                       \
    if (!(Condition)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #Condition, __FILE__, __LINE__); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)
