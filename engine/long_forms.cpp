#include "engine/long_forms.h"

#include "engine/orbital_elements.h"

namespace zkc {

std::string_view LongFormOfBody(const ChartPositions& p, std::string_view moonLongitudeText,
                                int body) {
    switch (body) {
        case kSun:
            return p.RowTexts[kRowEarth];  // the Sun is seen opposite the Earth
        case kMoon:
            return moonLongitudeText;
        case kMercury:
            return p.RowTexts[kRowMercury];
        case kVenus:
            return p.RowTexts[kRowVenus];
        case kMars:
            return p.RowTexts[kRowMars];
        case kJupiter:
            return p.RowTexts[kRowJupiter];
        case kSaturn:
            return p.RowTexts[kRowSaturn];
        case kRahu:
            return p.RahuText;
        case kKetu:
            return p.KetuText;
        case kAscendant:
            return p.AscendantText;
        case kMidheaven:
            return p.MidheavenText;
        default:
            return {};
    }
}

}  // namespace zkc
