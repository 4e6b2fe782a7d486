#include "transits/kota_standing.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "chart/moon_chart.h"
#include "chart/nakshatra_names_27.h"
#include "driver/chart_calculation.h"
#include "engine/chart_positions.h"
#include "engine/position_text.h"

namespace zkc {
namespace {

// The lookup of every arc-minute, made once from FindKotaNakshatra itself.
struct ArcMinuteTable {
    std::array<std::int8_t, kArcMinutesPerTurn> nakshatra{};
    std::array<KotaStretch, kKotaNakshatraCount> stretch{};

    ArcMinuteTable() {
        // Within a sign the nakshatras ascend, so each sign falls into a few
        // runs; FindKotaNakshatra itself tells where each run ends.
        for (int sign = 0; sign < kSignCount; ++sign) {
            const auto find = [sign](int minute) {
                return FindKotaNakshatra(SignAbbreviation(sign), minute / 60, minute % 60)
                    .value_or(-1);
            };
            for (int first = 0; first < 1800;) {
                const KotaNakshatra k = find(first);
                int last = 1799;  // the run's last minute lies in [first, last]
                if (find(last) != k) {
                    int inside = first;
                    while (last - inside > 1) {
                        const int middle = inside + (last - inside) / 2;
                        (find(middle) == k ? inside : last) = middle;
                    }
                    last = inside;
                }
                for (int m = first; m <= last; ++m) {
                    nakshatra[static_cast<std::size_t>(sign * 1800 + m)] =
                        static_cast<std::int8_t>(k);
                }
                first = last + 1;
            }
        }
        // Every nakshatra holds one unbroken run of arc-minutes.
        for (int m = kArcMinutesPerTurn - 1; m >= 0; --m) {
            stretch[static_cast<std::size_t>(nakshatra[static_cast<std::size_t>(m)])].firstDegrees =
                m / 60.0;
        }
        for (int m = 0; m < kArcMinutesPerTurn; ++m) {
            stretch[static_cast<std::size_t>(nakshatra[static_cast<std::size_t>(m)])].endDegrees =
                (m + 1) / 60.0;
        }
    }
};

const ArcMinuteTable& Table() {
    static const ArcMinuteTable table;
    return table;
}

}  // namespace

int ArcMinuteOfLongitude(double x) {
    // The long form's own truncation; ToPositionText and ParsePositionText
    // then keep the whole degrees within the sign and the whole minutes.
    const TruncatedLongitude t = TruncateLongitude(x);
    if (t.Minutes > 59) {
        return -1;  // a minute field of 60 is not a position text
    }
    return t.WholeDegrees * 60 + t.Minutes;
}

KotaNakshatra KotaNakshatraOfLongitude(double degrees) {
    const int m = ArcMinuteOfLongitude(degrees);
    return m < 0 ? -1 : Table().nakshatra[static_cast<std::size_t>(m)];
}

KotaStretch StretchOf(KotaNakshatra nakshatra) {
    return Table().stretch[static_cast<std::size_t>(nakshatra)];
}

KotaRing RingOfBirth(const ChartInput& birth) {
    ChartCalculation charts;
    charts.CalculateBirth(birth);
    const BirthChartView chart = charts.BirthChart();
    return KotaRing(BirthKotaNakshatra(chart.BirthNakshatraName, chart.Moon.NakshatraIndex));
}

BirthNakshatras BirthNakshatrasOf(const ChartInput& birth) {
    const MoonPosition moon = ComputeMoonPosition(birth);
    const std::string_view name27 = NakshatraNames27[static_cast<std::size_t>(moon.NakshatraIndex)];
    // The position text the birth pass would carry, through the very rule it
    // would pass.
    const std::string positionText =
        ToPositionText(FormatSignPosition(moon.siderealLongitudeDegrees));
    const std::string birthName = BirthNakshatraNameFor(name27, positionText);
    return {name27, BirthKotaNakshatra(birthName, moon.NakshatraIndex)};
}

std::string_view KotaNakshatraName(KotaNakshatra k) {
    return k < 0 ? std::string_view() : KotaNakshatraNames[static_cast<std::size_t>(k)];
}

std::string StandingLabel(const KotaStanding& s) {
    std::string text = std::to_string(s.Place);
    text += ' ';
    text += KotaNakshatraName(s.Nakshatra);
    text += ", ";
    text += ZoneLabel(s.Zone);
    text += ", ";
    text += ResultLabel(s.Result);
    return text;
}

KotaStanding StandingOf(int body, KotaNakshatra nakshatra, const KotaRing& ring) {
    if (nakshatra < 0) {
        return {};
    }
    KotaStanding s;
    s.Nakshatra = nakshatra;
    s.Place = ring.PlaceOf(nakshatra);
    s.Zone = ZoneOfPosition(s.Place);
    s.Result = ResultOf(NatureOf(BodyNames[static_cast<std::size_t>(body)]), s.Zone);
    return s;
}

}  // namespace zkc
