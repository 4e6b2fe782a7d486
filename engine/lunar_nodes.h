// The mean lunar nodes: Rahu (ascending) and Ketu (descending).
#pragma once

namespace zkc {

// Sidereal longitude of Rahu in degrees (0 … 360) at day number d, given the
// chart's sidereal correction in degrees (its magnitude is subtracted).
double RahuLongitude(double d, double siderealCorrection);

// Ketu opposite Rahu: Rahu + 180, reduced while above 360 (so exactly 360
// stays 360).
double KetuLongitude(double rahu);

}  // namespace zkc
