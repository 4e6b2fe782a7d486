#include "engine/kepler.h"

#include <cmath>

#include "engine/constants.h"

namespace zkc {
namespace {

// For the eccentricities of the element table (all below 0.25 over any 16-bit
// year) Newton's method settles in a handful of steps; the cap only keeps a
// non-finite argument from running forever.
constexpr int kMaxNewtonSteps = 64;

}  // namespace

double SolveKepler(double meanAnomalyRadians, double eccentricity) {
    const double M = meanAnomalyRadians;
    const double e = eccentricity;
    double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    double next = E;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        next = E - (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        if (!(std::fabs(next - E) > KeplerTolerance)) {
            break;
        }
        E = next;
    }
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(next / 2));
    if (nu < 0) {
        nu += kTwoPi;
    }
    return nu;
}

}  // namespace zkc
