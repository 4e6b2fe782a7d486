// The sidereal longitudes of the nine placed bodies as numbers: the very
// doubles that a chart pass formats into its position texts, without the
// ascendant, the midheaven and the texts themselves.
#pragma once

#include <array>

#include "engine/chart_input.h"
#include "engine/geocentric_longitude.h"
#include "kota/placement.h"

namespace zkc {

// The time quantities of the planet unit for one moment.
struct PlanetMoment {
    double daysSince2000 = 0;              // from the universal-time moment, whole minutes
    double siderealCorrectionDegrees = 0;  // the planet unit's (negative) ayanamsa
};

PlanetMoment PlanetMomentOf(const ChartInput& input);

// Sun, Moon, Mercury … Ketu in body order, degrees 0 … 360.
std::array<double, kPlacedBodies> PlacedBodyLongitudes(const ChartInput& input);

// The Sun or a planet alone (body kSun … kSaturn), with where it stood from
// the Earth.
struct PlanetSighting {
    double siderealDegrees = 0;
    GeocentricVector fromEarth;
};
PlanetSighting SightPlanet(int body, const PlanetMoment& moment);

// Rahu or Ketu alone.
double NodeLongitude(int body, const PlanetMoment& moment);

// The Moon alone.
double MoonLongitude(const ChartInput& input);

}  // namespace zkc
