// Time quantities, sidereal correction, ascendant and midheaven of a chart.
#pragma once

#include "engine/calendar.h"
#include "engine/chart_input.h"

namespace zkc {

struct ChartAngles {
    // Time and place.
    double UT = 0;                   // hours of universal time on the local civil date, not wrapped
    double L = 0;                    // longitude in degrees, west positive
    double Latitude = 0;             // φ in degrees, north positive
    double JDN = 0;                  // Julian day number of the local civil date
    double T = 0;                    // Julian centuries from JD 2415020.0
    CalendarMoment UniversalMoment;  // the chart moment as a UT date and clock, whole minutes
    double DayNumber = 0;            // days from JD 2451545.0 of UniversalMoment
    double LST = 0;                  // local sidereal time, degrees (below 360, may be negative)
    double RAMC = 0;                 // the same angle in radians
    double Obliquity = 0;            // ε in degrees

    double SiderealCorrection = 0;  // degrees; the negative of the ayanamsa

    // Sidereal angles in degrees, 0 … 360.
    double Ascendant = 0;
    double Midheaven = 0;
};

// Midheaven and ascendant for RAMC and ε in radians and φ in degrees,
// tropical, in degrees (0 … 360).
double TropicalMidheaven(double ramc, double epsilon);
double TropicalAscendant(double ramc, double epsilon, double latitudeDegrees);

// Every result above, from one chart's input. The long forms of the two
// angles are the planet unit's to write (VedicPlanetPosition).
ChartAngles ComputeAngles(const ChartInput& input);

}  // namespace zkc
