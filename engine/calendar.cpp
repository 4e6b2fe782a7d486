#include "engine/calendar.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

}  // namespace

std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarMoment CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp + (mp < 10 ? 3 : -9);
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d), 0, 0};
}

std::int64_t MinutesSince1970(const CalendarMoment& m) {
    return DaysFromCivil(m.Year, m.Month, m.Day) * kMinutesPerDay + m.Hour * 60 + m.Minute;
}

CalendarMoment MomentFromMinutes(std::int64_t minutes) {
    const std::int64_t days = FloorDiv(minutes, kMinutesPerDay);
    const std::int64_t clock = minutes - days * kMinutesPerDay;
    CalendarMoment m = CivilFromDays(days);
    m.Hour = static_cast<int>(clock / 60);
    m.Minute = static_cast<int>(clock % 60);
    return m;
}

UniversalTimeResult UniversalTime(const ChartInput& input) {
    const double localHours = input.Hour + input.Minute / 60.0;
    double longitudeWest = input.LongitudeDegrees + input.LongitudeMinutes / 60.0;
    if (input.IsEast) {
        longitudeWest = -longitudeWest;
    }
    if (input.UtcOffsetMinutes) {
        // Whole hours plus minutes / 60, as the zone fields are summed, so
        // that an offset and the fields that describe the same moment give
        // the same bits.
        const int offset = *input.UtcOffsetMinutes;
        const int magnitude = offset < 0 ? -offset : offset;
        const double zoneHours = magnitude / 60 + (magnitude % 60) / 60.0;
        const double utHours = offset > 0 ? localHours - zoneHours : localHours + zoneHours;
        return {utHours, longitudeWest};
    }
    double zoneHours = input.ZoneHours + input.ZoneMinutes / 60.0;
    const bool east = longitudeWest < 0;
    if (input.IsDaylightSaving) {
        zoneHours = east ? zoneHours + 1 : zoneHours - 1;
    }
    const double utHours = east ? localHours - zoneHours : localHours + zoneHours;
    return {utHours, longitudeWest};
}

std::int64_t UtcOffsetMinutes(const ChartInput& input) {
    if (input.UtcOffsetMinutes) {
        return *input.UtcOffsetMinutes;
    }
    // The hemisphere test uses the same double longitude as UniversalTime, so
    // the whole-minute moment and the fractional UT always agree on the
    // direction of the zone.
    const bool east = UniversalTime(input).longitudeWestDegrees < 0;
    std::int64_t zoneMinutes = std::int64_t{input.ZoneHours} * 60 + input.ZoneMinutes;
    if (input.IsDaylightSaving) {
        zoneMinutes += east ? 60 : -60;
    }
    return east ? zoneMinutes : -zoneMinutes;
}

double LatitudeNorthDegrees(const ChartInput& input) {
    const double latitude = input.LatitudeDegrees + input.LatitudeMinutes / 60.0;
    return input.IsSouth ? -latitude : latitude;
}

CalendarMoment UniversalMoment(const ChartInput& input) {
    const std::int64_t localMinutes = std::int64_t{input.Hour} * 60 + input.Minute;
    const std::int64_t utMinutes = localMinutes - UtcOffsetMinutes(input);

    const std::int64_t dayOffset = FloorDiv(utMinutes, kMinutesPerDay);
    const std::int64_t clockMinutes = utMinutes - dayOffset * kMinutesPerDay;

    CalendarMoment moment{input.Year, input.Month, input.Day, 0, 0};
    if (dayOffset != 0) {
        // Months outside 1 … 12 never come from the pages; fold them into the
        // year so that the carry stays defined for any 16-bit input.
        const std::int64_t monthsFromZero = std::int64_t{input.Month} - 1;
        const std::int64_t year = input.Year + FloorDiv(monthsFromZero, 12);
        const std::int64_t month = monthsFromZero - FloorDiv(monthsFromZero, 12) * 12 + 1;
        moment = CivilFromDays(DaysFromCivil(year, month, input.Day) + dayOffset);
    }
    moment.Hour = static_cast<int>(clockMinutes / 60);
    moment.Minute = static_cast<int>(clockMinutes % 60);
    return moment;
}

double JulianDayNumber(double month, double day, double year) {
    const double m = month + 12 * (year + 4800) - 3;  // months counted from March −4800
    double J = std::floor((365 * m + 2 * (m - 12 * std::floor(m / 12)) + 7) / 12) + day +
               std::floor(m / 48) - 32083;
    if (J > 2299171) {
        J = J + std::floor(m / 4800) - std::floor(m / 1200) + 38;
    }
    return J;
}

double CenturiesSince1900(double julianDayNumber, double utHours) {
    return ((julianDayNumber - kJulianDay1900) + utHours / 24 - 0.5) / kDaysPerJulianCentury;
}

double DayNumber2000(double y, double m, double D, double h, double min) {
    return 367 * y - std::floor(7 * (y + std::floor((m + 9) / 12)) / 4) + std::floor(275 * m / 9) +
           D - 730531.5 + (h + min / 60) / 24;
}

double DayNumber2000(const CalendarMoment& utc) {
    return DayNumber2000(utc.Year, utc.Month, utc.Day, utc.Hour, utc.Minute);
}

double LocalSiderealDegrees(double julianCenturies1900, double utHours,
                            double longitudeWestDegrees) {
    const double T = julianCenturies1900;
    const double lstDegrees =
        15 * (6.6460656 + 2400.0513 * T + 0.0000258 * T * T + utHours) - longitudeWestDegrees;
    return SubtractTurnsWhileAtLeast360(lstDegrees);
}

double ObliquityDegrees(double julianCenturies1900) {
    return 23.452294 - 0.0130125 * julianCenturies1900;
}

std::string MinuteText(const CalendarMoment& m, char between) {
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d", m.Year, m.Month,
                                m.Day, between, m.Hour, m.Minute);
    return std::string(text, static_cast<std::size_t>(n));
}

std::string UtcOffsetText(int minutesEast) {
    const int magnitude = minutesEast < 0 ? -minutesEast : minutesEast;
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%c%02d:%02d", minutesEast < 0 ? '-' : '+',
                                magnitude / 60, magnitude % 60);
    return std::string(text, static_cast<std::size_t>(n));
}

}  // namespace zkc
