// The transit search: every minute at which a placed body's nakshatra, and so
// its place, zone and result, differs from the minute before.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/chart_input.h"
#include "kota/nakshatra_information.h"
#include "transits/local_clock.h"

namespace zkc {

struct StandingChange {
    std::int64_t utcMinutes = 0;  // the first minute of the new standing
    int body = 0;                 // kSun … kKetu
    KotaNakshatra from = -1;      // −1: unplaced
    KotaNakshatra to = -1;

    friend bool operator==(const StandingChange&, const StandingChange&) = default;
};

// One search's calculation state; one instance per thread.
class StandingSearch {
  public:
    StandingSearch(const ChartInput& day, const LocalClock& clock);

    // The changes at the universal-time minutes of (afterUtc, lastUtc], in
    // order of minute, then of body.
    std::vector<StandingChange> Find(std::int64_t afterUtc, std::int64_t lastUtc);

    // The nakshatra of a body at a minute, as a one-minute scan reads it.
    KotaNakshatra NakshatraAt(int body, std::int64_t utcMinutes);

    // Longitudes computed so far, for the benchmarks.
    long long Evaluations() const { return evaluations_; }

  private:
    struct Sample;
    struct Motion;
    Sample Take(int body, std::int64_t utcMinutes);
    Motion MotionAt(int body, const Sample& now, const Sample* before) const;
    std::int64_t SteadyMinutes(int body, const Sample& now, const Motion& motion) const;
    void FindForBody(int body, std::int64_t afterUtc, std::int64_t lastUtc,
                     std::vector<StandingChange>& out);

    DayMoments moments_;
    long long evaluations_ = 0;
};

// The same over many threads: the span is cut into pieces of chunkMinutes,
// each searched on its own, and the pieces' changes are handed to deliver in
// order on the calling thread. deliver returns false to stop the search;
// the function then returns false.
template <class Deliver>
bool FindStandingChanges(const ChartInput& day, const LocalClock& clock, std::int64_t afterUtc,
                         std::int64_t lastUtc, int jobs, Deliver&& deliver);

inline constexpr std::int64_t kSearchChunkMinutes = 30 * 24 * 60;

}  // namespace zkc

#include "transits/standing_search_parallel.h"
