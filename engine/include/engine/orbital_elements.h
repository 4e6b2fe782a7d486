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
    double semiMajorAxisAu = 0;       // a
    double eccentricity = 0;          // e
    double inclinationRadians = 0;    // i (not reduced)
    double ascendingNodeRadians = 0;  // Ω, longitude of the ascending node (not reduced)
    double perihelionRadians = 0;     // ϖ, longitude of perihelion (not reduced)
    double meanLongitudeRadians = 0;  // L, 0 … 2π
};

// Elements of a row at a day number from JD 2451545.0 (UT).
OrbitalElementSet OrbitalElements(int row, double daysSince2000);

}  // namespace zkc
