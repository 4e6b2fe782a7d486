// Geocentric ecliptic longitudes of the Sun and the five planets.
#pragma once

namespace zkc {

// The Earth's heliocentric position in the ecliptic, in astronomical units.
// It is the same for every body of a chart, so a chart computes it once.
struct EarthPosition {
    double x = 0;
    double y = 0;
};

// d in days from JD 2451545.0 (UT).
EarthPosition HeliocentricEarth(double d);

// Tropical geocentric longitude in degrees, 0 … 360, of element row k at day
// number d, seen from the given Earth position. Row 2 (the Earth) gives the Sun.
double GeocentricLongitude(int row, double d, const EarthPosition& earth);

// The same, computing the Earth's position itself.
double GeocentricLongitude(int row, double d);

}  // namespace zkc
