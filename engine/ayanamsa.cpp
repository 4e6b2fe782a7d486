#include "engine/ayanamsa.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {

double AyanamsaCorrection1900(double julianCenturies1900) {
    const double T = julianCenturies1900;
    // Mean longitude of the Moon's ascending node; coefficients in arc seconds.
    // Only the upper end is reduced: a negative value goes into sin() as it is.
    const double nodeDegrees =
        SubtractTurnsWhileAtLeast360((933060 - 6962911 * T + 7.5 * T * T) / 3600);
    // Twice the Sun's mean longitude; coefficients in arc seconds.
    const double twiceSunDegrees = (2013816 + 259205536 * T) / 3600;
    const double nutationArcSeconds = 1.27 * std::sin(twiceSunDegrees * kDegreesToRadians) +
                                      17.23 * std::sin(nodeDegrees * kDegreesToRadians);
    return (nutationArcSeconds - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
}

}  // namespace zkc
