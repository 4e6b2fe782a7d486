#include "engine/month_names.h"

namespace zkc {

std::string_view MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)]
                                     : std::string_view();
}

std::string DateText(int year, int month, int day) {
    std::string text = std::to_string(day);
    text += ' ';
    text += MonthName(month);
    text += ' ';
    text += std::to_string(year);
    return text;
}

}  // namespace zkc
