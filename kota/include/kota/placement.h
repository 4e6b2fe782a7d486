// The nine bodies of the day of the reading on the ring, and their judgement.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/chart_positions.h"
#include "kota/kota_ring.h"

namespace zkc {

enum class BodyNature { Benefic, Malefic };
enum class KotaResult { Adverse, NotAdverse, NA };

// "Benefic Planet", "Malefic Planet".
std::string_view NatureLabel(BodyNature nature);
// "Adverse", "Not Adverse", "NA".
std::string_view ResultLabel(KotaResult result);

// Benefic when the name is exactly "Moon", "Mercury", "Jupiter" or "Venus";
// every other body is malefic. Nothing but the name enters the test.
BodyNature NatureOf(std::string_view bodyName);

// Entering is "NA" for every body; in the other two zones benefic and
// malefic bodies receive opposite results.
KotaResult ResultOf(BodyNature nature, KotaZone zone);

inline constexpr int kPlacedBodies = 9;  // Sun … Ketu

struct KotaPlacement {
    std::string BodyName;
    KotaNakshatra Nakshatra = 0;  // 28 scheme
    int Place = 0;                // 1 … 28, counted from the birth nakshatra
    KotaZone Zone = KotaZone::Entering;
    BodyNature Nature = BodyNature::Malefic;
    KotaResult Result = KotaResult::NA;
};

using KotaPlacements = std::array<KotaPlacement, kPlacedBodies>;

// The records of bodies 0 … 8 in body order. Position texts are read at their
// fixed character places. The units only ever write well-formed texts; a text
// that is not (say a record assembled by hand) leaves its body unplaced:
// nakshatra −1, place 0, entering, "NA".
KotaPlacements PlaceBodies(const ChartPositions& day, const KotaRing& ring);

}  // namespace zkc
