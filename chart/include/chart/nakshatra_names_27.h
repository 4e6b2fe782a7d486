// The 27 nakshatras of the ordinary scheme, as the Moon unit names them.
//
// These spellings belong to this scheme only; the 28-place ring with Abhijit
// keeps its own table. A nakshatra passes between the two by index.
#pragma once

#include <array>
#include <string_view>

namespace zkc {

inline constexpr int kNakshatraCount27 = 27;

inline constexpr std::array<std::string_view, kNakshatraCount27> NakshatraNames27 = {
    "Aswini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigsira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Aslesha",
    "Magha",
    "Purbha Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Mula",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanishtha",
    "Shatbisha",
    "Poorva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati"};

}  // namespace zkc
