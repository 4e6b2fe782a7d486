// The planet unit's sidereal correction.
#pragma once

namespace zkc {

// The negative of the ayanamsa in degrees (about −23.85 in 2000): added to a
// tropical longitude it gives the sidereal one. T in Julian centuries from
// 1900 (JD 2415020.0). The Moon unit has a correction of its own, counted
// from 2000; the two are deliberately kept apart.
double AyanamsaCorrection1900(double T);

}  // namespace zkc
