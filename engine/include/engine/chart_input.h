// One chart's inputs, as the input pages give them.
#pragma once

#include <cstdint>
#include <string>

namespace zkc {

// All numbers are 16-bit signed integers, as the pages hand them over.
// Times are local civil clock time; the zone fields are unsigned magnitudes
// (the direction of the offset comes from the longitude's hemisphere).
struct ChartInput {
    std::string Name;  // birth chart only; empty for the day of the reading

    std::int16_t Month = 0;  // 1 = January … 12 = December
    std::int16_t Day = 0;    // day of the month, 1 … 31
    std::int16_t Year = 0;

    std::int16_t ZoneHours = 0;    // hours of the zone offset, magnitude only
    std::int16_t ZoneMinutes = 0;  // minutes of the zone offset, magnitude only

    std::int16_t Hour = 0;    // local clock hour, 0 … 23
    std::int16_t Minute = 0;  // local clock minute, 0 … 59

    std::int16_t LongitudeDegrees = 0;  // magnitude; IsEast gives the hemisphere
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;  // magnitude; IsSouth gives the hemisphere
    std::int16_t LatitudeMinutes = 0;

    bool IsDaylightSaving = false;
    bool IsEast = false;   // unset = West
    bool IsSouth = false;  // unset = North

    std::string City;
    std::string State;
    std::string Country;

    friend bool operator==(const ChartInput&, const ChartInput&) = default;
};

}  // namespace zkc
