#include "places/coordinates.h"

#include <cmath>

namespace zkc::places {

DegreesMinutes ToDegreesMinutes(double decimalDegrees) {
    const long totalMinutes = std::lround(std::fabs(decimalDegrees) * 60);
    DegreesMinutes dm;
    dm.Degrees = static_cast<int>(totalMinutes / 60);
    dm.Minutes = static_cast<int>(totalMinutes % 60);
    dm.Negative = decimalDegrees < 0 && totalMinutes != 0;
    return dm;
}

}  // namespace zkc::places
