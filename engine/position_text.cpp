#include "engine/position_text.h"

#include <charconv>
#include <cmath>

namespace zkc {
namespace {

// Writes n in plain decimal at p and returns the end.
char* WriteNumber(char* p, int n) {
    return std::to_chars(p, p + 12, n).ptr;
}

char* WriteText(char* p, std::string_view text) {
    for (char c : text) {
        *p++ = c;
    }
    return p;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

char* WriteTwoDigits(char* p, std::string_view number) {
    if (number.size() <= 1) {
        *p++ = '0';
    }
    return WriteText(p, number);
}

}  // namespace

std::string_view SignAbbreviation(int sign) {
    return SignAbbreviations.substr(static_cast<std::size_t>(sign) * 3, 3);
}

std::optional<int> SignIndex(std::string_view abbreviation) {
    if (abbreviation.size() != 3) {
        return std::nullopt;
    }
    for (int s = 0; s < kSignCount; ++s) {
        if (SignAbbreviation(s) == abbreviation) {
            return s;
        }
    }
    return std::nullopt;
}

std::string FormatSignPosition(double x) {
    std::string text;
    FormatSignPosition(x, text);
    return text;
}

TruncatedLongitude TruncateLongitude(double x) {
    double a = std::fabs(x);
    if (!std::isfinite(a)) {
        a = 0;
    }
    if (a >= 360) {
        // fmod is exact, so the fraction below keeps every bit it would have
        // had; only the sign index is brought back into the twelve.
        a = std::fmod(a, 360.0);
    }
    const double d = std::floor(a);
    const double f = a - d;
    const double m60 = 60 * f;
    const double minutes = std::floor(m60);
    const double r = m60 - minutes;
    const double seconds = std::floor(60 * r);
    return {static_cast<int>(d), static_cast<int>(minutes), static_cast<int>(seconds)};
}

void FormatSignPosition(double x, std::string& out) {
    const TruncatedLongitude t = TruncateLongitude(x);
    const int sign = t.WholeDegrees / 30;

    char buffer[32];
    char* p = WriteNumber(buffer, t.WholeDegrees - 30 * sign);
    p = WriteText(p, kDegreeMark);
    *p++ = ' ';
    p = WriteNumber(p, t.Minutes);
    p = WriteText(p, "' ");
    p = WriteNumber(p, t.Seconds);
    p = WriteText(p, "\" ");
    p = WriteText(p, SignAbbreviation(sign));
    out.assign(buffer, static_cast<std::size_t>(p - buffer));
}

std::string ToPositionText(std::string_view t) {
    std::string text;
    ToPositionText(t, text);
    return text;
}

void ToPositionText(std::string_view t, std::string& out) {
    out.clear();
    const std::string_view u = Trim(t);
    const std::size_t p = u.find(kDegreeMark);
    const std::size_t q = u.find('\'');
    if (p == std::string_view::npos || q == std::string_view::npos || q < p) {
        return;
    }
    const std::size_t afterMark = p + kDegreeMark.size();
    const std::string_view degrees = Trim(u.substr(0, p));
    const std::string_view minutes = Trim(u.substr(afterMark, q - afterMark));
    const std::string_view sign = Trim(t.size() >= 3 ? t.substr(t.size() - 3) : t);

    // Every piece is a part of t, so the result is at most t's length plus
    // the two blanks and two padding zeros.
    char buffer[64];
    if (t.size() + 4 > sizeof buffer) {
        return;
    }
    char* w = WriteTwoDigits(buffer, degrees);
    *w++ = ' ';
    w = WriteText(w, sign);
    *w++ = ' ';
    w = WriteTwoDigits(w, minutes);
    out.assign(buffer, static_cast<std::size_t>(w - buffer));
}

std::optional<PositionText> ParsePositionText(std::string_view text) {
    if (text.size() != kPositionTextLength || text[2] != ' ' || text[6] != ' ') {
        return std::nullopt;
    }
    if (!IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[7]) || !IsDigit(text[8])) {
        return std::nullopt;
    }
    const std::optional<int> sign = SignIndex(text.substr(3, 3));
    const int degrees = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[7] - '0') * 10 + (text[8] - '0');
    if (!sign || degrees > 29 || minutes > 59) {
        return std::nullopt;
    }
    return PositionText{degrees, *sign, minutes};
}

}  // namespace zkc
