// The real clock: the time of day as the timer's seed, and the date and time.
#pragma once

#include <cstdint>

#include "engine/host.h"

namespace momentart {

// The seed the timer gives now: the bit pattern of the seconds since
// midnight as a single-precision number.
std::uint32_t timerSeedNow();

// The local date and time now.
CalendarTime calendarNow();

class SystemClock final : public Clock {
public:
    std::uint32_t timerSeed() override;
    CalendarTime now() override;
};

}  // namespace momentart
