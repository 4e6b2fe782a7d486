// The fields of an input page as texts, the checks that admit them, and the
// chart input read from an admitted page. Both the window and the command
// line check their inputs here, in the same order and with the same messages.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_input.h"
#include "input/page_lists.h"

namespace zkc {

// The text fields of a page, for focus after a failed check.
enum class PageField {
    None,
    Name,
    ZoneHour,
    ZoneMinute,
    LonDegrees,
    LonMinutes,
    LatDegrees,
    LatMinutes,
    City,
    State,
    Country
};

// The most a page's free text box (name, city, state, country) holds, in
// UTF-16 code units as the window's boxes count them.
inline constexpr std::size_t kMaxTextLength = 80;

enum class MessageIcon { Stop, Information };

struct CheckFailure {
    std::string_view Message;
    MessageIcon Icon = MessageIcon::Stop;
    PageField Focus = PageField::None;  // None: the focus stays where it is

    friend bool operator==(const CheckFailure&, const CheckFailure&) = default;
};

namespace messages {
inline constexpr std::string_view kEnterName = "Please Enter Name";
inline constexpr std::string_view kEnterZone = "Please Enter Hour and Minute of Time Zone";
inline constexpr std::string_view kEnterLonDegrees = "Please Enter Degree of Longitude";
inline constexpr std::string_view kEnterLonMinutes = "Please Enter Minute of Longitude";
inline constexpr std::string_view kEnterLatDegrees = "Please Enter Degree of Latitude";
inline constexpr std::string_view kEnterLatMinutes = "Please Enter Minute of Latitude";
inline constexpr std::string_view kOnlyNumbers = "Only Numbers Are Accepted";
inline constexpr std::string_view kCorrectZone =
    "Please Enter Correct Hour and Minute of Time Zone";
inline constexpr std::string_view kCorrectLonDegrees = "Please Enter Correct Degree of Longitude";
inline constexpr std::string_view kCorrectLonMinutes = "Please Enter Correct Minute of Longitude";
inline constexpr std::string_view kCorrectLatDegrees = "Please Enter Correct Degree of Latitude";
inline constexpr std::string_view kCorrectLatMinutes = "Please Enter Correct Minute of Latitude";
// The two date texts differ by the blank before "!".
inline constexpr std::string_view kFebruaryDate = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view kThirtyDayDate = "Please Enter Correct Date Or Month !";
// Free texts: no control characters (C0, DEL, C1) and no bidirectional
// embeddings, overrides or isolates, which could reorder or hide what the
// report and a terminal show; and no more than a text box holds.
inline constexpr std::string_view kNameControl = "Please Enter Name Without Control Characters";
inline constexpr std::string_view kCityControl = "Please Enter City Without Control Characters";
inline constexpr std::string_view kStateControl = "Please Enter State Without Control Characters";
inline constexpr std::string_view kCountryControl =
    "Please Enter Country Without Control Characters";
inline constexpr std::string_view kNameTooLong = "Please Enter Name Of At Most 80 Characters";
inline constexpr std::string_view kCityTooLong = "Please Enter City Of At Most 80 Characters";
inline constexpr std::string_view kStateTooLong = "Please Enter State Of At Most 80 Characters";
inline constexpr std::string_view kCountryTooLong = "Please Enter Country Of At Most 80 Characters";
}  // namespace messages

// One input page as the window holds it. The lists always hold a selection:
// month and day by list index, year, hour and minute by the number they show.
struct PageFields {
    bool HasName = false;  // the birth page has a name, the page of the day none
    std::string Name;

    int MonthIndex = 0;  // 0 = January
    int DayIndex = 0;    // 0 = day 1
    int Year = kListedYears.First;
    int Hour = 0;
    int Minute = 0;

    std::string ZoneHour;  // texts as typed or as the zone picker wrote them
    std::string ZoneMinute;
    std::string LonDegrees;
    std::string LonMinutes;
    std::string LatDegrees;
    std::string LatMinutes;

    bool IsDaylightSaving = false;
    bool IsEast = true;
    bool IsSouth = false;

    std::string City;
    std::string State;
    std::string Country;

    // The zone the page is bound to (an IANA name such as "Europe/Madrid"),
    // or an explicit offset in minutes east of Greenwich, which beats it.
    // Either one fixes the moment instead of the zone fields, which then show
    // the same offset in the page's own terms. Resolving a zone needs the
    // zone database, which the clients hold: ReadPage leaves both alone.
    std::string TimeZone;
    std::optional<int> UtcOffsetMinutes;

    // The atlas entry the place was taken from, when it was.
    struct AtlasPlace {
        std::string Name;
        std::string State;
        std::string Country;
        std::string CountryCode;

        friend bool operator==(const AtlasPlace&, const AtlasPlace&) = default;
    };
    std::optional<AtlasPlace> Place;
};

// True when the text is empty after removing leading and trailing blanks.
bool IsBlank(std::string_view text);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view text);

// The whole number of a text: trimmed, an optional "+" or "-", then digits.
// Magnitudes beyond a million are held at a million (they fail every range).
std::optional<long> WholeNumber(std::string_view text);

// The page's checks in order; the first that fails is returned. Blank fields
// (name on the birth page, both zone fields, each degree and minute field),
// then the free texts (control characters, length), then whole numbers, then ranges (zone up to 14
// h 59 min, longitude up to 180°00′, latitude up to 89°59′, minutes up to 59), then the day: 29 to
// 31 February outside years divisible by four, 30 and 31 February in them, and the 31st of April,
// June, September and November.
std::optional<CheckFailure> CheckPage(const PageFields& page);

// The chart input of a page that CheckPage admitted: trimmed texts, zone
// magnitudes (a blank zone field is 0), 16-bit numbers. The page's zone or
// explicit offset is not applied here (see places/page_zone.h).
ChartInput ReadPage(const PageFields& page);

}  // namespace zkc
