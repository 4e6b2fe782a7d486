#include "transits/speed_bounds.h"

#include <algorithm>
#include <cmath>

#include "chart/moon_series.h"
#include "engine/chart_positions.h"
#include "engine/constants.h"
#include "engine/lunar_nodes.h"
#include "engine/orbital_elements.h"

namespace zkc {
namespace {

// Every bound is rounded up by this factor on top of its derivation.
constexpr double kMargin = 1.01;

constexpr double kDaysPerCentury = kDaysPerJulianCentury;
constexpr double kExactRadiansPerDegree = 0.017453292519943295;
constexpr double kExactDegreesPerRadian = 57.29577951308232;

// Julian centuries of the range, from 1900 and from 2000.
constexpr double kCenturies1900Max = (kBoundsLastDay + 36525.0) / kDaysPerCentury;
constexpr double kCenturies2000Max = std::max(-kBoundsFirstDay, kBoundsLastDay) / kDaysPerCentury;

// One element row over the whole range. a, e, i, Ω and ϖ are linear in time,
// so their extremes lie at the ends and their rates are the slopes between
// them; L is reduced into 0 … 2π, so its rate comes from one day.
struct RowExtremes {
    double aMax, aMin, eMax, iMax;
    double aRate, eRate, iRate, nodeRate, perihelionRate;  // per day, magnitudes
    double meanLongitudeRate;                              // radians per day
};

RowExtremes ExtremesOf(int row) {
    const OrbitalElementSet first = OrbitalElements(row, kBoundsFirstDay);
    const OrbitalElementSet last = OrbitalElements(row, kBoundsLastDay);
    const double span = kBoundsLastDay - kBoundsFirstDay;
    const auto rate = [span](double a, double b) { return std::fabs(b - a) / span; };
    RowExtremes r{};
    r.aMax = std::max(first.semiMajorAxisAu, last.semiMajorAxisAu);
    r.aMin = std::min(first.semiMajorAxisAu, last.semiMajorAxisAu);
    r.eMax = std::max(first.eccentricity, last.eccentricity);
    r.iMax = std::max(std::fabs(first.inclinationRadians), std::fabs(last.inclinationRadians));
    r.aRate = rate(first.semiMajorAxisAu, last.semiMajorAxisAu);
    r.eRate = rate(first.eccentricity, last.eccentricity);
    r.iRate = rate(first.inclinationRadians, last.inclinationRadians);
    r.nodeRate = rate(first.ascendingNodeRadians, last.ascendingNodeRadians);
    r.perihelionRate = rate(first.perihelionRadians, last.perihelionRadians);
    double dL =
        OrbitalElements(row, 1).meanLongitudeRadians - OrbitalElements(row, 0).meanLongitudeRadians;
    if (dL < 0) {
        dL += kTwoPi;
    }
    r.meanLongitudeRate = dL;
    return r;
}

// Heliocentric speed, AU per day. With M advancing at Ṁ ≤ L̇ + |ϖ̇|, a point
// of a fixed ellipse moves at Ṁ a √(1 + 2e cos ν + e²) / √(1 − e²), at most
// Ṁ a (1 + e) / √(1 − e²). The slow drift of the elements adds at most
// r (|ϖ̇| + 2|Ω̇| + |i̇|) (turning the orbit), (1 + e)|ȧ| (scaling it) and
// a (1 + 3 / (1 − e))|ė| (reshaping it, M held).
double HeliocentricSpeedBound(const RowExtremes& r) {
    const double e = r.eMax;
    const double meanAnomalyRate = r.meanLongitudeRate + r.perihelionRate;
    const double radiusMax = r.aMax * (1 + e);
    return meanAnomalyRate * r.aMax * (1 + e) / std::sqrt(1 - e * e) +
           radiusMax * (r.perihelionRate + 2 * r.nodeRate + r.iRate) + (1 + e) * r.aRate +
           r.aMax * (1 + 3 / (1 - e)) * r.eRate;
}

// Heliocentric acceleration, AU per day². Moving with Ṁ along a fixed
// ellipse is Keplerian motion, whose acceleration is Ṁ² a³ / r², at most
// Ṁ² a / (1 − e)²; the drift of the elements adds terms smaller by a factor
// of a million, which the margin covers many times.
double HeliocentricAccelerationBound(const RowExtremes& r) {
    const double meanAnomalyRate = r.meanLongitudeRate + r.perihelionRate;
    return 1.001 * meanAnomalyRate * meanAnomalyRate * r.aMax / ((1 - r.eMax) * (1 - r.eMax));
}

// The Moon's series without its mean motion: the most its periodic terms
// and its sidereal correction add to or take from L̇′, degrees per century.
double MoonPeriodicSpeedPerCentury() {
    const double T = kCenturies2000Max;
    const double eMax = 1 + kEccentricityFactorT * T + kEccentricityFactorT2 * T * T;
    const double eRateMax = kEccentricityFactorT + 2 * kEccentricityFactorT2 * T;
    double perCentury = 0;
    for (const LongitudeTerm& term : kLongitudeSeries) {
        const double argumentRate =
            std::fabs(term.nD * kMoonElongation.degreesPerCentury +
                      term.nM * kSunMeanAnomaly.degreesPerCentury +
                      term.nMp * kMoonMeanAnomaly.degreesPerCentury +
                      term.nF * kMoonLatitudeArgument.degreesPerCentury);  // degrees per century
        const double c = std::fabs(term.coefficientDegrees);
        perCentury += c * (term.timesE ? eMax : 1) * argumentRate * kExactRadiansPerDegree;
        if (term.timesE) {
            perCentury += c * eRateMax;
        }
    }
    const double nodeRate =
        std::fabs(kMoonNodeLongitude.degreesPerCentury) + 2 * kMoonNodeLongitudeT2 * T;
    const double sunRate = kSunMeanLongitude.degreesPerCentury + 2 * kSunMeanLongitudeT2 * T;
    perCentury += (17.23 * nodeRate * kExactRadiansPerDegree +
                   1.27 * sunRate * kExactRadiansPerDegree + 5025.64 + 2.22 * T) /
                  3600;
    return perCentury;
}

int RowOf(int body) {
    switch (body) {
        case kMercury:
            return kRowMercury;
        case kVenus:
            return kRowVenus;
        case kMars:
            return kRowMars;
        case kJupiter:
            return kRowJupiter;
        default:
            return kRowSaturn;
    }
}

}  // namespace

double AyanamsaSpeedBoundDegreesPerDay() {
    // C = (1.27 sin 2L + 17.23 sin N − T (5025.64 + 1.11 T) − 80861.27) / 3600
    // with 2L = (2013816 + 259205536 T) / 3600 and
    // N = (933060 − 6962911 T + 7.5 T²) / 3600 degrees, T from 1900.
    const double T = kCenturies1900Max;
    const double perCentury =
        (1.27 * (259205536.0 / 3600) * kExactRadiansPerDegree +
         17.23 * ((6962911.0 + 15 * T) / 3600) * kExactRadiansPerDegree + 5025.64 + 2.22 * T) /
        3600;
    return kMargin * perCentury / kDaysPerCentury;
}

double MoonSpeedBoundDegreesPerDay() {
    // λ = L′ + Σ cᵢ sin(argᵢ) [× E], sidereal by the Moon unit's own
    // correction: |dλ/dT| ≤ L̇′ + Σ |cᵢ| E |ωᵢ| + Σ |cᵢ| |Ė| + |Ċ|.
    return kMargin * (kMoonMeanLongitude.degreesPerCentury + MoonPeriodicSpeedPerCentury()) /
           kDaysPerCentury;
}

double MoonSpeedLowerBoundDegreesPerDay() {
    return (kMoonMeanLongitude.degreesPerCentury - kMargin * MoonPeriodicSpeedPerCentury()) /
           kDaysPerCentury;
}

double SunSpeedBoundDegreesPerDay() {
    // The Sun is the Earth's heliocentric direction turned by 180°: θ = ϖ + ν,
    // θ̇ ≤ |ϖ̇| + Ṁ (1 + e)² / (1 − e²)^1.5 + |ė| (2 + e) / (1 − e²).
    const RowExtremes earth = ExtremesOf(kRowEarth);
    const double e = earth.eMax;
    const double meanAnomalyRate = earth.meanLongitudeRate + earth.perihelionRate;
    const double radiansPerDay = earth.perihelionRate +
                                 meanAnomalyRate * (1 + e) * (1 + e) / std::pow(1 - e * e, 1.5) +
                                 earth.eRate * (2 + e) / (1 - e * e);
    return kMargin * radiansPerDay * kExactDegreesPerRadian + AyanamsaSpeedBoundDegreesPerDay();
}

double SunSpeedLowerBoundDegreesPerDay() {
    // At aphelion: θ̇ ≥ Ṁ (1 − e)² / (1 − e²)^1.5 − |ϖ̇| − |ė| (2 + e) / (1 − e²),
    // with Ṁ ≥ L̇ − |ϖ̇|.
    const RowExtremes earth = ExtremesOf(kRowEarth);
    const double e = earth.eMax;
    const double meanAnomalyRate = earth.meanLongitudeRate - earth.perihelionRate;
    const double radiansPerDay = meanAnomalyRate * (1 - e) * (1 - e) / std::pow(1 - e * e, 1.5) -
                                 earth.perihelionRate - earth.eRate * (2 + e) / (1 - e * e);
    return radiansPerDay * kExactDegreesPerRadian / kMargin - AyanamsaSpeedBoundDegreesPerDay();
}

double NodeSpeedBoundDegreesPerDay() {
    // The node is linear in the day number between its jumps; its slope is
    // read off the rule itself, away from a jump (the node stands near 125°
    // at d = 0).
    const double slope = std::fabs(RahuLongitudeDegrees(1, 0) - RahuLongitudeDegrees(0, 0));
    return kMargin * slope + AyanamsaSpeedBoundDegreesPerDay();
}

double NodeSpeedLowerBoundDegreesPerDay() {
    const double slope = std::fabs(RahuLongitudeDegrees(1, 0) - RahuLongitudeDegrees(0, 0));
    return slope / kMargin - AyanamsaSpeedBoundDegreesPerDay();
}

double NodeJumpBoundDegrees() {
    return kMargin * (360.0 - kTwoPi * kNodeRadiansToDegrees);
}

PlanetGeometryBounds PlanetBounds(int body) {
    const RowExtremes planet = ExtremesOf(RowOf(body));
    const RowExtremes earth = ExtremesOf(kRowEarth);
    PlanetGeometryBounds b;
    b.relativeSpeedAuPerDay =
        kMargin * (HeliocentricSpeedBound(planet) + HeliocentricSpeedBound(earth));
    b.relativeAccelerationAuPerDay2 =
        kMargin * (HeliocentricAccelerationBound(planet) + HeliocentricAccelerationBound(earth));
    b.planetRadiusMaxAu = planet.aMax * (1 + planet.eMax);
    // A planet at heliocentric latitude β ≤ i lies r cos β from the Sun in
    // the ecliptic.
    b.planetRadiusMinAu = planet.aMin * (1 - planet.eMax) * std::cos(planet.iMax);
    const double earthRadiusMin = earth.aMin * (1 - earth.eMax);
    const double earthRadiusMax = earth.aMax * (1 + earth.eMax);
    b.distanceMinAu = body == kMercury || body == kVenus ? earthRadiusMin - b.planetRadiusMaxAu
                                                         : b.planetRadiusMinAu - earthRadiusMax;
    b.distanceMinAu /= kMargin;
    return b;
}

double PlanetAccelerationBoundRadiansPerDay2(const PlanetGeometryBounds& b, double distanceAu) {
    const double v = b.relativeSpeedAuPerDay;
    return b.relativeAccelerationAuPerDay2 / distanceAu + 2 * v * v / (distanceAu * distanceAu);
}

double PlanetSpeedBoundDegreesPerDay(int body) {
    const PlanetGeometryBounds b = PlanetBounds(body);
    return b.relativeSpeedAuPerDay / b.distanceMinAu * kExactDegreesPerRadian +
           AyanamsaSpeedBoundDegreesPerDay();
}

}  // namespace zkc
