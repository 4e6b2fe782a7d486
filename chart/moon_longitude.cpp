#include "chart/moon_longitude.h"

#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {
namespace {

// One term of the longitude series: coefficient (degrees) × sin(argument),
// the argument being nD·D + nM·M + nMp·M′ + nF·F, times the eccentricity
// factor E when the Sun's anomaly M is part of it.
struct LongitudeTerm {
    double coefficientDegrees;
    int nD, nM, nMp, nF;
    bool timesE;
};

// clang-format off
constexpr std::array<LongitudeTerm, 25> kLongitudeSeries = {{
    {+6.288774, 0,  0,  1,  0, false},
    {+1.274027, 2,  0, -1,  0, false},
    {+0.658314, 2,  0,  0,  0, false},
    {+0.213618, 0,  0,  2,  0, false},
    {-0.185116, 0,  1,  0,  0, true},
    {-0.114332, 0,  0,  0,  2, false},
    {+0.058793, 2,  0, -2,  0, false},
    {+0.057066, 2, -1, -1,  0, true},
    {+0.053322, 2,  0,  1,  0, false},
    {+0.045758, 2, -1,  0,  0, true},
    {-0.040923, 0,  1, -1,  0, true},
    {-0.034720, 1,  0,  0,  0, false},
    {-0.030383, 0,  1,  1,  0, true},
    {+0.015327, 2,  0,  0, -2, false},
    {-0.012528, 0,  0,  1,  2, false},
    {+0.010980, 0,  0,  1, -2, false},
    {+0.010675, 4,  0, -1,  0, false},
    {+0.010034, 0,  0,  3,  0, false},
    {+0.008548, 4,  0, -2,  0, false},
    {-0.007888, 2,  1, -1,  0, true},
    {-0.006766, 2,  1,  0,  0, true},
    {-0.005163, 1,  0, -1,  0, false},
    {+0.004987, 1,  1,  0,  0, true},
    {+0.004036, 2, -1,  1,  0, true},
    {+0.003994, 2,  0,  2,  0, false},
}};
// clang-format on

}  // namespace

double MoonTropicalLongitudeDegrees(double julianCenturies2000) {
    const double T = julianCenturies2000;
    // Mean elements, linear in T and not reduced before use: reducing them
    // first would change the last bits of every sine.
    const double meanLongitudeDegrees = 218.3164591 + 481267.88134236 * T;  // L′
    const double elongationRadians = (297.8502042 + 445267.1115168 * T) * kDegreesToRadians;  // D
    const double sunAnomalyRadians = (357.5291092 + 35999.0502909 * T) * kDegreesToRadians;   // M
    const double moonAnomalyRadians = (134.9634114 + 477198.8676313 * T) * kDegreesToRadians;  // M′
    const double latitudeArgumentRadians =
        (93.2720993 + 483202.0175273 * T) * kDegreesToRadians;  // F
    // The Earth's orbit grows less eccentric; terms with the Sun's anomaly shrink with it.
    const double eccentricityFactor = 1 - 0.002516 * T - 0.0000074 * T * T;  // E

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
    const double nodeDegrees = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;
    const double sunMeanLongitudeDegrees = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;
    // The sine of the Sun's mean longitude itself, not of twice it as in the
    // planet unit.
    const double nutationArcSeconds = 17.23 * std::sin(nodeDegrees * kDegreesToRadians) +
                                      1.27 * std::sin(sunMeanLongitudeDegrees * kDegreesToRadians);
    return (nutationArcSeconds - (5025.64 * T + 1.11 * T * T) - 85886.27) / 3600;
}

}  // namespace zkc
