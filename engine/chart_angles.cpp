#include "engine/chart_angles.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/constants.h"

namespace zkc {

double TropicalMidheaven(double ramc, double epsilon) {
    double M = ArcTan2(std::tan(ramc), std::cos(epsilon));
    // Quadrant from the signs of M and of sin RAMC; both tests may add π.
    if (M < 0) {
        M += kPi;
    }
    if (std::sin(ramc) < 0) {
        M += kPi;
    }
    return M * kRadiansToDegrees;
}

double TropicalAscendant(double ramc, double epsilon, double latitudeDegrees) {
    double A = ArcTan2(std::cos(ramc),
                       -std::sin(ramc) * std::cos(epsilon) -
                           std::sin(epsilon) * std::tan(latitudeDegrees * kDegreesToRadians));
    if (A < 0) {
        A += kPi;
    }
    if (std::cos(ramc) < 0) {
        A += kPi;
    }
    return SubtractTurnsWhileAtLeast360(A * kRadiansToDegrees);
}

ChartAngles ComputeAngles(const ChartInput& input) {
    ChartAngles r;
    const UniversalTimeResult ut = UniversalTime(input);
    r.UT = ut.UT;
    r.L = ut.L;
    r.Latitude = SignedLatitude(input);
    r.JDN = JulianDayNumber(input.Month, input.Day, input.Year);
    r.T = CenturiesSince1900(r.JDN, r.UT);
    r.UniversalMoment = UniversalMoment(input);
    r.DayNumber = DayNumber2000(r.UniversalMoment);

    r.SiderealCorrection = AyanamsaCorrection1900(r.T);

    r.LST = LocalSiderealDegrees(r.T, r.UT, r.L);
    r.RAMC = r.LST * kDegreesToRadians;
    r.Obliquity = Obliquity(r.T);
    const double epsilon = r.Obliquity * kDegreesToRadians;

    const double midheaven = TropicalMidheaven(r.RAMC, epsilon);
    const double ascendant = TropicalAscendant(r.RAMC, epsilon, r.Latitude);
    r.Ascendant = Normalize360(ascendant + r.SiderealCorrection);
    r.Midheaven = Normalize360(midheaven + r.SiderealCorrection);
    return r;
}

}  // namespace zkc
