// The planet-position unit: one instance per chart keeps that chart's time
// quantities, angles, planet longitudes and position record from its last
// pass, and never sees another chart's.
#pragma once

#include <string_view>

#include "engine/chart_angles.h"
#include "engine/chart_input.h"
#include "engine/chart_positions.h"
#include "engine/planet_longitudes.h"

namespace zkc {

class VedicPlanetPosition {
  public:
    // First step of a pass: time quantities, sidereal correction, ascendant
    // and midheaven of the input, with the long forms of the two angles.
    const ChartAngles& ComputeChartAngles(const ChartInput& input);

    // Last step of a pass: Sun, planets and nodes at the moment fixed by
    // ComputeChartAngles, then the chart's position record, whose Moon entry
    // is made from the Moon unit's long form of the same pass.
    const ChartPositions& ComputePlanetPositions(std::string_view moonLongitudeText);

    const ChartAngles& Angles() const { return angles_; }
    const PlanetLongitudes& Planets() const { return planets_; }
    const ChartPositions& Positions() const { return positions_; }

  private:
    ChartAngles angles_;
    PlanetLongitudes planets_;
    ChartPositions positions_;
};

}  // namespace zkc
