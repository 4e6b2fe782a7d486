// The two text forms in which a longitude leaves a computing unit.
//
// Long form, from FormatSignPosition: degrees within the sign, "° ", minutes,
// "' ", seconds, a double quote and a blank, then the sign abbreviation; plain
// numbers without padding, e.g. 16° 31' 32" Sag. The text is UTF-8, so the
// degree mark takes two bytes.
//
// Position text, from ToPositionText: exactly nine characters, e.g. 16 Sag 31:
// two-digit degrees, a blank, the sign, a blank, two-digit minutes. Readers
// take the degrees, the sign and the minutes at fixed places.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zkc {

// Three characters per sign, from Aries (0) to Pisces (11).
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
inline constexpr int kSignCount = 12;
inline constexpr std::string_view kDegreeMark = "\xC2\xB0";
inline constexpr std::size_t kPositionTextLength = 9;

// "Ari" … "Pis" for sign 0 … 11.
std::string_view SignAbbreviation(int sign);

// 0 … 11 for "Ari" … "Pis"; nullopt for anything else.
std::optional<int> SignIndex(std::string_view abbreviation);

// A longitude as its long form writes it: |x| reduced below 360 (a value
// that is not finite taken as 0), then whole degrees, minutes and seconds,
// each truncated, never rounded.
struct TruncatedLongitude {
    int WholeDegrees = 0;  // 0 … 359
    int Minutes = 0;       // 0 … 59 (60 only where 60 × a fraction rounds up)
    int Seconds = 0;
};
TruncatedLongitude TruncateLongitude(double x);

// Long form of |x| degrees. Degrees, minutes and seconds are truncated at
// every stage, never rounded, so 29.99999 is 29° 59' 59" Ari. A longitude of
// 360 or more is taken modulo 360 (exactly 360 is 0° 0' 0" Ari), so every
// text names one of the twelve signs; a value that is not finite is taken as 0.
std::string FormatSignPosition(double x);
// The same, written into out (reusing its storage).
void FormatSignPosition(double x, std::string& out);

// Position text of a long form: "16° 31' 32\" Sag" gives "16 Sag 31".
// Returns an empty text for a long form without degree or minute mark.
std::string ToPositionText(std::string_view longForm);
// The same, written into out (reusing its storage).
void ToPositionText(std::string_view longForm, std::string& out);

// A position text read back at its fixed character places.
struct PositionText {
    int Degrees = 0;  // whole degrees within the sign, 0 … 29
    int Sign = 0;     // 0 = Aries … 11 = Pisces
    int Minutes = 0;  // whole minutes of arc, 0 … 59

    std::string_view SignName() const { return SignAbbreviation(Sign); }
};

// Reads a nine-character position text; nullopt unless it is well formed:
// degrees 00 … 29, one of the twelve signs, minutes 00 … 59, blanks between.
std::optional<PositionText> ParsePositionText(std::string_view text);

}  // namespace zkc
