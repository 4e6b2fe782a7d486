// Chart inputs of the benchmarks.
#pragma once

#include <cstdint>

#include "engine/chart_input.h"

namespace zkc::bench {

// A moment at New Delhi (77°13′ E, 28°39′ N, zone 5:30).
inline ChartInput AtDelhi(int year, int month, int day, int hour, int minute) {
    ChartInput in;
    in.Year = static_cast<std::int16_t>(year);
    in.Month = static_cast<std::int16_t>(month);
    in.Day = static_cast<std::int16_t>(day);
    in.Hour = static_cast<std::int16_t>(hour);
    in.Minute = static_cast<std::int16_t>(minute);
    in.ZoneHours = 5;
    in.ZoneMinutes = 30;
    in.LongitudeDegrees = 77;
    in.LongitudeMinutes = 13;
    in.IsEast = true;
    in.LatitudeDegrees = 28;
    in.LatitudeMinutes = 39;
    return in;
}

}  // namespace zkc::bench
