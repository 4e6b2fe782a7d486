// FindStandingChanges, kept apart from the declarations it implements.
#pragma once

#include <algorithm>
#include <utility>

#include "transits/ordered_chunks.h"
#include "transits/standing_search.h"

namespace zkc {

template <class Deliver>
bool FindStandingChanges(const ChartInput& day, const LocalClock& clock, std::int64_t afterUtc,
                         std::int64_t lastUtc, int jobs, Deliver&& deliver) {
    // A piece (a, b] starts from the standing at a, which is the one the
    // piece before ends with, so cutting changes nothing that is found.
    const std::int64_t span = std::max<std::int64_t>(0, lastUtc - afterUtc);
    const std::int64_t chunks = (span + kSearchChunkMinutes - 1) / kSearchChunkMinutes;
    return RunOrderedChunks(
        chunks, jobs,
        [&](std::int64_t i) {
            StandingSearch search(day, clock);
            const std::int64_t from = afterUtc + i * kSearchChunkMinutes;
            return search.Find(from, std::min(lastUtc, from + kSearchChunkMinutes));
        },
        [&](std::int64_t i, std::vector<StandingChange>&& changes) {
            const std::int64_t through =
                std::min(lastUtc, afterUtc + (i + 1) * kSearchChunkMinutes);
            return deliver(std::move(changes), through);
        });
}

}  // namespace zkc
