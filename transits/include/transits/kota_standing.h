// A body's standing in the ring, straight from its longitude: the same whole
// arc-minutes the position text would carry, the same nakshatra lookup.
#pragma once

#include <string>

#include "engine/chart_input.h"
#include "kota/kota_ring.h"
#include "kota/placement.h"

namespace zkc {

inline constexpr int kArcMinutesPerTurn = 360 * 60;

// The arc-minute 0 … 21599 (sign × 1800 + degrees × 60 + minutes) that the
// position text of a longitude names, truncated exactly as its long form is
// (absolute value, reduced below 360, a value that is not finite taken as 0);
// −1 for a text that a placement would refuse.
int ArcMinuteOfLongitude(double degrees);

// The nakshatra of the 28 scheme of a longitude, −1 where the placement
// leaves the body unplaced.
KotaNakshatra KotaNakshatraOfLongitude(double degrees);

// A nakshatra's stretch as longitudes: from firstDegrees up to, not
// including, endDegrees (which is 360 for Revati).
struct KotaStretch {
    double firstDegrees = 0;
    double endDegrees = 0;
};
KotaStretch StretchOf(KotaNakshatra nakshatra);

// The ring of a birth: the birth pass, its birth nakshatra, the ring from it.
KotaRing RingOfBirth(const ChartInput& birth);

// The birth nakshatra in both schemes from the Moon alone: what a birth pass
// gives (the Abhijit test on the Moon's position text included) without the
// bodies a reading of many births never looks at.
struct BirthNakshatras {
    std::string_view Name27;  // the Moon's, as the report prints it
    KotaNakshatra Kota = 0;   // place 1 of the ring
};
BirthNakshatras BirthNakshatrasOf(const ChartInput& birth);

// What a reading prints of one body: its nakshatra, place, zone and result.
struct KotaStanding {
    KotaNakshatra Nakshatra = -1;
    int Place = 0;
    KotaZone Zone = KotaZone::Entering;
    KotaResult Result = KotaResult::NA;

    friend bool operator==(const KotaStanding&, const KotaStanding&) = default;
};

// "22 Pushya, Entering, NA": place, nakshatra, zone and result.
std::string StandingLabel(const KotaStanding& standing);

// The nakshatra's name of the 28 scheme; empty for −1.
std::string_view KotaNakshatraName(KotaNakshatra nakshatra);

// The standing of a body (0 … 8) in a nakshatra, as PlaceBodies judges it;
// nakshatra −1 is the unplaced record.
KotaStanding StandingOf(int body, KotaNakshatra nakshatra, const KotaRing& ring);

}  // namespace zkc
