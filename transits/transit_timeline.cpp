#include "transits/transit_timeline.h"

#include <algorithm>

#include "input/page_lists.h"
#include "transits/standing_search.h"

namespace zkc {

std::vector<TransitRow> ComingTransits(const ChartInput& birth, const ChartInput& day,
                                       const LocalClock& clock, int days) {
    const KotaRing ring = RingOfBirth(birth);
    const std::int64_t afterUtc = clock.UtcMinutesOf(LocalMinutesOf(day));
    // The speed bounds, and so the search, hold for the years the pages admit.
    const std::int64_t lastAdmittedUtc =
        clock.UtcMinutesOf(MinutesSince1970({kListedYears.Last, 12, 31, 23, 59}));
    const std::int64_t lastUtc = std::min(afterUtc + std::int64_t{days} * 24 * 60, lastAdmittedUtc);
    const DayMoments moments(day, clock);
    std::vector<TransitRow> rows;
    for (const StandingChange& c : StandingSearch(day, clock).Find(afterUtc, lastUtc)) {
        rows.push_back({c.utcMinutes, moments.LocalAt(c.utcMinutes), c.body,
                        StandingOf(c.body, c.from, ring), StandingOf(c.body, c.to, ring)});
    }
    return rows;
}

}  // namespace zkc
