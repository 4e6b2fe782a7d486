#include "engine/lunar_nodes.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {

double RahuLongitudeDegrees(double daysSince2000, double siderealCorrectionDegrees) {
    const double meanNodeDegrees = 125.1228 - 0.0529538083 * daysSince2000;  // tropical
    const double meanNodeRadians = NormalizeRadians(meanNodeDegrees * kDegreesToRadians);
    double rahuDegrees = meanNodeRadians * kNodeRadiansToDegrees - kNodeOffsetDegrees;
    rahuDegrees -= std::fabs(siderealCorrectionDegrees);
    return AddTurnsWhileNegative(rahuDegrees);
}

double KetuLongitudeDegrees(double rahuDegrees) {
    return SubtractTurnsWhileAbove360(rahuDegrees + 180);
}

}  // namespace zkc
