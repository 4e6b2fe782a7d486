#include "engine/vedic_planet_position.h"

#include "engine/long_forms.h"
#include "engine/position_text.h"

namespace zkc {

// Texts are written into the record's existing strings, so a unit that runs
// pass after pass (a scan over many days) allocates nothing after its first.

const ChartAngles& VedicPlanetPosition::ComputeChartAngles(const ChartInput& input) {
    angles_ = ComputeAngles(input);
    FormatSignPosition(angles_.ascendantDegrees, positions_.AscendantText);
    FormatSignPosition(angles_.midheavenDegrees, positions_.MidheavenText);
    return angles_;
}

const ChartPositions& VedicPlanetPosition::ComputePlanetPositions(
    std::string_view moonLongitudeText) {
    planets_ = ComputePlanetLongitudes(angles_.daysSince2000, angles_.SiderealCorrection);

    ChartPositions& p = positions_;
    for (std::size_t i = 0; i < kBodySlots; ++i) {
        p.BodyNames[i] = BodyNames[i];
    }
    for (std::size_t row = 0; row < kElementRows; ++row) {
        FormatSignPosition(planets_.siderealDegrees[row], p.RowTexts[row]);
    }
    FormatSignPosition(planets_.rahuDegrees, p.RahuText);
    FormatSignPosition(planets_.ketuDegrees, p.KetuText);

    for (int body = 0; body < kListedBodies; ++body) {
        ToPositionText(LongFormOfBody(p, moonLongitudeText, body),
                       p.PositionTexts[static_cast<std::size_t>(body)]);
    }
    p.PositionTexts[kBodySlots - 1].clear();
    return positions_;
}

}  // namespace zkc
