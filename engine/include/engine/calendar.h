// Calendar and time: from a chart's local date, clock, zone and place to the
// time quantities every position rule needs.
#pragma once

#include <cstdint>
#include <string>

#include "engine/chart_input.h"

namespace zkc {

// Universal time of the chart moment and the signed longitude of its place.
struct UniversalTimeResult {
    double utHours = 0;               // on the *local* civil date, not wrapped into 0..24
                                      // (−5.5 means 18:30 UT the day before)
    double longitudeWestDegrees = 0;  // west positive, east negative
};

// A calendar date and clock time to the whole minute.
struct CalendarMoment {
    int Year = 0;
    int Month = 0;  // 1 … 12
    int Day = 0;
    int Hour = 0;    // 0 … 23
    int Minute = 0;  // 0 … 59

    friend bool operator==(const CalendarMoment&, const CalendarMoment&) = default;
};

// "2026-12-08T18:20": the moment in ISO 8601 to the minute; `between` set to
// ' ' gives the form tables show.
std::string MinuteText(const CalendarMoment& m, char between = 'T');

// "+05:30", "-03:30": an offset from universal time in minutes east of
// Greenwich, as ISO 8601 writes it.
std::string UtcOffsetText(int minutesEast);

// utHours and the longitude from the input. An explicit offset gives
// UT = local time − offset. Otherwise the zone fields are magnitudes: the
// offset points ahead of universal time for eastern places (longitude below
// 0) and behind it otherwise (0 counts as west), and daylight saving moves it
// one hour further ahead.
UniversalTimeResult UniversalTime(const ChartInput& input);

// The offset in force as whole minutes east of Greenwich: the explicit one,
// or the one the zone fields, daylight saving and the hemisphere give.
std::int64_t UtcOffsetMinutes(const ChartInput& input);

// Latitude in degrees, north positive.
double LatitudeNorthDegrees(const ChartInput& input);

// The chart moment as a universal-time calendar date and clock time. Counted
// in whole minutes from the integer fields, with carries into day, month and
// year, so that it is exact: truncating a floating-point UT would put many
// charts one minute early.
CalendarMoment UniversalMoment(const ChartInput& input);

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 … 12). Linear
// in the day, so a day beyond the end of its month runs on into the next.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);

// The date of a day count from 1970-01-01 (hour and minute 0).
CalendarMoment CivilFromDays(std::int64_t days);

// A date and clock time as minutes from 1970-01-01 00:00, and back: the
// counting behind stepping through time in whole minutes.
std::int64_t MinutesSince1970(const CalendarMoment& moment);
CalendarMoment MomentFromMinutes(std::int64_t minutes);

// Julian day number of a civil date (the day beginning at the preceding
// noon), as a whole number held in a double. Dates after 4 October 1582 in the
// Julian count are taken as Gregorian.
double JulianDayNumber(double month, double day, double year);

// Julian centuries from JD 2415020.0 (1900 January 0.5) to the moment utHours
// after 0:00 of the civil date whose Julian day number is given.
double CenturiesSince1900(double julianDayNumber, double utHours);

// Days from JD 2451545.0 (2000 January 1, 12:00 UT) to a universal-time
// calendar date and clock time. Exact from 1 March 1900 to 28 February 2100,
// where the formula's missing century rule does not bite.
double DayNumber2000(double year, double month, double day, double hour, double minute);
double DayNumber2000(const CalendarMoment& utc);

// Local sidereal time in degrees. Reduced below 360; a negative value is
// left as it is, since only its sine, cosine and tangent are used. The UT
// term is added on top of the UT already inside T: that is what turns solar
// hours into sidereal ones at about 1.0027379.
double LocalSiderealDegrees(double julianCenturies1900, double utHours,
                            double longitudeWestDegrees);

// Mean obliquity of the ecliptic in degrees.
double ObliquityDegrees(double julianCenturies1900);

}  // namespace zkc
