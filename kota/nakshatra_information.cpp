#include "kota/nakshatra_information.h"

namespace zkc::modNakshatraInformation {
namespace {

// A boundary entry read back at its fixed character places: characters 1 to
// 3 the sign, 5 to 6 the degrees, 8 to 9 the minutes.
struct Boundary {
    std::string_view sign;
    int degrees;
    int minutes;
};

constexpr int TwoDigits(std::string_view s, std::size_t at) {
    return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

constexpr std::array<Boundary, kKotaNakshatraCount> ReadBoundaries() {
    std::array<Boundary, kKotaNakshatraCount> table{};
    for (std::size_t k = 0; k < table.size(); ++k) {
        const std::string_view entry = KotaBoundaryTable[k];
        table[k] = {entry.substr(0, 3), TwoDigits(entry, 4), TwoDigits(entry, 7)};
    }
    return table;
}

constexpr std::array<Boundary, kKotaNakshatraCount> kBoundaries = ReadBoundaries();

}  // namespace

std::optional<KotaNakshatra> FindKotaNakshatra(std::string_view sign, int degrees, int minutes) {
    for (std::size_t k = 0; k < kBoundaries.size(); ++k) {
        const Boundary& b = kBoundaries[k];
        if (b.sign == sign &&
            (degrees < b.degrees || (degrees == b.degrees && minutes <= b.minutes))) {
            return static_cast<KotaNakshatra>(k);
        }
    }
    return std::nullopt;
}

}  // namespace zkc::modNakshatraInformation
