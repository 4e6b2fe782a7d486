#include "kota/placement.h"

#include "engine/position_text.h"

namespace zkc {

std::string_view NatureLabel(BodyNature nature) {
    return nature == BodyNature::Benefic ? "Benefic Planet" : "Malefic Planet";
}

std::string_view ResultLabel(KotaResult result) {
    switch (result) {
        case KotaResult::Adverse:
            return "Adverse";
        case KotaResult::NotAdverse:
            return "Not Adverse";
        case KotaResult::NA:
            return "NA";
    }
    return {};
}

BodyNature NatureOf(std::string_view bodyName) {
    const bool benefic =
        bodyName == "Moon" || bodyName == "Mercury" || bodyName == "Jupiter" || bodyName == "Venus";
    return benefic ? BodyNature::Benefic : BodyNature::Malefic;
}

KotaResult ResultOf(BodyNature nature, KotaZone zone) {
    switch (zone) {
        case KotaZone::Entering:
            return KotaResult::NA;
        case KotaZone::Innermost:
            return nature == BodyNature::Benefic ? KotaResult::NotAdverse : KotaResult::Adverse;
        case KotaZone::Exiting:
            return nature == BodyNature::Benefic ? KotaResult::Adverse : KotaResult::NotAdverse;
    }
    return KotaResult::NA;
}

KotaPlacements PlaceBodies(const ChartPositions& day, const KotaRing& ring) {
    KotaPlacements placements;
    for (std::size_t i = 0; i < placements.size(); ++i) {
        KotaPlacement& p = placements[i];
        p.BodyName = day.BodyNames[i];
        p.Nature = NatureOf(p.BodyName);
        const auto text = ParsePositionText(day.PositionTexts[i]);
        const auto nakshatra =
            text ? FindKotaNakshatra(text->SignName(), text->Degrees, text->Minutes) : std::nullopt;
        if (!nakshatra) {
            p.Nakshatra = -1;
            p.Place = 0;
            p.Zone = KotaZone::Entering;
            p.Result = KotaResult::NA;
            continue;
        }
        p.Nakshatra = *nakshatra;
        p.Place = ring.PlaceOf(p.Nakshatra);
        p.Zone = ZoneOfPosition(p.Place);
        p.Result = ResultOf(p.Nature, p.Zone);
    }
    return placements;
}

}  // namespace zkc
