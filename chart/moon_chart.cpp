#include "chart/moon_chart.h"

#include <cmath>

#include "chart/moon_longitude.h"
#include "chart/nakshatra_names_27.h"
#include "engine/calendar.h"
#include "engine/constants.h"
#include "engine/position_text.h"

namespace zkc {

int NakshatraIndexOf(double n) {
    if (!std::isfinite(n)) {
        return 0;
    }
    const double index = std::fmod(std::floor(n), kNakshatraCount27);
    return static_cast<int>(index < 0 ? index + kNakshatraCount27 : index);
}

MoonPosition ComputeMoonPosition(const ChartInput& input) {
    MoonPosition m;
    const UniversalTimeResult ut = UniversalTime(input);
    m.UT = ut.UT;
    m.L = ut.L;
    m.JDN = JulianDayNumber(input.Month, input.Day, input.Year);
    m.T = ((m.JDN - kJulianDay2000) + m.UT / 24 - 0.5) / kDaysPerJulianCentury;

    m.TropicalLongitude = MoonTropicalLongitude(m.T);
    m.AyanamsaCorrection = AyanamsaCorrection(m.T);
    double sidereal = m.TropicalLongitude + m.AyanamsaCorrection;
    if (sidereal < 0) {
        sidereal += 360;
    }
    m.SiderealLongitude = sidereal;
    m.NakshatraUnits = sidereal * 60 / 800;
    m.NakshatraIndex = NakshatraIndexOf(m.NakshatraUnits);
    return m;
}

const MoonChart& VedicEphemeris::ComputeMoonChart(const ChartInput& input) {
    static_cast<MoonPosition&>(results_) = ComputeMoonPosition(input);
    FormatSignPosition(results_.SiderealLongitude, results_.MoonLongitudeText);
    results_.MoonNakshatraName =
        NakshatraNames27[static_cast<std::size_t>(results_.NakshatraIndex)];
    return results_;
}

}  // namespace zkc
