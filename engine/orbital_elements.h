// Keplerian elements of Mercury, Venus, the Earth, Mars, Jupiter and Saturn
// with linear rates in time.
#pragma once

namespace zkc {

// Element rows. The Sun has no orbit of its own: its row is the Earth's, and
// the Sun is seen in the direction opposite to the Earth.
enum ElementRow : int {
    kRowMercury = 0,
    kRowVenus = 1,
    kRowEarth = 2,
    kRowMars = 3,
    kRowJupiter = 4,
    kRowSaturn = 5,
};
inline constexpr int kElementRows = 6;

// Heliocentric elements referred to the mean ecliptic and equinox of date.
struct OrbitalElementSet {
    double a = 0;           // semi-major axis, astronomical units
    double e = 0;           // eccentricity
    double i = 0;           // inclination, radians (not reduced)
    double Omega = 0;       // longitude of the ascending node, radians (not reduced)
    double Perihelion = 0;  // longitude of perihelion ϖ, radians (not reduced)
    double L = 0;           // mean longitude, radians, 0 … 2π
};

// Elements of a row at day number d (days from JD 2451545.0, UT).
OrbitalElementSet OrbitalElements(int row, double d);

}  // namespace zkc
