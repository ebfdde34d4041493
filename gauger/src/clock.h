// The calendar time as callers receive it: a signed 32-bit count of seconds.
#pragma once

#include <cstdint>
#include <ctime>

namespace gauger {

// now as seconds since 1970, or -1 when it is negative or needs more than 31 bits.
std::int32_t calendar_seconds(std::time_t now) noexcept;

}  // namespace gauger
