// Sidereal longitudes of the Sun, the five planets and the lunar nodes.
#pragma once

#include <array>

#include "engine/orbital_elements.h"

namespace zkc {

struct PlanetLongitudes {
    // Geocentric ecliptic longitudes (0 … 360), in element-row order:
    // Mercury, Venus, Sun, Mars, Jupiter, Saturn.
    std::array<double, kElementRows> tropicalDegrees{};
    std::array<double, kElementRows> siderealDegrees{};
    double rahuDegrees = 0;  // sidereal
    double ketuDegrees = 0;  // sidereal
};

// The magnitude of the sidereal correction is subtracted from every tropical
// longitude, whatever its sign.
PlanetLongitudes ComputePlanetLongitudes(double daysSince2000, double siderealCorrectionDegrees);

}  // namespace zkc
