// The real clock: the time of day as the timer's seed, and the date and time.
#pragma once

#include <QDateTime>
#include <cstdint>

#include "engine/host.h"

namespace momentart {

// The seed the timer gives at `time`: the bit pattern of the seconds since
// midnight as a single-precision number.
std::uint32_t timerSeedAt(const QTime& time);
std::uint32_t timerSeedNow();

// A local date and time as the engine names pictures by it.
CalendarTime calendarAt(const QDateTime& moment);
// The local date and time now.
CalendarTime calendarNow();

class SystemClock final : public Clock {
public:
    std::uint32_t timerSeed() override;
    CalendarTime now() override;
};

}  // namespace momentart
