// Named constants of the calculation core, kept in one place.
//
// The angle constants carry 15 significant digits and are deliberately not
// derived from std::numbers::pi: every reference value of a chart depends on
// these exact doubles, and the full-precision π moves some texts by a second.
#pragma once

namespace zkc {

// π, 2π and the two conversion factors, to 15 significant digits.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDegreesToRadians = 0.0174532925199433;
inline constexpr double kRadiansToDegrees = 57.2957795130823;

// The lunar nodes are turned back into degrees with the quotient 180 / 3.1416
// (a four-digit π), and then lowered by one degree. Both are part of the
// node rule; replacing them by the exact π or dropping the offset moves Rahu.
inline constexpr double kNodeRadiansToDegrees = 180.0 / 3.1416;
inline constexpr double kNodeOffsetDegrees = 1.0;

// Newton's method on Kepler's equation stops once a step is no larger than
// this (radians).
inline constexpr double KeplerTolerance = 1e-12;

// Epochs, as Julian days.
inline constexpr double kJulianDay1900 = 2415020.0;  // 1900 January 0.5
inline constexpr double kJulianDay2000 = 2451545.0;  // 2000 January 1, 12:00 UT
inline constexpr double kDaysPerJulianCentury = 36525.0;

// The birth Moon stands in Abhijit when its position text is in Capricorn
// between 6°40′ and 10°53′ inclusive, counted in minutes of arc.
inline constexpr int kAbhijitFirstMinute = 400;
inline constexpr int kAbhijitLastMinute = 653;

}  // namespace zkc
