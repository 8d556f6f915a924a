#include "platform/system_clock.h"

#include <QDateTime>
#include <bit>

namespace momentart {

std::uint32_t timerSeedNow() {
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    return std::bit_cast<std::uint32_t>(seconds);
}

CalendarTime calendarNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::uint32_t SystemClock::timerSeed() { return timerSeedNow(); }
CalendarTime SystemClock::now() { return calendarNow(); }

}  // namespace momentart
