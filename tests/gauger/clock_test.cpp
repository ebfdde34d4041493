// GetTime as callers see it.
#include <cstdint>
#include <ctime>
#include <limits>

#include "gauger_api.h"

namespace {

using GaugerClock = GaugerTest;

TEST_F(GaugerClock, GetTimeIsTheCalendarTime) {
  const std::time_t before = std::time(nullptr);
  const std::int32_t now = api().GetTime();
  const std::time_t after = std::time(nullptr);
  ASSERT_LE(after, std::numeric_limits<std::int32_t>::max()) << "clock past 2038";
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
}

}  // namespace
