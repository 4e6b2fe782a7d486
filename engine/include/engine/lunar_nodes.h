// The mean lunar nodes: Rahu (ascending) and Ketu (descending).
#pragma once

namespace zkc {

// Sidereal longitude of Rahu in degrees (0 … 360), given the chart's
// sidereal correction in degrees (its magnitude is subtracted).
double RahuLongitudeDegrees(double daysSince2000, double siderealCorrectionDegrees);

// Ketu opposite Rahu: Rahu + 180, reduced while above 360 (so exactly 360
// stays 360).
double KetuLongitudeDegrees(double rahuDegrees);

}  // namespace zkc
