#include "engine/planet_longitudes.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/geocentric_longitude.h"
#include "engine/lunar_nodes.h"

namespace zkc {

PlanetLongitudes ComputePlanetLongitudes(double d, double siderealCorrection) {
    PlanetLongitudes p;
    const double ayanamsa = std::fabs(siderealCorrection);
    const EarthPosition earth = HeliocentricEarth(d);
    for (int row = 0; row < kElementRows; ++row) {
        const double lambda = GeocentricLongitude(row, d, earth);
        p.Tropical[static_cast<std::size_t>(row)] = lambda;
        p.Sidereal[static_cast<std::size_t>(row)] = AddTurnsWhileNegative(lambda - ayanamsa);
    }
    p.Rahu = RahuLongitude(d, siderealCorrection);
    p.Ketu = KetuLongitude(p.Rahu);
    return p;
}

}  // namespace zkc
