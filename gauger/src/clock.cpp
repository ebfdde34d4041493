#include "clock.h"

#include <limits>

namespace gauger {

std::int32_t calendar_seconds(std::time_t now) noexcept {
  if (now < 0 || now > std::numeric_limits<std::int32_t>::max()) return -1;
  return static_cast<std::int32_t>(now);
}

}  // namespace gauger
