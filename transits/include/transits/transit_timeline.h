// The coming changes of standing for one birth, from the moment of the day
// of the reading: what the transit table of the window lists.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/calendar.h"
#include "engine/chart_input.h"
#include "transits/kota_standing.h"
#include "transits/local_clock.h"

namespace zkc {

struct TransitRow {
    std::int64_t utcMinutes = 0;
    CalendarMoment local;  // the local clock time in force
    int body = 0;          // kSun … kKetu
    KotaStanding from;
    KotaStanding to;

    // A change into an adverse standing.
    bool BecomesAdverse() const {
        return to.Result == KotaResult::Adverse && from.Result != KotaResult::Adverse;
    }
};

// The changes after the day's moment up to and including `days` days later,
// and no later than the last minute of the last year the pages admit.
std::vector<TransitRow> ComingTransits(const ChartInput& birth, const ChartInput& day,
                                       const LocalClock& clock, int days);

}  // namespace zkc
