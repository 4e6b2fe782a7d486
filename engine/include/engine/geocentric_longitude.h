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

// Where an element row stands from the Earth, projected on the ecliptic, in
// astronomical units. Row 2 (the Earth) gives the Sun.
struct GeocentricVector {
    double xAu = 0;
    double yAu = 0;
};
GeocentricVector GeocentricPosition(int row, double daysSince2000, const EarthPosition& earth);

// The tropical longitude of such a vector in degrees, 0 … 360.
double LongitudeOfVector(const GeocentricVector& v);

// Tropical geocentric longitude in degrees, 0 … 360, of an element row, seen
// from the given Earth position: LongitudeOfVector(GeocentricPosition(…)).
double GeocentricLongitude(int row, double daysSince2000, const EarthPosition& earth);

// The same, computing the Earth's position itself.
double GeocentricLongitude(int row, double daysSince2000);

}  // namespace zkc
