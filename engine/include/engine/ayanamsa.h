// The planet unit's sidereal correction.
#pragma once

namespace zkc {

// The negative of the ayanamsa in degrees (about −23.85 in 2000): added to a
// tropical longitude it gives the sidereal one. The Moon unit has a
// correction of its own, counted from 2000 and with the Sun's mean longitude
// where this one has twice it; the two are deliberately kept apart, and their
// results differ in the fourth decimal.
double AyanamsaCorrection1900(double julianCenturies1900);

}  // namespace zkc
