// What the date and time lists of an input page offer. Every reader of a
// date or a clock time (the window's lists, the command line's options, the
// scan's end) admits exactly these.
#pragma once

namespace zkc {

struct ListRange {
    int First;
    int Last;

    constexpr bool Contains(int v) const { return v >= First && v <= Last; }
};

inline constexpr ListRange kListedYears{1901, 2050};
inline constexpr ListRange kListedMonths{1, 12};
inline constexpr ListRange kListedDays{1, 31};  // every month lists 31; the checks refuse the rest
inline constexpr ListRange kListedHours{0, 23};
inline constexpr ListRange kListedMinutes{0, 59};

}  // namespace zkc
