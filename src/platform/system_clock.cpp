#include "platform/system_clock.h"

#include <QDateTime>
#include <bit>

namespace momentart {

std::uint32_t timerSeedAt(const QTime& time) {
    const float seconds = static_cast<float>(time.msecsSinceStartOfDay() / 1000.0);
    return std::bit_cast<std::uint32_t>(seconds);
}

std::uint32_t timerSeedNow() { return timerSeedAt(QTime::currentTime()); }

CalendarTime calendarAt(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

CalendarTime calendarNow() { return calendarAt(QDateTime::currentDateTime()); }

std::uint32_t SystemClock::timerSeed() { return timerSeedNow(); }
CalendarTime SystemClock::now() { return calendarNow(); }

}  // namespace momentart
