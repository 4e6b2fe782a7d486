#include "kota/kota_ring.h"

namespace zkc {

KotaNakshatra BirthKotaNakshatra(std::string_view birthNakshatraName, int moonNakshatraIndex27) {
    if (birthNakshatraName == "Abhijit") {
        return kAbhijit;
    }
    // The 27-scheme nakshatras from Shravana on stand one place further up,
    // past Abhijit.
    return moonNakshatraIndex27 < kAbhijit ? moonNakshatraIndex27 : moonNakshatraIndex27 + 1;
}

KotaZone ZoneOfPosition(int place) {
    const int r = ((place - 1) % 7 + 7) % 7;
    if (r < 3) {
        return KotaZone::Entering;
    }
    return r == 3 ? KotaZone::Innermost : KotaZone::Exiting;
}

std::string_view ZoneLabel(KotaZone zone) {
    switch (zone) {
        case KotaZone::Entering:
            return "Entering";
        case KotaZone::Innermost:
            return "Innermost";
        case KotaZone::Exiting:
            return "Exiting";
    }
    return {};
}

}  // namespace zkc
