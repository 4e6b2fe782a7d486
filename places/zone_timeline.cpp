#include "places/zone_timeline.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>

#include "places/zone_resolution.h"

namespace zkc::places {

ZoneTimeline::ZoneTimeline(const QString& zoneId, std::int64_t fromUtcSeconds,
                           std::int64_t toUtcSeconds) {
    const QTimeZone zone(zoneId.toUtf8());
    const QDateTime from = QDateTime::fromSecsSinceEpoch(fromUtcSeconds, Qt::UTC);
    const QDateTime to = QDateTime::fromSecsSinceEpoch(toUtcSeconds, Qt::UTC);
    offsetMinutes_.push_back(OffsetMinutesOfSeconds(zone.offsetFromUtc(from)));
    for (const QTimeZone::OffsetData& change : zone.transitions(from, to)) {
        changeUtcSeconds_.push_back(change.atUtc.toSecsSinceEpoch());
        offsetMinutes_.push_back(OffsetMinutesOfSeconds(change.offsetFromUtc));
    }
}

int ZoneTimeline::OffsetMinutesAt(std::int64_t utcMinutes) const {
    const std::int64_t seconds = utcMinutes * 60;
    // The number of changes at or before the moment picks its offset.
    const auto changes =
        std::upper_bound(changeUtcSeconds_.begin(), changeUtcSeconds_.end(), seconds) -
        changeUtcSeconds_.begin();
    return offsetMinutes_[static_cast<std::size_t>(changes)];
}

}  // namespace zkc::places
