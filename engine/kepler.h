// Kepler's equation.
#pragma once

namespace zkc {

// True anomaly ν in radians (0 … 2π) for mean anomaly M (radians) and
// eccentricity e, by Newton's method on E − e sin E = M from the start value
// E = M + e sin M (1 + e cos M), until a step is no larger than KeplerTolerance.
double SolveKepler(double M, double e);

}  // namespace zkc
