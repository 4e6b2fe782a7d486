#include "engine/angles.h"

#include <cmath>

#include "engine/constants.h"

namespace zkc {

double ArcTan2(double y, double x) {
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x == 0) {
        if (y == 0) {
            return 0;
        }
        return y > 0 ? kPi / 2 : -kPi / 2;
    }
    if (y == 0) {
        return 0;
    }
    const double a = kPi - std::atan(std::fabs(y / x));
    return y > 0 ? a : -a;
}

double Normalize360(double x) {
    if (x < 0) {
        x += 360;
    }
    if (x > 360) {
        x -= 360;
    }
    return x;
}

double NormalizeRadians(double x) {
    double r = x - kTwoPi * std::trunc(x / kTwoPi);
    if (r < 0) {
        r += kTwoPi;
    }
    return r;
}

double SubtractTurnsWhileAtLeast360(double x) {
    if (!(x >= 360)) {
        return x;
    }
    return std::fmod(x, 360.0);
}

double SubtractTurnsWhileAbove360(double x) {
    if (!(x > 360)) {
        return x;
    }
    const double r = std::fmod(x, 360.0);
    return r == 0 ? 360.0 : r;
}

double AddTurnsWhileNegative(double x) {
    if (!(x < 0)) {
        return x;
    }
    // fmod leaves the exact remainder in (−360, 0]; the loop would stop one
    // addition later, on r + 360 (rounded once), or on 0 for a remainder of 0.
    const double r = std::fmod(x, 360.0);
    if (r < 0) {
        return r + 360.0;
    }
    return r == 0 ? 0.0 : r;  // r is NaN only for an infinite x
}

}  // namespace zkc
