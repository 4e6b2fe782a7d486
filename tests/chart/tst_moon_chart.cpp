// The Moon unit: lunar longitude, its own ayanamsa, and the 27-scheme
// nakshatra, against the worked reference rows.
#include <QtTest>
#include <cmath>

#include "chart/moon_chart.h"
#include "chart/moon_longitude.h"
#include "chart/nakshatra_names_27.h"
#include "chart_inputs.h"
#include "engine/position_text.h"

using namespace zkc;
using zkc::test::Long;
using zkc::test::MakeInput;

namespace {

constexpr double kFourDecimals = 0.5e-4;

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
        QTest::newRow("2000-01-01 12:00 UT")
            << MakeInput(2000, 1, 1, 12, 0, 0, 0) << 223.3161 << 23.8537 << 199.4624
            << Long(19, 27, 44, "Lib") << 14 << "Swati";
        // The 25-term series, not a fuller lunar theory.
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
        QVERIFY(std::abs(m.tropicalLongitudeDegrees - tropical) < kFourDecimals);
        QVERIFY(std::abs(-m.ayanamsaCorrectionDegrees - ayanamsa) < kFourDecimals);
        QVERIFY(std::abs(m.siderealLongitudeDegrees - sidereal) < kFourDecimals);
        QTEST(QString::fromStdString(m.MoonLongitudeText), "longForm");
        QTEST(m.NakshatraIndex, "index");
        QTEST(test::Q(m.MoonNakshatraName), "name");
    }

    void timeCountsFrom2000() {
        QCOMPARE(ComputeMoonPosition(MakeInput(2000, 1, 1, 12, 0, 0, 0)).julianCenturies2000, 0.0);
        QCOMPARE(ComputeMoonPosition(MakeInput(2000, 1, 1, 12, 0, 0, 0)).julianDayNumber,
                 2451545.0);
    }

    void nakshatraOfALongitude_data() {
        QTest::addColumn<double>("sidereal");
        QTest::addColumn<QString>("longForm");
        QTest::addColumn<int>("index");
        QTest::newRow("42.0861") << 42.0861 << Long(12, 5, 9, "Tau") << 3;
        QTest::newRow("0") << 0.0 << Long(0, 0, 0, "Ari") << 0;
        QTest::newRow("just below 360") << 359.99999 << Long(29, 59, 59, "Pis") << 26;
        QTest::newRow("just below 13°20′") << 13.333333 << Long(13, 19, 59, "Ari") << 0;
        QTest::newRow("13°20′ and a little") << 13.3333334 << Long(13, 20, 0, "Ari") << 1;
        // Exactly 360 is the first nakshatra again, never the empty slot 27.
        QTest::newRow("exactly 360") << 360.0 << Long(0, 0, 0, "Ari") << 0;
    }
    void nakshatraOfALongitude() {
        QFETCH(double, sidereal);
        QFETCH(int, index);
        QTEST(QString::fromStdString(FormatSignPosition(sidereal)), "longForm");
        QCOMPARE(NakshatraIndexOf(sidereal * 60 / 800), index);
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
    // its results until its own next run.
    void unitsAreIndependent() {
        VedicEphemeris first;
        VedicEphemeris second;
        const ChartInput a = MakeInput(1992, 4, 12, 0, 0, 0, 0);
        const ChartInput b = MakeInput(2000, 1, 1, 12, 0, 0, 0);
        first.ComputeMoonChart(a);
        second.ComputeMoonChart(a);
        QCOMPARE(first.Results().MoonLongitudeText, second.Results().MoonLongitudeText);
        second.ComputeMoonChart(b);
        QCOMPARE(QString::fromStdString(first.Results().MoonLongitudeText),
                 Long(19, 24, 14, "Can"));
        QCOMPARE(test::Q(second.Results().MoonNakshatraName), QString("Swati"));
    }
};

QTEST_GUILESS_MAIN(TestMoonChart)
#include "tst_moon_chart.moc"
