// The clock of a place bound to a time zone, for scans and the transit
// search: the offset in force at every universal minute, summer time and
// every other change of the zone's history included.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "places/zone_timeline.h"
#include "transits/local_clock.h"

namespace zkc::places {

class ZoneClock final : public LocalClock {
  public:
    // The zone's offsets between two universal minutes are read once; the
    // clock answers for that stretch.
    ZoneClock(const QString& zoneId, std::int64_t fromUtcMinutes, std::int64_t toUtcMinutes);

    int OffsetMinutesAt(std::int64_t utcMinutes) const override;

    // A local time the clocks showed twice is taken at its first occurrence,
    // as a single reading takes it; one they skipped, at the minute they
    // jumped.
    std::int64_t UtcMinutesOf(std::int64_t localMinutes) const override;

  private:
    QString zone_;
    ZoneTimeline timeline_;
};

// The clock of a day input: its zone's when it carries one, else the one
// offset its fields or its explicit offset give. Covers the day and the
// given number of days after it.
class DayClock {
  public:
    DayClock(const ChartInput& day, int daysAfter);
    const LocalClock& Clock() const;

  private:
    FixedOffsetClock fixed_;
    std::optional<ZoneClock> zone_;
};

}  // namespace zkc::places
