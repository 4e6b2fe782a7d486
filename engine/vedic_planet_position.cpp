#include "engine/vedic_planet_position.h"

#include "engine/position_text.h"

namespace zkc {

// Texts are written into the record's existing strings, so a unit that runs
// pass after pass (a scan over many days) allocates nothing after its first.

const ChartAngles& VedicPlanetPosition::ComputeChartAngles(const ChartInput& input) {
    angles_ = ComputeAngles(input);
    positions_.SiderealCorrection = angles_.SiderealCorrection;
    FormatSignPosition(angles_.Ascendant, positions_.AscendantText);
    FormatSignPosition(angles_.Midheaven, positions_.MidheavenText);
    return angles_;
}

const ChartPositions& VedicPlanetPosition::ComputePlanetPositions(
    std::string_view moonLongitudeText) {
    planets_ = ComputePlanetLongitudes(angles_.DayNumber, angles_.SiderealCorrection);

    ChartPositions& p = positions_;
    for (std::size_t i = 0; i < kBodySlots; ++i) {
        p.BodyNames[i] = BodyNames[i];
    }
    for (std::size_t row = 0; row < kElementRows; ++row) {
        FormatSignPosition(planets_.Sidereal[row], p.RowTexts[row]);
    }
    FormatSignPosition(planets_.Rahu, p.RahuText);
    FormatSignPosition(planets_.Ketu, p.KetuText);

    ToPositionText(p.RowTexts[kRowEarth], p.PositionTexts[kSun]);
    ToPositionText(moonLongitudeText, p.PositionTexts[kMoon]);
    ToPositionText(p.RowTexts[kRowMercury], p.PositionTexts[kMercury]);
    ToPositionText(p.RowTexts[kRowVenus], p.PositionTexts[kVenus]);
    ToPositionText(p.RowTexts[kRowMars], p.PositionTexts[kMars]);
    ToPositionText(p.RowTexts[kRowJupiter], p.PositionTexts[kJupiter]);
    ToPositionText(p.RowTexts[kRowSaturn], p.PositionTexts[kSaturn]);
    ToPositionText(p.RahuText, p.PositionTexts[kRahu]);
    ToPositionText(p.KetuText, p.PositionTexts[kKetu]);
    ToPositionText(p.AscendantText, p.PositionTexts[kAscendant]);
    ToPositionText(p.MidheavenText, p.PositionTexts[kMidheaven]);
    p.PositionTexts[11].clear();
    return positions_;
}

}  // namespace zkc
