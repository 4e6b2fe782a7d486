// Prints the birth chart and the chart of the day for an example input.
#include <cstdio>

#include "engine/driver/chart_calculation.h"

using namespace zkc;

namespace {

void Print(const char* title, const ChartView& chart) {
    std::printf("%s\n", title);
    for (int i = 0; i < kListedBodies; ++i) {
        std::printf("  %-10s %s\n", chart.Positions.BodyNames[static_cast<std::size_t>(i)].c_str(),
                    chart.Positions.PositionTexts[static_cast<std::size_t>(i)].c_str());
    }
    std::printf("  Moon nakshatra: %.*s\n\n", static_cast<int>(chart.Moon.MoonNakshatraName.size()),
                chart.Moon.MoonNakshatraName.data());
}

}  // namespace

int main() {
    ChartInput birth;
    birth.Name = "Example";
    birth.Year = 1980;
    birth.Month = 6;
    birth.Day = 15;
    birth.Hour = 10;
    birth.Minute = 30;
    birth.ZoneHours = 5;
    birth.ZoneMinutes = 30;
    birth.LongitudeDegrees = 77;
    birth.LongitudeMinutes = 13;
    birth.IsEast = true;
    birth.LatitudeDegrees = 28;
    birth.LatitudeMinutes = 39;

    ChartInput day;
    day.Year = 2000;
    day.Month = 1;
    day.Day = 1;
    day.Hour = 12;
    day.LatitudeDegrees = 51;
    day.LatitudeMinutes = 30;

    ChartCalculation calculation;
    calculation.Calculate(birth, day);
    Print("Birth chart: 15 June 1980, 10:30, zone 5:30, 77°13' E, 28°39' N",
          calculation.BirthChart());
    std::printf("Birth nakshatra: %s\n\n", calculation.BirthChart().BirthNakshatraName.c_str());
    Print("Chart of the day: 1 January 2000, 12:00, zone 0:00, 0°00' W, 51°30' N",
          calculation.OracleChart());
    return 0;
}
