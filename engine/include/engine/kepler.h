// Kepler's equation.
#pragma once

namespace zkc {

// True anomaly ν in radians (0 … 2π) from the mean anomaly (radians) and the
// eccentricity, by Newton's method on E − e sin E = M from the start value
// E = M + e sin M (1 + e cos M), until a step is no larger than KeplerTolerance.
double SolveKepler(double meanAnomalyRadians, double eccentricity);

}  // namespace zkc
