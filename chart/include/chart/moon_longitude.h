// The Moon unit's lunar theory and its own sidereal correction. Both count
// time T in Julian centuries from JD 2451545.0 (2000 January 1, 12:00 UT).
#pragma once

namespace zkc {

// Tropical geocentric longitude of the Moon in degrees, 0 … 360 (exactly 360
// is kept), from the mean elements and a 25-term sine series.
double MoonTropicalLongitudeDegrees(double julianCenturies2000);

// The negative of this unit's ayanamsa in degrees (about −23.85 in 2000).
double MoonAyanamsaCorrection(double julianCenturies2000);

}  // namespace zkc
