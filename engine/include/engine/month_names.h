// The names of the months, as the date lists and the reading print them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zkc {

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// "January" … "December" for 1 … 12; empty otherwise.
std::string_view MonthName(int month);

// "26 January 1990": a date as the window's lines and printouts write it.
std::string DateText(int year, int month, int day);

}  // namespace zkc
