// The pass driver: computes the birth chart and the chart of the day of the
// reading, each with its own set of computing units, so that the day's pass
// can never overwrite a birth result.
#pragma once

#include <string>
#include <string_view>

#include "chart/moon_chart.h"
#include "engine/chart_angles.h"
#include "engine/chart_input.h"
#include "engine/chart_positions.h"
#include "engine/planet_longitudes.h"
#include "engine/vedic_planet_position.h"

namespace zkc {

// Read-only view of one computed chart. It refers into the ChartCalculation
// that produced it and stays valid until that object's next pass.
struct ChartView {
    const ChartInput& Input;
    const ChartAngles& Angles;
    const MoonChart& Moon;
    const PlanetLongitudes& Planets;
    const ChartPositions& Positions;
};

struct BirthChartView : ChartView {
    // The nakshatra the Kota Chakra starts from: the Moon's 27-scheme name,
    // or "Abhijit".
    const std::string& BirthNakshatraName;
};

// "Abhijit" when the Moon's position text is in Capricorn between 6°40′ and
// 10°53′ inclusive (400 to 653 minutes of arc); otherwise the Moon's own
// 27-scheme name.
std::string BirthNakshatraNameFor(std::string_view moonNakshatraName,
                                  std::string_view moonPositionText);

class ChartCalculation {
  public:
    // Birth pass, birth nakshatra, then the pass of the day of the reading.
    void Calculate(const ChartInput& birth, const ChartInput& oracle);

    // The two halves of Calculate, for callers that keep one birth chart and
    // read many days against it.
    void CalculateBirth(const ChartInput& birth);
    void CalculateOracle(const ChartInput& oracle);

    BirthChartView BirthChart() const;
    ChartView OracleChart() const;

  private:
    // Birth chart: its input, its units and its birth nakshatra.
    ChartInput birthInput_;
    VedicPlanetPosition modVedicPlanetPosition;
    VedicEphemeris modVedicEphemeris;
    std::string birthNakshatraName_;

    // Chart of the day of the reading, with a second set of units.
    ChartInput oracleInput_;
    VedicPlanetPosition modVedicPlanetPosition_Kota;
    VedicEphemeris modVedicEphemeris_Kota;
};

}  // namespace zkc
