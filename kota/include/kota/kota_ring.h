// The ring of 28 places that starts at the birth nakshatra, and its zones.
#pragma once

#include <string_view>

#include "kota/nakshatra_information.h"

namespace zkc {

// The birth nakshatra of the 28 scheme: Abhijit when the birth chart's
// nakshatra name is "Abhijit", otherwise the Moon's 27-scheme index n taken
// over by index (n for Aswini … Uttara Ashadha, n + 1 from Shravana on).
KotaNakshatra BirthKotaNakshatra(std::string_view birthNakshatraName, int moonNakshatraIndex27);

inline constexpr int kRingPlaces = 28;

// Place 1 holds the birth nakshatra; each next place holds the next
// nakshatra in zodiac order, wrapping from Revati to Ashwini.
class KotaRing {
  public:
    explicit KotaRing(KotaNakshatra birth) : birth_(birth) {}

    KotaNakshatra Birth() const { return birth_; }

    // The nakshatra at place 1 … 28.
    KotaNakshatra NakshatraAt(int place) const { return Wrap(birth_ + place - 1); }

    // The place 1 … 28 of a nakshatra.
    int PlaceOf(KotaNakshatra k) const { return Wrap(k - birth_) + 1; }

  private:
    static int Wrap(int k) { return ((k % kRingPlaces) + kRingPlaces) % kRingPlaces; }

    KotaNakshatra birth_;
};

enum class KotaZone { Entering, Innermost, Exiting };

// Four runs of seven places: in each, three Entering, one Innermost (4, 11,
// 18, 25), three Exiting.
KotaZone ZoneOfPosition(int place);

// "Entering", "Innermost", "Exiting".
std::string_view ZoneLabel(KotaZone zone);

}  // namespace zkc
