// A zone's offsets over a stretch of time, looked up without the zone
// database: what a scan over many moments asks at every row.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace zkc::places {

class ZoneTimeline {
  public:
    // The zone's changes of offset between the two universal moments
    // (seconds since 1970), read once.
    ZoneTimeline(const QString& zoneId, std::int64_t fromUtcSeconds, std::int64_t toUtcSeconds);

    // Minutes east of Greenwich in force at a universal minute (minutes
    // since 1970), rounded to whole minutes.
    int OffsetMinutesAt(std::int64_t utcMinutes) const;

  private:
    std::vector<std::int64_t> changeUtcSeconds_;  // ascending
    std::vector<int> offsetMinutes_;              // before the first change, then after each
};

}  // namespace zkc::places
