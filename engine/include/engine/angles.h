// Angle helpers shared by the position rules.
#pragma once

namespace zkc {

// Two-argument arctangent in radians, with the 15-digit π of constants.h:
// x > 0: atan(y/x); x = 0: ±π/2 by the sign of y, 0 for y = 0;
// x < 0: sign(y) × (π − atan|y/x|), which is 0 for y = 0.
double ArcTan2(double y, double x);

// One-step wrap in degrees: add 360 once if negative, then subtract 360 once
// if above 360. Exactly 360 stays 360.
double Normalize360(double x);

// Radians into 0 … 2π: x − 2π × trunc(x / 2π), raised by 2π if negative.
double NormalizeRadians(double x);

// Angles are reduced the way repeated subtraction ("while x ≥ 360, subtract
// 360") would reduce them, but with std::fmod, which gives the same bits:
// each subtraction of 360 from a larger double is exact, so the loop lands on
// the exact remainder that fmod computes, and only the boundary cases need
// naming. Unlike the loop, fmod cannot spin on an infinite value or take
// millions of steps on a huge one.

// while x ≥ 360: x −= 360.  Result below 360; negative values unchanged.
double SubtractTurnsWhileAtLeast360(double x);

// while x > 360: x −= 360.  Result at most 360 (a multiple of 360 gives 360).
double SubtractTurnsWhileAbove360(double x);

// while x < 0: x += 360.  Result from 0 up to and including 360 (a tiny
// negative value rounds up to 360 on the last addition, as the loop would).
double AddTurnsWhileNegative(double x);

}  // namespace zkc
