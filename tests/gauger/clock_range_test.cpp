// The range of seconds that GetTime reports; outside it the answer is -1.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <limits>

#include "clock.h"

namespace {

TEST(GaugerClockRange, SecondsOutsideThirtyOneBitsAreMinusOne) {
  constexpr auto kLast = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(gauger::calendar_seconds(0), 0);
  EXPECT_EQ(gauger::calendar_seconds(kLast), kLast);
  EXPECT_EQ(gauger::calendar_seconds(-1), -1);
  EXPECT_EQ(gauger::calendar_seconds(std::numeric_limits<std::time_t>::min()), -1);
  if constexpr (sizeof(std::time_t) > sizeof(std::int32_t)) {
    EXPECT_EQ(gauger::calendar_seconds(std::time_t{kLast} + 1), -1);
    EXPECT_EQ(gauger::calendar_seconds(std::numeric_limits<std::time_t>::max()), -1);
  }
}

}  // namespace
