// The 28-nakshatra scheme of the Kota Chakra: Abhijit stands between Uttara
// Ashadha and Shravana. Its names and boundaries are its own; the 27-scheme
// of the Moon unit spells seven names differently, and a nakshatra passes
// from that scheme to this one by index only.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zkc {

// A nakshatra of the 28 scheme: index 0 … 27 in zodiac order from Ashwini.
using KotaNakshatra = int;
inline constexpr int kKotaNakshatraCount = 28;
inline constexpr KotaNakshatra kAbhijit = 21;

namespace modNakshatraInformation {

inline constexpr std::array<std::string_view, kKotaNakshatraCount> KotaNakshatraNames = {
    "Ashwini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigasira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Poorva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Moola",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Abhijit",
    "Shravana",
    "Dhanistha",
    "Shatabhisha",
    "Poorva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati"};

// The inclusive end of each nakshatra's stretch in the sign where it begins,
// as sign, degrees and minutes ("Ari-13-20"). Within a sign the entries
// ascend, and every sign's last entry ends at 30° 00′.
inline constexpr std::array<std::string_view, kKotaNakshatraCount> KotaBoundaryTable = {
    "Ari-13-20", "Ari-26-40", "Ari-30-00", "Tau-23-20", "Tau-30-00", "Gem-20-00", "Gem-30-00",
    "Can-16-40", "Can-30-00", "Leo-13-20", "Leo-26-40", "Leo-30-00", "Vir-23-20", "Vir-30-00",
    "Lib-20-00", "Lib-30-00", "Sco-16-40", "Sco-30-00", "Sag-13-20", "Sag-26-40", "Sag-30-00",
    "Cap-10-00", "Cap-23-20", "Cap-30-00", "Aqu-20-00", "Aqu-30-00", "Pis-16-40", "Pis-30-00"};

// The first entry of the table whose sign is the given one and whose
// boundary is not below the position: a position before the first boundary
// listed for its sign takes that entry, so 5° Tau is Rohini, and 0° 00′ to
// 10° 00′ Cap is Abhijit. Degrees 0 … 29, minutes 0 … 59; a sign that is not
// one of the twelve abbreviations finds nothing.
std::optional<KotaNakshatra> FindKotaNakshatra(std::string_view sign, int degrees, int minutes);

}  // namespace modNakshatraInformation

using modNakshatraInformation::FindKotaNakshatra;
using modNakshatraInformation::KotaNakshatraNames;

}  // namespace zkc
