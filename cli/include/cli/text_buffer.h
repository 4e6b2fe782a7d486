// Output text built in memory, a line at a time, for writing in large blocks.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "engine/calendar.h"

namespace zkc::cli {

class TextBuffer {
  public:
    void Put(std::string_view s) { text_.append(s); }
    void Put(char c) { text_.push_back(c); }
    void Number(long long n) {
        char digits[24];
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
    }
    void TwoDigits(int n) {
        text_.push_back(static_cast<char>('0' + n / 10));
        text_.push_back(static_cast<char>('0' + n % 10));
    }
    // YYYY-MM-DD and HH:MM.
    void Date(const CalendarMoment& m) {
        Number(m.Year);
        Put('-');
        TwoDigits(m.Month);
        Put('-');
        TwoDigits(m.Day);
    }
    void Time(const CalendarMoment& m) {
        TwoDigits(m.Hour);
        Put(':');
        TwoDigits(m.Minute);
    }

    std::string& Text() { return text_; }
    std::size_t Size() const { return text_.size(); }

  private:
    std::string text_;
};

}  // namespace zkc::cli
