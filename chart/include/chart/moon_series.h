// The Moon unit's mean lunar elements and its 25-term longitude series, as
// data: the lunar theory reads them, and so does the bound on the Moon's
// speed that the transit search relies on.
#pragma once

#include <array>

namespace zkc {

// A mean element in degrees: value at JD 2451545.0 plus rate per Julian
// century.
struct MeanElement {
    double baseDegrees;
    double degreesPerCentury;
};

inline constexpr MeanElement kMoonMeanLongitude{218.3164591, 481267.88134236};   // L′
inline constexpr MeanElement kMoonElongation{297.8502042, 445267.1115168};       // D
inline constexpr MeanElement kSunMeanAnomaly{357.5291092, 35999.0502909};        // M
inline constexpr MeanElement kMoonMeanAnomaly{134.9634114, 477198.8676313};      // M′
inline constexpr MeanElement kMoonLatitudeArgument{93.2720993, 483202.0175273};  // F

// E = 1 − 0.002516 T − 0.0000074 T².
inline constexpr double kEccentricityFactorT = 0.002516;
inline constexpr double kEccentricityFactorT2 = 0.0000074;

// One term of the longitude series: coefficient (degrees) × sin(argument),
// the argument being nD·D + nM·M + nMp·M′ + nF·F, times the eccentricity
// factor E when the Sun's anomaly M is part of it.
struct LongitudeTerm {
    double coefficientDegrees;
    int nD, nM, nMp, nF;
    bool timesE;
};

// clang-format off
inline constexpr std::array<LongitudeTerm, 25> kLongitudeSeries = {{
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

// The Moon unit's own sidereal correction, arc seconds and degrees:
// (17.23 sin Ω + 1.27 sin Lsun − (5025.64 T + 1.11 T²) − 85886.27) / 3600.
inline constexpr MeanElement kMoonNodeLongitude{125.044555, -1934.1361849};
inline constexpr double kMoonNodeLongitudeT2 = 0.0020762;
inline constexpr MeanElement kSunMeanLongitude{280.466449, 36000.7698231};
inline constexpr double kSunMeanLongitudeT2 = 0.0003106;

}  // namespace zkc
