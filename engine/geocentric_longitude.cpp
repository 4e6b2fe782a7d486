#include "engine/geocentric_longitude.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"
#include "engine/kepler.h"
#include "engine/orbital_elements.h"

namespace zkc {
namespace {

// Radius vector from the true anomaly, in the units of a.
double RadiusVector(const OrbitalElementSet& el, double nu) {
    return el.a * (1 - el.e * el.e) / (1 + el.e * std::cos(nu));
}

}  // namespace

EarthPosition HeliocentricEarth(double d) {
    // The Earth's orbit is taken in the ecliptic: its i and Ω are not used.
    const OrbitalElementSet earth = OrbitalElements(kRowEarth, d);
    const double M = NormalizeRadians(earth.L - earth.Perihelion);
    const double nu = SolveKepler(M, earth.e);
    const double r = RadiusVector(earth, nu);
    return {r * std::cos(earth.Perihelion + nu), r * std::sin(earth.Perihelion + nu)};
}

double GeocentricLongitude(int row, double d, const EarthPosition& earth) {
    double x = 0;
    double y = 0;
    if (row != kRowEarth) {
        const OrbitalElementSet el = OrbitalElements(row, d);
        const double M = NormalizeRadians(el.L - el.Perihelion);
        const double nu = SolveKepler(M, el.e);
        const double r = RadiusVector(el, nu);
        const double u = nu + el.Perihelion - el.Omega;  // argument of latitude
        const double cosOmega = std::cos(el.Omega);
        const double sinOmega = std::sin(el.Omega);
        const double cosI = std::cos(el.i);
        x = r * (cosOmega * std::cos(u) - sinOmega * std::sin(u) * cosI);
        y = r * (sinOmega * std::cos(u) + cosOmega * std::sin(u) * cosI);
        // z = r sin u sin i is not needed for a longitude.
    }
    // The Sun (row 2) is the Earth seen from itself: the body sits at the
    // origin and only the Earth's own position is subtracted.
    const double X = x - earth.x;
    const double Y = y - earth.y;
    double lambda = ArcTan2(Y, X) * (180 / kPi);
    while (lambda > 360) {
        lambda -= 360;
    }
    while (lambda < 0) {
        lambda += 360;
    }
    return lambda;
}

double GeocentricLongitude(int row, double d) {
    return GeocentricLongitude(row, d, HeliocentricEarth(d));
}

}  // namespace zkc
