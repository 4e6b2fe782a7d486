#include "chart/moon_longitude.h"

#include <cmath>

#include "chart/moon_series.h"
#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {

double MoonTropicalLongitudeDegrees(double julianCenturies2000) {
    const double T = julianCenturies2000;
    // Mean elements, linear in T and not reduced before use: reducing them
    // first would change the last bits of every sine.
    const auto at = [T](const MeanElement& e) { return e.baseDegrees + e.degreesPerCentury * T; };
    const double meanLongitudeDegrees = at(kMoonMeanLongitude);                            // L′
    const double elongationRadians = at(kMoonElongation) * kDegreesToRadians;              // D
    const double sunAnomalyRadians = at(kSunMeanAnomaly) * kDegreesToRadians;              // M
    const double moonAnomalyRadians = at(kMoonMeanAnomaly) * kDegreesToRadians;            // M′
    const double latitudeArgumentRadians = at(kMoonLatitudeArgument) * kDegreesToRadians;  // F
    // The Earth's orbit grows less eccentric; terms with the Sun's anomaly shrink with it.
    const double eccentricityFactor =
        1 - kEccentricityFactorT * T - kEccentricityFactorT2 * T * T;  // E

    double sumDegrees = 0;
    for (const LongitudeTerm& term : kLongitudeSeries) {
        const double argument = term.nD * elongationRadians + term.nM * sunAnomalyRadians +
                                term.nMp * moonAnomalyRadians + term.nF * latitudeArgumentRadians;
        double value = term.coefficientDegrees * std::sin(argument);
        if (term.timesE) {
            value *= eccentricityFactor;
        }
        sumDegrees += value;
    }
    // while λ < 0 add 360, then while λ > 360 subtract 360.
    return SubtractTurnsWhileAbove360(AddTurnsWhileNegative(meanLongitudeDegrees + sumDegrees));
}

double MoonAyanamsaCorrection(double julianCenturies2000) {
    const double T = julianCenturies2000;
    const double nodeDegrees = kMoonNodeLongitude.baseDegrees +
                               kMoonNodeLongitude.degreesPerCentury * T +
                               kMoonNodeLongitudeT2 * T * T;
    const double sunMeanLongitudeDegrees = kSunMeanLongitude.baseDegrees +
                                           kSunMeanLongitude.degreesPerCentury * T +
                                           kSunMeanLongitudeT2 * T * T;
    // The sine of the Sun's mean longitude itself, not of twice it as in the
    // planet unit.
    const double nutationArcSeconds = 17.23 * std::sin(nodeDegrees * kDegreesToRadians) +
                                      1.27 * std::sin(sunMeanLongitudeDegrees * kDegreesToRadians);
    return (nutationArcSeconds - (5025.64 * T + 1.11 * T * T) - 85886.27) / 3600;
}

}  // namespace zkc
