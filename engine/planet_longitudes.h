// Sidereal longitudes of the Sun, the five planets and the lunar nodes.
#pragma once

#include <array>

#include "engine/orbital_elements.h"

namespace zkc {

struct PlanetLongitudes {
    // Geocentric ecliptic longitudes in degrees (0 … 360), in element-row
    // order: Mercury, Venus, Sun, Mars, Jupiter, Saturn.
    std::array<double, kElementRows> Tropical{};
    std::array<double, kElementRows> Sidereal{};
    double Rahu = 0;  // sidereal degrees
    double Ketu = 0;  // sidereal degrees
};

// d in days from JD 2451545.0 (UT); siderealCorrection in degrees (its
// magnitude is subtracted from every tropical longitude).
PlanetLongitudes ComputePlanetLongitudes(double d, double siderealCorrection);

}  // namespace zkc
