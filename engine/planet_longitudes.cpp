#include "engine/planet_longitudes.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/geocentric_longitude.h"
#include "engine/lunar_nodes.h"

namespace zkc {

PlanetLongitudes ComputePlanetLongitudes(double daysSince2000, double siderealCorrectionDegrees) {
    PlanetLongitudes p;
    const double ayanamsaDegrees = std::fabs(siderealCorrectionDegrees);
    const EarthPosition earth = HeliocentricEarth(daysSince2000);
    for (int row = 0; row < kElementRows; ++row) {
        const double lambda = GeocentricLongitude(row, daysSince2000, earth);
        p.tropicalDegrees[static_cast<std::size_t>(row)] = lambda;
        p.siderealDegrees[static_cast<std::size_t>(row)] =
            AddTurnsWhileNegative(lambda - ayanamsaDegrees);
    }
    p.rahuDegrees = RahuLongitudeDegrees(daysSince2000, siderealCorrectionDegrees);
    p.ketuDegrees = KetuLongitudeDegrees(p.rahuDegrees);
    return p;
}

}  // namespace zkc
