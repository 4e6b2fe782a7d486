// Bounds on how fast each placed body's computed longitude can move, derived
// from the formulas that compute it, over every moment the input pages admit
// (1901 to 2050, with a day's margin on either side). The transit search
// steps by them; a test samples the formulas and checks them.
#pragma once

namespace zkc {

// First and last day number (days from JD 2451545.0) the bounds hold for.
inline constexpr double kBoundsFirstDay = -36525.0 - 2;  // 31 December 1899
inline constexpr double kBoundsLastDay = 18628.0 + 2;    // 3 January 2051

// What one evaluation may differ from the exact value of its own formulas
// (rounding, Newton's stopping rule, the 15-digit π of the arctangent), with
// a margin of several orders of magnitude over the worst case.
inline constexpr double kEvaluationNoiseDegrees = 1e-6;

// Degrees per day, every moment of the range: the Moon, the Sun. Both only
// ever move forward, never slower than their lower bounds.
double MoonSpeedBoundDegreesPerDay();
double MoonSpeedLowerBoundDegreesPerDay();
double SunSpeedBoundDegreesPerDay();
double SunSpeedLowerBoundDegreesPerDay();

// Rahu and Ketu: a speed, and a jump that the node rule makes once per turn
// of the node (its radians are brought into 0 … 2π with a 15-digit 2π and
// turned into degrees with 180 / 3.1416, which do not make a full 360).
// Both nodes only ever move backward, the jump included.
double NodeSpeedBoundDegreesPerDay();
double NodeSpeedLowerBoundDegreesPerDay();
double NodeJumpBoundDegrees();

// The planet unit's sidereal correction, degrees per day.
double AyanamsaSpeedBoundDegreesPerDay();

// A planet (body kMercury … kSaturn) seen from the Earth: its longitude moves
// at most (relative speed) / (distance in the ecliptic) radians a day.
struct PlanetGeometryBounds {
    double relativeSpeedAuPerDay = 0;          // heliocentric speeds of planet and Earth, summed
    double relativeAccelerationAuPerDay2 = 0;  // and their accelerations
    double planetRadiusMinAu = 0;  // least distance from the Sun, projected on the ecliptic
    double planetRadiusMaxAu = 0;  // greatest distance from the Sun
    double distanceMinAu = 0;      // least distance from the Earth, in the ecliptic
};
PlanetGeometryBounds PlanetBounds(int body);

// A planet's longitude changes its speed by at most |a| / ρ + 2 |v|² / ρ²
// radians a day per day, with a and v the relative acceleration and speed and
// ρ a lower bound of the distance in the ecliptic.
double PlanetAccelerationBoundRadiansPerDay2(const PlanetGeometryBounds& b, double distanceAu);

// The greatest speed a planet's geocentric longitude can have: its relative
// speed over its least distance, plus the sidereal correction's speed.
double PlanetSpeedBoundDegreesPerDay(int body);

}  // namespace zkc
