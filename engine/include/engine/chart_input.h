// One chart's inputs, as the input pages give them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zkc {

// All numbers are 16-bit signed integers, as the pages hand them over.
// Times are local civil clock time. The moment is fixed either by the zone
// fields (unsigned magnitudes, the direction taken from the longitude's
// hemisphere, daylight saving one hour further ahead) or, when it is set, by
// an explicit offset from universal time.
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

    // Minutes east of Greenwich, daylight saving included. When set it
    // replaces the zone fields, IsDaylightSaving and the hemisphere rule for
    // the moment; those fields then only describe the page. The hemisphere
    // rule cannot express a place whose zone lies across Greenwich from it
    // (Madrid at 3°42′ W keeps UTC+1), so every resolved zone comes here.
    std::optional<std::int16_t> UtcOffsetMinutes;
    // The zone the offset was resolved from, for the report ("Europe/Madrid");
    // empty for an offset given as such. Never read by the calculation.
    std::string TimeZone;

    std::string City;
    std::string State;
    std::string Country;

    friend bool operator==(const ChartInput&, const ChartInput&) = default;
};

}  // namespace zkc
