// The longitudes as numbers against the chart pass: the same doubles, and the
// same nakshatras as the position texts and the placements give.
#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "chart_inputs.h"
#include "driver/chart_calculation.h"
#include "engine/position_text.h"
#include "kota/kota_chakra.h"
#include "transits/day_longitudes.h"
#include "transits/kota_standing.h"

using namespace zkc;
using zkc::test::MakeInput;

namespace {

// Far above the rounding of a longitude below 360°, far below an arc-second.
constexpr double kClearOfRounding = 1e-9;

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The nakshatra the text path finds: long form, position text, parsed,
// looked up.
KotaNakshatra NakshatraByTexts(double degrees) {
    const auto text = ParsePositionText(ToPositionText(FormatSignPosition(degrees)));
    if (!text) {
        return -1;
    }
    return FindKotaNakshatra(text->SignName(), text->Degrees, text->Minutes).value_or(-1);
}

// Day inputs spread over the admitted years, places on both sides of
// Greenwich, zones given as fields, with daylight saving, and as offsets.
std::vector<ChartInput> SpreadMoments(int count) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59), zone(0, 12), lon(0, 179), kind(0, 3);
    std::vector<ChartInput> moments;
    for (int i = 0; i < count; ++i) {
        const bool east = i % 2 == 0;
        ChartInput in = MakeInput(year(random), month(random), day(random), hour(random),
                                  minute(random), zone(random), 15 * (i % 4),
                                  {lon(random), 30, east, 40, 0, false}, i % 5 == 0);
        if (kind(random) == 0) {
            in.UtcOffsetMinutes = static_cast<std::int16_t>((east ? 1 : -1) * 60 * zone(random));
        }
        moments.push_back(in);
    }
    return moments;
}

}  // namespace

class TestDayLongitudes : public QObject {
    Q_OBJECT

  private slots:
    // Every placed body's longitude is the chart pass's double, bit for bit,
    // and its nakshatra the one the placements read from the texts.
    void numbersAreTheChartPassDoubles() {
        ChartCalculation charts;
        charts.CalculateBirth(MakeInput(1990, 1, 26, 16, 5, 5, 30, test::kDelhi));
        const KotaRing ring = RingOfBirth(MakeInput(1990, 1, 26, 16, 5, 5, 30, test::kDelhi));
        int compared = 0;
        for (const ChartInput& in : SpreadMoments(3000)) {
            charts.CalculateOracle(in);
            const ChartView day = charts.OracleChart();
            const std::array<double, kPlacedBodies> numbers = PlacedBodyLongitudes(in);
            const std::array<double, kPlacedBodies> pass = {
                day.Planets.siderealDegrees[kRowEarth],
                day.Moon.siderealLongitudeDegrees,
                day.Planets.siderealDegrees[kRowMercury],
                day.Planets.siderealDegrees[kRowVenus],
                day.Planets.siderealDegrees[kRowMars],
                day.Planets.siderealDegrees[kRowJupiter],
                day.Planets.siderealDegrees[kRowSaturn],
                day.Planets.rahuDegrees,
                day.Planets.ketuDegrees};
            const KotaPlacements placements = ReadKotaChakra(charts.BirthChart(), day).Placements;
            for (std::size_t body = 0; body < kPlacedBodies; ++body) {
                if (!SameBits(numbers[body], pass[body])) {
                    QFAIL(qPrintable(QString("%1 on %2-%3-%4 %5:%6: expected %7, got %8 "
                                             "(tolerance: none, bit for bit)")
                                         .arg(test::Q(BodyNames[body]))
                                         .arg(in.Year)
                                         .arg(in.Month)
                                         .arg(in.Day)
                                         .arg(in.Hour)
                                         .arg(in.Minute)
                                         .arg(pass[body], 0, 'g', 17)
                                         .arg(numbers[body], 0, 'g', 17)));
                }
                const KotaNakshatra k = KotaNakshatraOfLongitude(numbers[body]);
                QCOMPARE(k, placements[body].Nakshatra);
                const KotaStanding s = StandingOf(static_cast<int>(body), k, ring);
                QCOMPARE(s.Place, placements[body].Place);
                QCOMPARE(s.Zone, placements[body].Zone);
                QCOMPARE(s.Result, placements[body].Result);
                ++compared;
            }
        }
        QCOMPARE(compared, 3000 * kPlacedBodies);
    }

    // Truncation to arc-minutes at and around every stretch end, and the odd
    // values the long form has rules for.
    void arcMinutesTruncateAsTheLongForm() {
        std::vector<double> values = {0.0,
                                      -0.0,
                                      359.99999999999994,
                                      360.0,
                                      720.5,
                                      -13.4,
                                      1e300,
                                      std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN(),
                                      29.99999};
        for (int m = 0; m <= kArcMinutesPerTurn; ++m) {
            const double edge = m / 60.0;
            double below = edge;
            double above = edge;
            for (int step = 0; step < 4; ++step) {
                below = std::nextafter(below, -1.0);
                above = std::nextafter(above, 1000.0);
                values.push_back(below);
                values.push_back(above);
            }
            values.push_back(edge);
        }
        for (const double x : values) {
            if (KotaNakshatraOfLongitude(x) != NakshatraByTexts(x)) {
                QFAIL(qPrintable(QString("longitude %1: expected nakshatra %2, got %3")
                                     .arg(x, 0, 'g', 17)
                                     .arg(NakshatraByTexts(x))
                                     .arg(KotaNakshatraOfLongitude(x))));
            }
        }
    }

    // Each stretch runs from its first arc-minute to the next stretch's (the
    // ends themselves are left to rounding, which the search keeps clear of).
    void stretchesTileTheCircle() {
        double expectedFirst = 0;
        for (KotaNakshatra k = 0; k < kKotaNakshatraCount; ++k) {
            const KotaStretch s = StretchOf(k);
            QCOMPARE(s.firstDegrees, expectedFirst);
            QCOMPARE(KotaNakshatraOfLongitude(s.firstDegrees + kClearOfRounding), k);
            QCOMPARE(KotaNakshatraOfLongitude(s.endDegrees - kClearOfRounding), k);
            expectedFirst = s.endDegrees;
        }
        QCOMPARE(expectedFirst, 360.0);
        // Abhijit holds 0° 00′ to 10° 00′ of Capricorn, inclusive.
        QCOMPARE(StretchOf(kAbhijit).firstDegrees, 270.0);
        QCOMPARE(StretchOf(kAbhijit).endDegrees, (280 * 60 + 1) / 60.0);
    }
};

QTEST_APPLESS_MAIN(TestDayLongitudes)
#include "tst_day_longitudes.moc"
