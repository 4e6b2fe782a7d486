#include "engine/chart_angles.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/constants.h"

namespace zkc {

double TropicalMidheavenDegrees(double ramcRadians, double obliquityRadians) {
    double M = ArcTan2(std::tan(ramcRadians), std::cos(obliquityRadians));
    // The arctangent of tan RAMC loses the quadrant; the signs of M and of
    // sin RAMC bring it back, and both tests may add π.
    if (M < 0) {
        M += kPi;
    }
    if (std::sin(ramcRadians) < 0) {
        M += kPi;
    }
    return M * kRadiansToDegrees;
}

double TropicalAscendantDegrees(double ramcRadians, double obliquityRadians,
                                double latitudeNorthDegrees) {
    double A =
        ArcTan2(std::cos(ramcRadians), -std::sin(ramcRadians) * std::cos(obliquityRadians) -
                                           std::sin(obliquityRadians) *
                                               std::tan(latitudeNorthDegrees * kDegreesToRadians));
    if (A < 0) {
        A += kPi;
    }
    if (std::cos(ramcRadians) < 0) {
        A += kPi;
    }
    return SubtractTurnsWhileAtLeast360(A * kRadiansToDegrees);
}

ChartAngles ComputeAngles(const ChartInput& input) {
    ChartAngles r;
    const UniversalTimeResult ut = UniversalTime(input);
    r.utHours = ut.utHours;
    r.longitudeWestDegrees = ut.longitudeWestDegrees;
    r.latitudeNorthDegrees = LatitudeNorthDegrees(input);
    r.julianDayNumber = JulianDayNumber(input.Month, input.Day, input.Year);
    r.julianCenturies1900 = CenturiesSince1900(r.julianDayNumber, r.utHours);
    r.universalMoment = UniversalMoment(input);
    r.daysSince2000 = DayNumber2000(r.universalMoment);

    r.SiderealCorrection = AyanamsaCorrection1900(r.julianCenturies1900);

    r.lstDegrees = LocalSiderealDegrees(r.julianCenturies1900, r.utHours, r.longitudeWestDegrees);
    r.ramcRadians = r.lstDegrees * kDegreesToRadians;
    r.obliquityDegrees = ObliquityDegrees(r.julianCenturies1900);
    const double obliquityRadians = r.obliquityDegrees * kDegreesToRadians;

    const double midheaven = TropicalMidheavenDegrees(r.ramcRadians, obliquityRadians);
    const double ascendant =
        TropicalAscendantDegrees(r.ramcRadians, obliquityRadians, r.latitudeNorthDegrees);
    r.ascendantDegrees = Normalize360(ascendant + r.SiderealCorrection);
    r.midheavenDegrees = Normalize360(midheaven + r.SiderealCorrection);
    return r;
}

}  // namespace zkc
