// Geocentric ecliptic longitudes of the Sun and the five planets.
#pragma once

namespace zkc {

// The Earth's heliocentric position in the ecliptic, in astronomical units.
// It is the same for every body of a chart, so a chart computes it once.
struct EarthPosition {
    double xAu = 0;
    double yAu = 0;
};

EarthPosition HeliocentricEarth(double daysSince2000);

// Tropical geocentric longitude in degrees, 0 … 360, of an element row, seen
// from the given Earth position. Row 2 (the Earth) gives the Sun.
double GeocentricLongitude(int row, double daysSince2000, const EarthPosition& earth);

// The same, computing the Earth's position itself.
double GeocentricLongitude(int row, double daysSince2000);

}  // namespace zkc
