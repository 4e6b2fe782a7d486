// The Moon unit: the Moon's sidereal longitude and its nakshatra of the
// 27-nakshatra scheme. One instance per chart keeps that chart's results from
// its last pass.
#pragma once

#include <string>
#include <string_view>

#include "engine/chart_input.h"

namespace zkc {

// The Moon's longitude as numbers.
struct MoonPosition {
    double utHours = 0;               // universal time on the local civil date, not wrapped
    double longitudeWestDegrees = 0;  // west positive
    double julianDayNumber = 0;       // of the local civil date
    double julianCenturies2000 = 0;   // T from JD 2451545.0: this unit counts from 2000

    double tropicalLongitudeDegrees = 0;   // 0 … 360
    double ayanamsaCorrectionDegrees = 0;  // the negative of this unit's ayanamsa
    double siderealLongitudeDegrees = 0;   // 0 … 360
    double nakshatraUnits = 0;             // the sidereal longitude in nakshatras of 13°20′

    int NakshatraIndex = 0;  // 0 … 26 in the 27-nakshatra scheme
};

// The unit's results: the numbers and the two texts the rest of the system reads.
struct MoonChart : MoonPosition {
    std::string MoonLongitudeText;       // long form of the sidereal longitude
    std::string_view MoonNakshatraName;  // NakshatraNames27[NakshatraIndex]
};

// Index 0 … 26 of the nakshatra that holds the given nakshatra units (their
// floor).
// A sidereal longitude of exactly 360 is the first nakshatra again, so every
// longitude the unit can produce has a name.
int NakshatraIndexOf(double nakshatraUnits);

// The Moon's position from one chart's input.
MoonPosition ComputeMoonPosition(const ChartInput& input);

class VedicEphemeris {
  public:
    const MoonChart& ComputeMoonChart(const ChartInput& input);
    const MoonChart& Results() const { return results_; }

  private:
    MoonChart results_;
};

}  // namespace zkc
