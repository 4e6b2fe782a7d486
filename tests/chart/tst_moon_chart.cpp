// The Moon unit: lunar longitude, its own ayanamsa, and the 27-scheme
// nakshatra, against the worked reference rows.
#include <QtTest>
#include <cmath>

#include "chart/moon_chart.h"
#include "chart/moon_longitude.h"
#include "chart/nakshatra_names_27.h"
#include "chart_inputs.h"
#include "check_near.h"
#include "engine/position_text.h"

using namespace zkc;
using zkc::test::kPrintedToFourDecimals;
using zkc::test::Long;
using zkc::test::MakeInput;

namespace {

// Where each of the 27 nakshatras begins: k × 13° 20′, written out
// (independent hand check: 13° 20′ is 800′, and k × 800′ in degrees and
// minutes runs 0° 00′, 13° 20′, 26° 40′, 40° 00′, … , 346° 40′).
struct Boundary {
    int degrees;
    int minutes;
};
constexpr Boundary kNakshatraStarts[27] = {
    {0, 0},   {13, 20},  {26, 40},  {40, 0},  {53, 20},  {66, 40},  {80, 0},  {93, 20},  {106, 40},
    {120, 0}, {133, 20}, {146, 40}, {160, 0}, {173, 20}, {186, 40}, {200, 0}, {213, 20}, {226, 40},
    {240, 0}, {253, 20}, {266, 40}, {280, 0}, {293, 20}, {306, 40}, {320, 0}, {333, 20}, {346, 40}};

// The last nakshatra that begins at or below the longitude.
int NakshatraFromStarts(double siderealDegrees) {
    int index = 0;
    for (int k = 0; k < 27; ++k) {
        const Boundary& b = kNakshatraStarts[k];
        if (siderealDegrees >= b.degrees + b.minutes / 60.0) {
            index = k;
        }
    }
    return index;
}

}  // namespace

class TestMoonChart : public QObject {
    Q_OBJECT

  private slots:
    void referenceRows_data() {
        QTest::addColumn<ChartInput>("input");
        QTest::addColumn<double>("tropical");
        QTest::addColumn<double>("ayanamsa");
        QTest::addColumn<double>("sidereal");
        QTest::addColumn<QString>("longForm");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        // Source: the table of Moon positions (1 January 2000, 12:00 UT).
        QTest::newRow("2000-01-01 12:00 UT")
            << MakeInput(2000, 1, 1, 12, 0, 0, 0) << 223.3161 << 23.8537 << 199.4624
            << Long(19, 27, 44, "Lib") << 14 << "Swati";
        // Source: the table of Moon positions (12 April 1992, 00:00 UT): the
        // 25-term series, not a fuller lunar theory.
        QTest::newRow("1992-04-12 00:00 UT")
            << MakeInput(1992, 4, 12, 0, 0, 0, 0) << 133.1581 << 23.7541 << 109.4039
            << Long(19, 24, 14, "Can") << 8 << "Aslesha";
    }
    void referenceRows() {
        QFETCH(ChartInput, input);
        QFETCH(double, tropical);
        QFETCH(double, ayanamsa);
        QFETCH(double, sidereal);
        VedicEphemeris unit;
        const MoonChart& m = unit.ComputeMoonChart(input);
        ZKC_VERIFY_NEAR(m.tropicalLongitudeDegrees, tropical, kPrintedToFourDecimals);
        ZKC_VERIFY_NEAR(-m.ayanamsaCorrectionDegrees, ayanamsa, kPrintedToFourDecimals);
        ZKC_VERIFY_NEAR(m.siderealLongitudeDegrees, sidereal, kPrintedToFourDecimals);
        QTEST(QString::fromStdString(m.MoonLongitudeText), "longForm");
        QTEST(m.NakshatraIndex, "index");
        QTEST(test::Q(m.MoonNakshatraName), "name");
    }

    void timeCountsFrom2000() {
        QCOMPARE(ComputeMoonPosition(MakeInput(2000, 1, 1, 12, 0, 0, 0)).julianCenturies2000, 0.0);
        QCOMPARE(ComputeMoonPosition(MakeInput(2000, 1, 1, 12, 0, 0, 0)).julianDayNumber,
                 2451545.0);
    }

    // The long form of a longitude, and the nakshatra of its count in
    // nakshatras. Units are λ × 3 / 40 (independent hand check: 13° 20′ =
    // 40/3°), written out so that the conversion is not the one under test.
    void nakshatraOfALongitude_data() {
        QTest::addColumn<double>("sidereal");
        QTest::addColumn<QString>("longForm");
        QTest::addColumn<double>("units");
        QTest::addColumn<int>("index");
        // Source: the table of Moon positions (λs = 42.0861°, 12° 5′ 9″ Tau, Rohini).
        QTest::newRow("42.0861") << 42.0861 << Long(12, 5, 9, "Tau") << 3.1564575 << 3;
        // Source: the table of Moon positions (λs = 0 is Aswini, just below 360 Revati).
        QTest::newRow("0") << 0.0 << Long(0, 0, 0, "Ari") << 0.0 << 0;
        QTest::newRow("just below 360")
            << 359.99999 << Long(29, 59, 59, "Pis") << 26.99999925 << 26;
        // Independent hand check: 13.333333 × 3 / 40 = 0.999999975, and
        // 13.3333334 × 3 / 40 = 1.000000005.
        QTest::newRow("just below 13°20′")
            << 13.333333 << Long(13, 19, 59, "Ari") << 0.999999975 << 0;
        QTest::newRow("13°20′ and a little")
            << 13.3333334 << Long(13, 20, 0, "Ari") << 1.000000005 << 1;
        // Exactly 360 is the first nakshatra again, never the empty slot 27.
        QTest::newRow("exactly 360") << 360.0 << Long(0, 0, 0, "Ari") << 27.0 << 0;
    }
    void nakshatraOfALongitude() {
        QFETCH(double, sidereal);
        QFETCH(double, units);
        QTEST(QString::fromStdString(FormatSignPosition(sidereal)), "longForm");
        QTEST(NakshatraIndexOf(units), "index");
    }

    // Over a whole lunar month, hour by hour, the unit's nakshatra is the one
    // the table of starts gives for its own sidereal longitude, and all 27
    // come round.
    void nakshatraFollowsTheStarts() {
        VedicEphemeris unit;
        QSet<int> seen;
        for (int hours = 0; hours < 28 * 24; ++hours) {
            const MoonChart& m =
                unit.ComputeMoonChart(MakeInput(2000, 1, 1 + hours / 24, hours % 24, 0, 0, 0));
            const int expected = NakshatraFromStarts(m.siderealLongitudeDegrees);
            QVERIFY2(m.NakshatraIndex == expected,
                     qPrintable(QString("hour %1: λs %2 has index %3, the starts give %4")
                                    .arg(hours)
                                    .arg(m.siderealLongitudeDegrees, 0, 'f', 6)
                                    .arg(m.NakshatraIndex)
                                    .arg(expected)));
            QCOMPARE(test::Q(m.MoonNakshatraName), test::Q(NakshatraNames27[expected]));
            seen.insert(expected);
        }
        QCOMPARE(seen.size(), 27);
    }

    void nakshatraNamesKeepTheirSpellings() {
        QCOMPARE(NakshatraNames27.size(), std::size_t{27});
        QCOMPARE(NakshatraNames27[0], std::string_view("Aswini"));
        QCOMPARE(NakshatraNames27[4], std::string_view("Mrigsira"));
        QCOMPARE(NakshatraNames27[10], std::string_view("Purbha Phalguni"));
        QCOMPARE(NakshatraNames27[18], std::string_view("Mula"));
        QCOMPARE(NakshatraNames27[23], std::string_view("Shatbisha"));
        QCOMPARE(NakshatraNames27[26], std::string_view("Revati"));
    }

    void tropicalLongitudeStaysInRange() {
        for (int k = -2000; k <= 2000; ++k) {
            const double lambda = MoonTropicalLongitudeDegrees(k * 0.00075);
            QVERIFY(lambda >= 0 && lambda <= 360);
        }
    }

    // Two units given the same input give the same texts, and a unit keeps
    // its results until its own next run. Source: the table of Moon positions
    // (12 April 1992: 19° 24′ 14″ Can, Aslesha; 1 January 2000: 19° 27′ 44″
    // Lib, Swati).
    void unitsAreIndependent() {
        VedicEphemeris first;
        VedicEphemeris second;
        const ChartInput a = MakeInput(1992, 4, 12, 0, 0, 0, 0);
        const ChartInput b = MakeInput(2000, 1, 1, 12, 0, 0, 0);
        first.ComputeMoonChart(a);
        second.ComputeMoonChart(a);
        for (const VedicEphemeris* unit : {&first, &second}) {
            QCOMPARE(QString::fromStdString(unit->Results().MoonLongitudeText),
                     Long(19, 24, 14, "Can"));
            QCOMPARE(test::Q(unit->Results().MoonNakshatraName), QString("Aslesha"));
        }
        second.ComputeMoonChart(b);
        QCOMPARE(QString::fromStdString(first.Results().MoonLongitudeText),
                 Long(19, 24, 14, "Can"));
        QCOMPARE(test::Q(first.Results().MoonNakshatraName), QString("Aslesha"));
        QCOMPARE(QString::fromStdString(second.Results().MoonLongitudeText),
                 Long(19, 27, 44, "Lib"));
        QCOMPARE(test::Q(second.Results().MoonNakshatraName), QString("Swati"));
    }
};

QTEST_GUILESS_MAIN(TestMoonChart)
#include "tst_moon_chart.moc"
