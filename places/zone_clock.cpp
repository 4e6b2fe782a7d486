#include "places/zone_clock.h"

#include <QDateTime>

#include "places/zone_resolution.h"

namespace zkc::places {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

LocalTime LocalTimeOf(std::int64_t localMinutes) {
    const QDateTime t = QDateTime::fromSecsSinceEpoch(localMinutes * 60, Qt::UTC);
    return {t.date(), t.time().hour(), t.time().minute()};
}

}  // namespace

ZoneClock::ZoneClock(const QString& zoneId, std::int64_t fromUtcMinutes, std::int64_t toUtcMinutes)
    : zone_(zoneId), timeline_(zoneId, fromUtcMinutes * 60, toUtcMinutes * 60) {}

int ZoneClock::OffsetMinutesAt(std::int64_t utcMinutes) const {
    return timeline_.OffsetMinutesAt(utcMinutes);
}

std::int64_t ZoneClock::UtcMinutesOf(std::int64_t localMinutes) const {
    // A gap is at most a day long (Samoa's of 2011): the first minute after
    // it that the clocks did show is where they jumped to.
    for (std::int64_t minute = localMinutes; minute <= localMinutes + kMinutesPerDay; ++minute) {
        const auto resolved = ResolveLocalTime(zone_, LocalTimeOf(minute));
        if (const auto* r = std::get_if<ResolvedLocalTime>(&resolved)) {
            return minute - r->Offset.OffsetMinutes;
        }
    }
    return localMinutes - OffsetMinutesAt(localMinutes);
}

DayClock::DayClock(const ChartInput& day, int daysAfter) : fixed_(ClockOfDayInput(day)) {
    if (!day.TimeZone.empty() && day.UtcOffsetMinutes) {
        // Offsets never reach a day, so a day's margin on both sides covers
        // every universal minute of the stretch.
        const std::int64_t start = LocalMinutesOf(day);
        zone_.emplace(QString::fromStdString(day.TimeZone), start - kMinutesPerDay,
                      start + (daysAfter + 1) * kMinutesPerDay);
    }
}

const LocalClock& DayClock::Clock() const {
    return zone_ ? static_cast<const LocalClock&>(*zone_) : fixed_;
}

}  // namespace zkc::places
