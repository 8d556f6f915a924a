#include "frame/frame_schedule.h"

#include <algorithm>

#include "platform/system_clock.h"

namespace momentart {

namespace {

// The timer's seed and the calendar at a moment.
PictureMoment momentOf(const QDateTime& at) { return {timerSeedAt(at.time()), calendarAt(at)}; }

QDateTime minuteOf(const QDateTime& at) {
    const QTime time = at.time();
    return QDateTime(at.date(), QTime(time.hour(), time.minute()));
}

}  // namespace

PictureMoment FrameSchedule::pictureAt(const QDateTime& now) {
    if (nextSeed_) {
        const std::uint32_t seed = (*nextSeed_)++;
        return {seed, calendarAt(now)};
    }
    if (!timing_.onTheMinute) return momentOf(now);
    QDateTime minute = minuteOf(now);
    if (lastMinute_.isValid() && minute <= lastMinute_) minute = lastMinute_.addSecs(60);
    lastMinute_ = minute;
    return momentOf(minute);
}

PictureMoment FrameSchedule::after(const PictureMoment& dull, const QDateTime& now) {
    if (nextSeed_) return pictureAt(now);
    if (timing_.onTheMinute) {
        const CalendarTime& m = dull.moment;
        return momentOf(QDateTime(QDate(m.year, m.month, m.day), QTime(m.hour, m.minute, m.second)).addSecs(1));
    }
    PictureMoment moved = momentOf(now);
    // The timer counts in steps of a few milliseconds: a new seed even so.
    if (moved.seed == dull.seed) ++moved.seed;
    return moved;
}

std::chrono::milliseconds FrameSchedule::nextDue(const QDateTime& now) const {
    if (!timing_.onTheMinute) return timing_.every;
    // A few milliseconds past the turn, so the minute has surely begun.
    constexpr qint64 kPastTheTurn = 5;
    return std::chrono::milliseconds(std::max<qint64>(1, now.msecsTo(minuteOf(now).addSecs(60)) + kPastTheTurn));
}

}  // namespace momentart
