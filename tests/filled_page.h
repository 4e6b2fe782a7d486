// An input page that every check admits, for tests that start from one.
#pragma once

#include "input/page_input.h"

namespace zkc::test {

// New Delhi (77° 13′ E, 28° 39′ N, zone 5:30) on the given date and time;
// the birth page carries a name. Month and day count from 1.
inline PageFields DelhiPage(bool birth, int year, int month, int day, int hour, int minute) {
    PageFields p;
    p.HasName = birth;
    p.Name = birth ? "Asha Rao" : "";
    p.MonthIndex = month - 1;
    p.DayIndex = day - 1;
    p.Year = year;
    p.Hour = hour;
    p.Minute = minute;
    p.ZoneHour = "5";
    p.ZoneMinute = "30";
    p.LonDegrees = "77";
    p.LonMinutes = "13";
    p.LatDegrees = "28";
    p.LatMinutes = "39";
    p.City = "New Delhi";
    p.State = "Delhi";
    p.Country = "India";
    return p;
}

}  // namespace zkc::test
