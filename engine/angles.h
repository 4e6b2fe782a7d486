// Angle helpers shared by the position rules.
#pragma once

namespace zkc {

// Two-argument arctangent in radians, with π as stored (3.14159265358979):
// x > 0: atan(y/x); x = 0: ±π/2 by the sign of y, 0 for y = 0;
// x < 0: sign(y) × (π − atan|y/x|), which is 0 for y = 0.
double ArcTan2(double y, double x);

// One-step wrap in degrees: add 360 once if negative, then subtract 360 once
// if above 360. Exactly 360 stays 360.
double Normalize360(double x);

// Radians into 0 … 2π: x − 2π × trunc(x / 2π), raised by 2π if negative.
double NormalizeRadians(double x);

// The rules reduce angles with loops such as "while x ≥ 360, subtract 360".
// The functions below give bit-for-bit the same result with std::fmod: each
// subtraction of 360 from a larger double is exact, so the loop lands on the
// exact remainder that fmod computes, and only the boundary case differs in
// how it is named. They also cannot spin on an infinite value.

// while x ≥ 360: x −= 360.  Result below 360; negative values unchanged.
double SubtractTurnsWhileAtLeast360(double x);

// while x > 360: x −= 360.  Result at most 360 (a multiple of 360 gives 360).
double SubtractTurnsWhileAbove360(double x);

// while x < 0: x += 360.  Result from 0 up to and including 360 (a tiny
// negative value rounds up to 360 on the last addition, as the loop would).
double AddTurnsWhileNegative(double x);

}  // namespace zkc
