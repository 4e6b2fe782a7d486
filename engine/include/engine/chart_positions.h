// The record in which a chart pass hands over its bodies, as texts.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zkc {

// Fixed body order of every chart. Index 11 is a slot that stays empty, so
// the record keeps twelve entries while reports list eleven.
enum Body : int {
    kSun = 0,
    kMoon = 1,
    kMercury = 2,
    kVenus = 3,
    kMars = 4,
    kJupiter = 5,
    kSaturn = 6,
    kRahu = 7,
    kKetu = 8,
    kAscendant = 9,
    kMidheaven = 10,
};
inline constexpr int kBodySlots = 12;
inline constexpr int kListedBodies = 11;  // Sun … Midheaven

inline constexpr std::array<std::string_view, kBodySlots> BodyNames = {
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",      "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven", ""};

// One chart's results as texts. Longitudes are sidereal.
struct ChartPositions {
    std::array<std::string, kBodySlots> BodyNames;      // as zkc::BodyNames
    std::array<std::string, kBodySlots> PositionTexts;  // nine-character texts; 11 empty
    std::string AscendantText;                          // long forms
    std::string MidheavenText;
    std::array<std::string, 6> RowTexts;  // long forms of element rows 0 … 5
    std::string RahuText;
    std::string KetuText;
};

}  // namespace zkc
