#include "engine/lunar_nodes.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"

namespace zkc {

double RahuLongitude(double d, double siderealCorrection) {
    const double meanNode = 125.1228 - 0.0529538083 * d;  // degrees, tropical
    const double radians = NormalizeRadians(meanNode * kDegreesToRadians);
    double rahu = radians * kNodeRadiansToDegrees - kNodeOffsetDegrees;
    rahu -= std::fabs(siderealCorrection);
    return AddTurnsWhileNegative(rahu);
}

double KetuLongitude(double rahu) {
    return SubtractTurnsWhileAbove360(rahu + 180);
}

}  // namespace zkc
