#include "engine/orbital_elements.h"

#include <array>

#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {
namespace {

// Each element is a value at J2000 plus a rate per Julian century: a in
// astronomical units, e unitless, the four angles in degrees with their rates
// in arc seconds.
struct ElementRates {
    double a0, aRate;
    double e0, eRate;
    double iBase, iRate;
    double OmegaBase, OmegaRate;
    double PerihelionBase, PerihelionRate;
    double LBase, LRate;
};

// clang-format off
constexpr std::array<ElementRates, kElementRows> kElementTable = {{
    // a0          ȧ            e0          ė             i        i rate  Ω           Ω rate     ϖ          ϖ rate   L          L rate
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645, +573.57, 252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80, 181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25, 102.94719, +1198.28, 100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19, 336.04084, +1560.78, 355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17, 14.75385, +839.93, 34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05, 92.43194, -1948.89, 49.94432, +4401052.95},
}};
// clang-format on

double RadiansAt(double baseDegrees, double rateArcSecondsPerCentury, double centuries2000) {
    return (baseDegrees + rateArcSecondsPerCentury * centuries2000 / 3600) * kDegreesToRadians;
}

}  // namespace

OrbitalElementSet OrbitalElements(int row, double daysSince2000) {
    const ElementRates& r = kElementTable[static_cast<std::size_t>(row)];
    const double centuries2000 = daysSince2000 / kDaysPerJulianCentury;
    OrbitalElementSet el;
    el.semiMajorAxisAu = r.a0 + r.aRate * centuries2000;
    el.eccentricity = r.e0 + r.eRate * centuries2000;
    el.inclinationRadians = RadiansAt(r.iBase, r.iRate, centuries2000);
    el.ascendingNodeRadians = RadiansAt(r.OmegaBase, r.OmegaRate, centuries2000);
    el.perihelionRadians = RadiansAt(r.PerihelionBase, r.PerihelionRate, centuries2000);
    el.meanLongitudeRadians = NormalizeRadians(RadiansAt(r.LBase, r.LRate, centuries2000));
    return el;
}

}  // namespace zkc
