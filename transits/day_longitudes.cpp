#include "transits/day_longitudes.h"

#include <cmath>

#include "chart/moon_chart.h"
#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/calendar.h"
#include "engine/chart_positions.h"
#include "engine/lunar_nodes.h"
#include "engine/orbital_elements.h"

namespace zkc {
namespace {

// Every expression below repeats, operation for operation, what the chart
// pass computes (ComputeAngles, ComputePlanetLongitudes, ComputeMoonPosition),
// so that each double comes out with the same bits.

constexpr std::array<int, kPlacedBodies> kRowOfBody = {
    kRowEarth, -1, kRowMercury, kRowVenus, kRowMars, kRowJupiter, kRowSaturn, -1, -1};

double Sidereal(double tropicalDegrees, double correctionDegrees) {
    return AddTurnsWhileNegative(tropicalDegrees - std::fabs(correctionDegrees));
}

}  // namespace

PlanetMoment PlanetMomentOf(const ChartInput& input) {
    const UniversalTimeResult ut = UniversalTime(input);
    const double julianDayNumber = JulianDayNumber(input.Month, input.Day, input.Year);
    const double centuries1900 = CenturiesSince1900(julianDayNumber, ut.utHours);
    return {DayNumber2000(UniversalMoment(input)), AyanamsaCorrection1900(centuries1900)};
}

std::array<double, kPlacedBodies> PlacedBodyLongitudes(const ChartInput& input) {
    const PlanetMoment moment = PlanetMomentOf(input);
    const EarthPosition earth = HeliocentricEarth(moment.daysSince2000);
    std::array<double, kPlacedBodies> longitudes{};
    for (int body = kSun; body <= kSaturn; ++body) {
        if (body == kMoon) {
            continue;
        }
        const int row = kRowOfBody[static_cast<std::size_t>(body)];
        longitudes[static_cast<std::size_t>(body)] =
            Sidereal(GeocentricLongitude(row, moment.daysSince2000, earth),
                     moment.siderealCorrectionDegrees);
    }
    longitudes[kMoon] = MoonLongitude(input);
    longitudes[kRahu] =
        RahuLongitudeDegrees(moment.daysSince2000, moment.siderealCorrectionDegrees);
    longitudes[kKetu] = KetuLongitudeDegrees(longitudes[kRahu]);
    return longitudes;
}

PlanetSighting SightPlanet(int body, const PlanetMoment& moment) {
    PlanetSighting s;
    s.fromEarth = GeocentricPosition(kRowOfBody[static_cast<std::size_t>(body)],
                                     moment.daysSince2000, HeliocentricEarth(moment.daysSince2000));
    s.siderealDegrees = Sidereal(LongitudeOfVector(s.fromEarth), moment.siderealCorrectionDegrees);
    return s;
}

double NodeLongitude(int body, const PlanetMoment& moment) {
    const double rahu =
        RahuLongitudeDegrees(moment.daysSince2000, moment.siderealCorrectionDegrees);
    return body == kRahu ? rahu : KetuLongitudeDegrees(rahu);
}

double MoonLongitude(const ChartInput& input) {
    return ComputeMoonPosition(input).siderealLongitudeDegrees;
}

}  // namespace zkc
