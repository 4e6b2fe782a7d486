#include "driver/chart_calculation.h"

#include "engine/constants.h"
#include "engine/position_text.h"

namespace zkc {
namespace {

constexpr int kCapricorn = 9;

// One pass over one set of units. The planet step comes last because it
// needs the angles step's moment and correction and the Moon unit's long form.
void RunPass(const ChartInput& input, VedicPlanetPosition& planets, VedicEphemeris& moon) {
    planets.ComputeChartAngles(input);
    const MoonChart& moonChart = moon.ComputeMoonChart(input);
    planets.ComputePlanetPositions(moonChart.MoonLongitudeText);
}

}  // namespace

std::string BirthNakshatraNameFor(std::string_view moonNakshatraName,
                                  std::string_view moonPositionText) {
    if (const auto moon = ParsePositionText(moonPositionText); moon && moon->Sign == kCapricorn) {
        const int minutes = 60 * moon->Degrees + moon->Minutes;
        if (minutes >= kAbhijitFirstMinute && minutes <= kAbhijitLastMinute) {
            return "Abhijit";
        }
    }
    return std::string(moonNakshatraName);
}

void ChartCalculation::Calculate(const ChartInput& birth, const ChartInput& oracle) {
    CalculateBirth(birth);
    CalculateOracle(oracle);
}

void ChartCalculation::CalculateBirth(const ChartInput& birth) {
    birthInput_ = birth;
    RunPass(birthInput_, modVedicPlanetPosition, modVedicEphemeris);
    birthNakshatraName_ =
        BirthNakshatraNameFor(modVedicEphemeris.Results().MoonNakshatraName,
                              modVedicPlanetPosition.Positions().PositionTexts[kMoon]);
}

void ChartCalculation::CalculateOracle(const ChartInput& oracle) {
    oracleInput_ = oracle;
    RunPass(oracleInput_, modVedicPlanetPosition_Kota, modVedicEphemeris_Kota);
}

BirthChartView ChartCalculation::BirthChart() const {
    return {{birthInput_, modVedicPlanetPosition.Angles(), modVedicEphemeris.Results(),
             modVedicPlanetPosition.Planets(), modVedicPlanetPosition.Positions()},
            birthNakshatraName_};
}

ChartView ChartCalculation::OracleChart() const {
    return {oracleInput_, modVedicPlanetPosition_Kota.Angles(), modVedicEphemeris_Kota.Results(),
            modVedicPlanetPosition_Kota.Planets(), modVedicPlanetPosition_Kota.Positions()};
}

}  // namespace zkc
