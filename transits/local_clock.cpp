#include "transits/local_clock.h"

namespace zkc {

FixedOffsetClock ClockOfDayInput(const ChartInput& day) {
    return FixedOffsetClock(static_cast<int>(UtcOffsetMinutes(day)));
}

std::int64_t LocalMinutesOf(const ChartInput& day) {
    return MinutesSince1970({day.Year, day.Month, day.Day, day.Hour, day.Minute});
}

DayMoments::DayMoments(const ChartInput& day, const LocalClock& clock)
    : moment_(day), clock_(clock) {}

const ChartInput& DayMoments::At(std::int64_t utcMinutes) {
    const int offset = clock_.OffsetMinutesAt(utcMinutes);
    const CalendarMoment local = MomentFromMinutes(utcMinutes + offset);
    moment_.Year = static_cast<std::int16_t>(local.Year);
    moment_.Month = static_cast<std::int16_t>(local.Month);
    moment_.Day = static_cast<std::int16_t>(local.Day);
    moment_.Hour = static_cast<std::int16_t>(local.Hour);
    moment_.Minute = static_cast<std::int16_t>(local.Minute);
    if (moment_.UtcOffsetMinutes) {
        moment_.UtcOffsetMinutes = static_cast<std::int16_t>(offset);
    }
    return moment_;
}

CalendarMoment DayMoments::LocalAt(std::int64_t utcMinutes) const {
    return MomentFromMinutes(utcMinutes + clock_.OffsetMinutesAt(utcMinutes));
}

}  // namespace zkc
