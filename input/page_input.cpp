#include "input/page_input.h"

#include <cstdlib>

namespace zkc {
namespace {

constexpr long kLargestNumber = 1000000;

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The value of a field that passed the blank and number checks; a blank
// field (allowed for one of the two zone fields) counts as 0.
long ValueOf(std::string_view text) {
    return WholeNumber(text).value_or(0);
}

bool IsLeapYear(int year) {
    return year % 4 == 0;
}

std::optional<CheckFailure> CheckBlanks(const PageFields& page) {
    using namespace messages;
    if (page.HasName && IsBlank(page.Name)) {
        return CheckFailure{kEnterName, MessageIcon::Stop, PageField::Name};
    }
    if (IsBlank(page.ZoneHour) && IsBlank(page.ZoneMinute)) {
        return CheckFailure{kEnterZone, MessageIcon::Stop, PageField::ZoneHour};
    }
    const struct {
        const std::string& text;
        std::string_view message;
        PageField field;
    } required[] = {{page.LonDegrees, kEnterLonDegrees, PageField::LonDegrees},
                    {page.LonMinutes, kEnterLonMinutes, PageField::LonMinutes},
                    {page.LatDegrees, kEnterLatDegrees, PageField::LatDegrees},
                    {page.LatMinutes, kEnterLatMinutes, PageField::LatMinutes}};
    for (const auto& r : required) {
        if (IsBlank(r.text)) {
            return CheckFailure{r.message, MessageIcon::Stop, r.field};
        }
    }
    return std::nullopt;
}

enum class TextFault { None, Control, TooLong };

bool IsControl(char32_t c) {
    const bool c0 = c < 0x20 || c == 0x7F;
    const bool c1 = c >= 0x80 && c <= 0x9F;
    const bool embeddingOrOverride = c >= 0x202A && c <= 0x202E;
    const bool isolate = c >= 0x2066 && c <= 0x2069;
    return c0 || c1 || embeddingOrOverride || isolate;
}

// The code point that starts at text[i], and how many bytes it takes; none
// where the bytes are no UTF-8 (a stray or cut-off byte, an overlong form,
// a surrogate).
struct CodePoint {
    char32_t value;
    std::size_t bytes;
};
std::optional<CodePoint> DecodeAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = -1;  // continuation bytes after the lead byte
    if (lead < 0x80) {
        extra = 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
    }
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) {
        return std::nullopt;
    }
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
    if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        return std::nullopt;
    }
    return CodePoint{c, static_cast<std::size_t>(extra) + 1};
}

// Bytes that are no UTF-8 count as control characters, since nothing can
// tell what a terminal would make of them.
TextFault FindTextFault(std::string_view text) {
    std::size_t units = 0;  // UTF-16 code units, as a text box counts
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<CodePoint> c = DecodeAt(text, i);
        if (!c || IsControl(c->value)) {
            return TextFault::Control;
        }
        units += c->value >= 0x10000 ? 2 : 1;
        i += c->bytes;
    }
    return units > kMaxTextLength ? TextFault::TooLong : TextFault::None;
}

std::optional<CheckFailure> CheckTexts(const PageFields& page) {
    using namespace messages;
    const struct {
        bool present;
        const std::string& text;
        std::string_view control;
        std::string_view tooLong;
        PageField field;
    } texts[] = {{page.HasName, page.Name, kNameControl, kNameTooLong, PageField::Name},
                 {true, page.City, kCityControl, kCityTooLong, PageField::City},
                 {true, page.State, kStateControl, kStateTooLong, PageField::State},
                 {true, page.Country, kCountryControl, kCountryTooLong, PageField::Country}};
    for (const auto& t : texts) {
        if (!t.present) {
            continue;
        }
        switch (FindTextFault(t.text)) {
            case TextFault::Control:
                return CheckFailure{t.control, MessageIcon::Stop, t.field};
            case TextFault::TooLong:
                return CheckFailure{t.tooLong, MessageIcon::Stop, t.field};
            case TextFault::None:
                break;
        }
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckNumbers(const PageFields& page) {
    const struct {
        const std::string& text;
        PageField field;
    } numeric[] = {
        {page.ZoneHour, PageField::ZoneHour},     {page.ZoneMinute, PageField::ZoneMinute},
        {page.LonDegrees, PageField::LonDegrees}, {page.LonMinutes, PageField::LonMinutes},
        {page.LatDegrees, PageField::LatDegrees}, {page.LatMinutes, PageField::LatMinutes}};
    for (const auto& n : numeric) {
        if (!IsBlank(n.text) && !WholeNumber(n.text)) {
            return CheckFailure{messages::kOnlyNumbers, MessageIcon::Stop, n.field};
        }
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckRanges(const PageFields& page) {
    using namespace messages;
    const long zoneHours = std::labs(ValueOf(page.ZoneHour));
    const long zoneMinutes = std::labs(ValueOf(page.ZoneMinute));
    if (zoneHours > 14) {
        return CheckFailure{kCorrectZone, MessageIcon::Stop, PageField::ZoneHour};
    }
    if (zoneMinutes > 59) {
        return CheckFailure{kCorrectZone, MessageIcon::Stop, PageField::ZoneMinute};
    }
    // Degrees and minutes of a place are magnitudes: East/West and
    // North/South give the direction, so a negative number is out of range.
    const long lonDegrees = ValueOf(page.LonDegrees);
    const long lonMinutes = ValueOf(page.LonMinutes);
    if (lonDegrees < 0 || lonDegrees > 180 || (lonDegrees == 180 && lonMinutes > 0)) {
        return CheckFailure{kCorrectLonDegrees, MessageIcon::Stop, PageField::LonDegrees};
    }
    if (lonMinutes < 0 || lonMinutes > 59) {
        return CheckFailure{kCorrectLonMinutes, MessageIcon::Stop, PageField::LonMinutes};
    }
    const long latDegrees = ValueOf(page.LatDegrees);
    const long latMinutes = ValueOf(page.LatMinutes);
    if (latDegrees < 0 || latDegrees > 89) {
        return CheckFailure{kCorrectLatDegrees, MessageIcon::Stop, PageField::LatDegrees};
    }
    if (latMinutes < 0 || latMinutes > 59) {
        return CheckFailure{kCorrectLatMinutes, MessageIcon::Stop, PageField::LatMinutes};
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckDate(const PageFields& page) {
    constexpr int kFebruary = 1;
    const int m = page.MonthIndex;
    const int d = page.DayIndex;
    // Divisible by four is exact for the years the lists offer (no century
    // year but 2000 among them).
    const int lastFebruaryIndex = IsLeapYear(page.Year) ? 28 : 27;
    if (m == kFebruary && d > lastFebruaryIndex) {
        return CheckFailure{messages::kFebruaryDate, MessageIcon::Information, PageField::None};
    }
    const bool thirtyDayMonth = m == 3 || m == 5 || m == 8 || m == 10;
    if (thirtyDayMonth && d == 30) {
        return CheckFailure{messages::kThirtyDayDate, MessageIcon::Information, PageField::None};
    }
    return std::nullopt;
}

std::int16_t To16(long v) {
    return static_cast<std::int16_t>(v);
}

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<CodePoint> c = DecodeAt(text, i);
        if (!c) {
            return false;
        }
        i += c->bytes;
    }
    return true;
}

bool IsBlank(std::string_view text) {
    return Trim(text).empty();
}

std::optional<long> WholeNumber(std::string_view text) {
    std::string_view t = Trim(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) {
        return std::nullopt;
    }
    long value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value < kLargestNumber ? value * 10 + (c - '0') : kLargestNumber;
    }
    if (value > kLargestNumber) {
        value = kLargestNumber;
    }
    return negative ? -value : value;
}

std::optional<CheckFailure> CheckPage(const PageFields& page) {
    if (auto failure = CheckBlanks(page)) {
        return failure;
    }
    if (auto failure = CheckTexts(page)) {
        return failure;
    }
    if (auto failure = CheckNumbers(page)) {
        return failure;
    }
    if (auto failure = CheckRanges(page)) {
        return failure;
    }
    return CheckDate(page);
}

ChartInput ReadPage(const PageFields& page) {
    ChartInput in;
    in.Name = std::string(Trim(page.Name));
    in.Month = To16(page.MonthIndex + 1);
    in.Day = To16(page.DayIndex + 1);
    in.Year = To16(page.Year);
    in.ZoneHours = To16(std::labs(ValueOf(page.ZoneHour)));
    in.ZoneMinutes = To16(std::labs(ValueOf(page.ZoneMinute)));
    in.Hour = To16(page.Hour);
    in.Minute = To16(page.Minute);
    in.LongitudeDegrees = To16(ValueOf(page.LonDegrees));
    in.LongitudeMinutes = To16(ValueOf(page.LonMinutes));
    in.LatitudeDegrees = To16(ValueOf(page.LatDegrees));
    in.LatitudeMinutes = To16(ValueOf(page.LatMinutes));
    in.IsDaylightSaving = page.IsDaylightSaving;
    in.IsEast = page.IsEast;
    in.IsSouth = page.IsSouth;
    in.City = std::string(Trim(page.City));
    in.State = std::string(Trim(page.State));
    in.Country = std::string(Trim(page.Country));
    return in;
}

}  // namespace zkc
