// Clocks for a run: the real time of day, or a fixed seed with the real date.
#pragma once

#include <cstdint>

#include "shell/host.h"

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

// Gives `seed` wherever the timer would be read; names pictures by the real
// date and time.
class FixedSeedClock final : public Clock {
public:
    explicit FixedSeedClock(std::uint32_t seed) : seed_(seed) {}
    std::uint32_t timerSeed() override { return seed_; }
    CalendarTime now() override;

private:
    std::uint32_t seed_;
};

}  // namespace momentart
