#include "chart/moon_chart.h"

#include <cmath>

#include "chart/moon_longitude.h"
#include "chart/nakshatra_names_27.h"
#include "engine/calendar.h"
#include "engine/constants.h"
#include "engine/position_text.h"

namespace zkc {

int NakshatraIndexOf(double nakshatraUnits) {
    if (!std::isfinite(nakshatraUnits)) {
        return 0;
    }
    const double index = std::fmod(std::floor(nakshatraUnits), kNakshatraCount27);
    return static_cast<int>(index < 0 ? index + kNakshatraCount27 : index);
}

MoonPosition ComputeMoonPosition(const ChartInput& input) {
    MoonPosition m;
    const UniversalTimeResult ut = UniversalTime(input);
    m.utHours = ut.utHours;
    m.longitudeWestDegrees = ut.longitudeWestDegrees;
    m.julianDayNumber = JulianDayNumber(input.Month, input.Day, input.Year);
    m.julianCenturies2000 =
        ((m.julianDayNumber - kJulianDay2000) + m.utHours / 24 - 0.5) / kDaysPerJulianCentury;

    m.tropicalLongitudeDegrees = MoonTropicalLongitudeDegrees(m.julianCenturies2000);
    m.ayanamsaCorrectionDegrees = MoonAyanamsaCorrection(m.julianCenturies2000);
    double sidereal = m.tropicalLongitudeDegrees + m.ayanamsaCorrectionDegrees;
    if (sidereal < 0) {
        sidereal += 360;
    }
    m.siderealLongitudeDegrees = sidereal;
    // 800 minutes of arc to a nakshatra.
    m.nakshatraUnits = sidereal * 60 / 800;
    m.NakshatraIndex = NakshatraIndexOf(m.nakshatraUnits);
    return m;
}

const MoonChart& VedicEphemeris::ComputeMoonChart(const ChartInput& input) {
    static_cast<MoonPosition&>(results_) = ComputeMoonPosition(input);
    FormatSignPosition(results_.siderealLongitudeDegrees, results_.MoonLongitudeText);
    results_.MoonNakshatraName =
        NakshatraNames27[static_cast<std::size_t>(results_.NakshatraIndex)];
    return results_;
}

}  // namespace zkc
