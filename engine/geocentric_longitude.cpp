#include "engine/geocentric_longitude.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"
#include "engine/kepler.h"
#include "engine/orbital_elements.h"

namespace zkc {
namespace {

double RadiusVectorAu(const OrbitalElementSet& el, double trueAnomalyRadians) {
    const double e = el.eccentricity;
    return el.semiMajorAxisAu * (1 - e * e) / (1 + e * std::cos(trueAnomalyRadians));
}

}  // namespace

EarthPosition HeliocentricEarth(double daysSince2000) {
    // The Earth's orbit is taken in the ecliptic: its i and Ω are not used.
    const OrbitalElementSet earth = OrbitalElements(kRowEarth, daysSince2000);
    const double meanAnomaly =
        NormalizeRadians(earth.meanLongitudeRadians - earth.perihelionRadians);
    const double nu = SolveKepler(meanAnomaly, earth.eccentricity);
    const double r = RadiusVectorAu(earth, nu);
    return {r * std::cos(earth.perihelionRadians + nu), r * std::sin(earth.perihelionRadians + nu)};
}

GeocentricVector GeocentricPosition(int row, double daysSince2000, const EarthPosition& earth) {
    double xAu = 0;
    double yAu = 0;
    if (row != kRowEarth) {
        const OrbitalElementSet el = OrbitalElements(row, daysSince2000);
        const double meanAnomaly = NormalizeRadians(el.meanLongitudeRadians - el.perihelionRadians);
        const double nu = SolveKepler(meanAnomaly, el.eccentricity);
        const double r = RadiusVectorAu(el, nu);
        const double u =
            nu + el.perihelionRadians - el.ascendingNodeRadians;  // argument of latitude
        const double cosNode = std::cos(el.ascendingNodeRadians);
        const double sinNode = std::sin(el.ascendingNodeRadians);
        const double cosI = std::cos(el.inclinationRadians);
        xAu = r * (cosNode * std::cos(u) - sinNode * std::sin(u) * cosI);
        yAu = r * (sinNode * std::cos(u) + cosNode * std::sin(u) * cosI);
        // z = r sin u sin i is not needed for a longitude.
    }
    // The Sun (row 2) is the Earth seen from itself: the body sits at the
    // origin and only the Earth's own position is subtracted.
    return {xAu - earth.xAu, yAu - earth.yAu};
}

double LongitudeOfVector(const GeocentricVector& v) {
    double lambda = ArcTan2(v.yAu, v.xAu) * (180 / kPi);
    while (lambda > 360) {
        lambda -= 360;
    }
    while (lambda < 0) {
        lambda += 360;
    }
    return lambda;
}

double GeocentricLongitude(int row, double daysSince2000, const EarthPosition& earth) {
    return LongitudeOfVector(GeocentricPosition(row, daysSince2000, earth));
}

double GeocentricLongitude(int row, double daysSince2000) {
    return GeocentricLongitude(row, daysSince2000, HeliocentricEarth(daysSince2000));
}

}  // namespace zkc
