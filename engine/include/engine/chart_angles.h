// Time quantities, sidereal correction, ascendant and midheaven of a chart.
#pragma once

#include "engine/calendar.h"
#include "engine/chart_input.h"

namespace zkc {

struct ChartAngles {
    // Time and place.
    double utHours = 0;               // universal time on the local civil date, not wrapped
    double longitudeWestDegrees = 0;  // west positive
    double latitudeNorthDegrees = 0;  // φ, north positive
    double julianDayNumber = 0;       // of the local civil date (a whole number)
    double julianCenturies1900 = 0;   // T, from JD 2415020.0 to the chart moment
    CalendarMoment universalMoment;   // the chart moment as a UT date and clock, whole minutes
    double daysSince2000 = 0;         // d, from JD 2451545.0 to universalMoment
    double lstDegrees = 0;            // local sidereal time (below 360, may be negative)
    double ramcRadians = 0;           // the same angle in radians
    double obliquityDegrees = 0;      // ε

    // Degrees; added to a tropical longitude it gives the sidereal one (the
    // negative of the ayanamsa, about −23.85 in 2000).
    double SiderealCorrection = 0;

    // Sidereal angles, 0 … 360.
    double ascendantDegrees = 0;
    double midheavenDegrees = 0;
};

// Tropical midheaven and ascendant in degrees (0 … 360).
double TropicalMidheavenDegrees(double ramcRadians, double obliquityRadians);
double TropicalAscendantDegrees(double ramcRadians, double obliquityRadians,
                                double latitudeNorthDegrees);

// Every result above, from one chart's input. The long forms of the two
// angles are the planet unit's to write (VedicPlanetPosition).
ChartAngles ComputeAngles(const ChartInput& input);

}  // namespace zkc
