// Building chart inputs in one line for the tests.
#pragma once

#include <QMetaType>
#include <QString>
#include <string_view>

#include "engine/chart_input.h"

namespace zkc::test {

struct Place {
    int lonDegrees = 0;
    int lonMinutes = 0;
    bool east = false;
    int latDegrees = 0;
    int latMinutes = 0;
    bool south = false;
};

inline constexpr Place kGreenwich51 = {0, 0, false, 51, 30, false};
inline constexpr Place kDelhi = {77, 13, true, 28, 39, false};

inline ChartInput MakeInput(int year, int month, int day, int hour, int minute, int zoneHours,
                            int zoneMinutes, Place place = {}, bool dst = false) {
    ChartInput in;
    in.Year = static_cast<std::int16_t>(year);
    in.Month = static_cast<std::int16_t>(month);
    in.Day = static_cast<std::int16_t>(day);
    in.Hour = static_cast<std::int16_t>(hour);
    in.Minute = static_cast<std::int16_t>(minute);
    in.ZoneHours = static_cast<std::int16_t>(zoneHours);
    in.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    in.LongitudeDegrees = static_cast<std::int16_t>(place.lonDegrees);
    in.LongitudeMinutes = static_cast<std::int16_t>(place.lonMinutes);
    in.IsEast = place.east;
    in.LatitudeDegrees = static_cast<std::int16_t>(place.latDegrees);
    in.LatitudeMinutes = static_cast<std::int16_t>(place.latMinutes);
    in.IsSouth = place.south;
    in.IsDaylightSaving = dst;
    return in;
}

// The long form of a longitude given as degrees, minutes, seconds and sign.
inline QString Long(int d, int m, int s, const char* sign) {
    return QString::asprintf("%d\u00B0 %d' %d\" %s", d, m, s, sign);
}

// Any text of the core as a QString, for comparisons.
inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace zkc::test

Q_DECLARE_METATYPE(zkc::ChartInput)
