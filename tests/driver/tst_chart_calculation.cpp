// The pass driver: both charts, each pass in its order, the birth nakshatra with
// its Abhijit test, independent units, and well-formed texts for every
// admitted input.
#include <QtTest>
#include <cmath>

#include "chart_inputs.h"
#include "driver/chart_calculation.h"
#include "engine/position_text.h"

using namespace zkc;
using zkc::test::MakeInput;

namespace {

QStringList Texts(const ChartPositions& p) {
    QStringList list;
    for (int i = 0; i < kListedBodies; ++i) {
        list << QString::fromStdString(p.PositionTexts[static_cast<std::size_t>(i)]);
    }
    return list;
}

bool AllFinite(const ChartView& c) {
    const double values[] = {c.Angles.utHours,
                             c.Angles.julianCenturies1900,
                             c.Angles.daysSince2000,
                             c.Angles.lstDegrees,
                             c.Angles.SiderealCorrection,
                             c.Angles.ascendantDegrees,
                             c.Angles.midheavenDegrees,
                             c.Moon.julianCenturies2000,
                             c.Moon.tropicalLongitudeDegrees,
                             c.Moon.siderealLongitudeDegrees,
                             c.Planets.rahuDegrees,
                             c.Planets.ketuDegrees};
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    for (double v : c.Planets.siderealDegrees) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// Birth moments whose Moon falls on the Abhijit boundaries (zone 5:30, 77°13′ E).
ChartInput BirthAt(int day, int hour, int minute) {
    return MakeInput(1990, 1, day, hour, minute, 5, 30, test::kDelhi);
}

}  // namespace

class TestChartCalculation : public QObject {
    Q_OBJECT

  private slots:
    void bothReferenceCharts() {
        ChartCalculation calc;
        calc.Calculate(MakeInput(2000, 1, 1, 12, 0, 0, 0, test::kGreenwich51),
                       MakeInput(1980, 6, 15, 10, 30, 5, 30, test::kDelhi));
        // Source: the worked example of 1 January 2000 and the table of Moon
        // positions (Moon 19 Lib 27, Swati).
        QCOMPARE(Texts(calc.BirthChart().Positions),
                 QStringList({"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07",
                              "01 Ari 30", "16 Ari 21", "10 Can 16", "10 Cap 16", "00 Ari 26",
                              "15 Sag 45"}));
        // Source: the worked example of 15 June 1980. It gives no Moon; 00 Can 13
        // is an independent hand check: the 25-term series worked through
        // separately gives λs = 90.2209°, 0° 13′ 15″ Can.
        QCOMPARE(Texts(calc.OracleChart().Positions),
                 QStringList({"00 Gem 56", "00 Can 13", "25 Gem 23", "01 Gem 06", "23 Leo 19",
                              "10 Leo 25", "27 Leo 23", "28 Can 35", "28 Cap 35", "06 Leo 31",
                              "04 Tau 31"}));
        const ChartPositions& p = calc.BirthChart().Positions;
        QCOMPARE(p.BodyNames[0], std::string("Sun"));
        QCOMPARE(p.BodyNames[10], std::string("Midheaven"));
        QVERIFY(p.BodyNames[11].empty() && p.PositionTexts[11].empty());
        QCOMPARE(QString::fromStdString(calc.BirthChart().BirthNakshatraName), QString("Swati"));
    }

    // The day pass runs in its own units: it leaves every birth result as it
    // was, and a birth chart computed alone is the same as one computed with
    // any day.
    void chartsNeverShareResults() {
        const ChartInput birth = MakeInput(1980, 6, 15, 10, 30, 5, 30, test::kDelhi);
        ChartCalculation alone;
        alone.CalculateBirth(birth);
        const QStringList birthTexts = Texts(alone.BirthChart().Positions);
        const std::string birthMoon = alone.BirthChart().Moon.MoonLongitudeText;

        ChartCalculation both;
        both.Calculate(birth, MakeInput(2031, 11, 2, 3, 4, 9, 0, {140, 0, true, 35, 0, false}));
        QCOMPARE(Texts(both.BirthChart().Positions), birthTexts);
        QCOMPARE(both.BirthChart().Moon.MoonLongitudeText, birthMoon);
        QVERIFY(Texts(both.OracleChart().Positions) != birthTexts);

        both.CalculateOracle(birth);
        QCOMPARE(Texts(both.OracleChart().Positions), birthTexts);
        QCOMPARE(both.BirthChart().Input, birth);
    }

    void abhijitTest_data() {
        QTest::addColumn<QString>("moonText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("06 Cap 39") << "06 Cap 39"
                                   << "Uttara Ashadha";
        QTest::newRow("06 Cap 40") << "06 Cap 40"
                                   << "Abhijit";
        QTest::newRow("10 Cap 53") << "10 Cap 53"
                                   << "Abhijit";
        QTest::newRow("10 Cap 54") << "10 Cap 54"
                                   << "Uttara Ashadha";
        QTest::newRow("08 Sag 00, wrong sign") << "08 Sag 00"
                                               << "Uttara Ashadha";
    }
    void abhijitTest() {
        QFETCH(QString, moonText);
        QFETCH(QString, expected);
        const std::string name = BirthNakshatraNameFor("Uttara Ashadha", moonText.toStdString());
        QCOMPARE(QString::fromStdString(name), expected);
    }

    void abhijitBoundariesFromRealCharts_data() {
        QTest::addColumn<ChartInput>("birth");
        QTest::addColumn<QString>("moonText");
        QTest::addColumn<QString>("moonName");
        QTest::addColumn<QString>("birthName");
        QTest::newRow("06 Cap 39") << BirthAt(26, 13, 37) << "06 Cap 39"
                                   << "Uttara Ashadha"
                                   << "Uttara Ashadha";
        QTest::newRow("06 Cap 40") << BirthAt(26, 13, 39) << "06 Cap 40"
                                   << "Uttara Ashadha"
                                   << "Abhijit";
        QTest::newRow("08 Cap 00") << BirthAt(26, 16, 5) << "08 Cap 00"
                                   << "Uttara Ashadha"
                                   << "Abhijit";
        QTest::newRow("10 Cap 53") << BirthAt(26, 21, 18) << "10 Cap 53"
                                   << "Shravana"
                                   << "Abhijit";
        QTest::newRow("10 Cap 54") << BirthAt(26, 21, 20) << "10 Cap 54"
                                   << "Shravana"
                                   << "Shravana";
    }
    void abhijitBoundariesFromRealCharts() {
        QFETCH(ChartInput, birth);
        ChartCalculation calc;
        calc.Calculate(birth, birth);
        const BirthChartView b = calc.BirthChart();
        QTEST(QString::fromStdString(b.Positions.PositionTexts[kMoon]), "moonText");
        QTEST(test::Q(b.Moon.MoonNakshatraName), "moonName");
        QTEST(QString::fromStdString(b.BirthNakshatraName), "birthName");
        // The day chart's Moon is never tested for Abhijit: it keeps its name.
        QTEST(test::Q(calc.OracleChart().Moon.MoonNakshatraName), "moonName");
    }

    // Every admitted input gives finite results and eleven well-formed
    // position texts: every year, zones up to 14:59, both hemispheres, the
    // latitude limit, with and without daylight saving.
    void admittedInputsGiveWellFormedTexts() {
        ChartCalculation calc;
        int charts = 0;
        const int zones[][2] = {{0, 0}, {5, 30}, {9, 45}, {14, 59}};
        const int places[][4] = {
            {0, 0, 0, 0}, {77, 13, 28, 39}, {180, 0, 89, 59}, {122, 25, 45, 0}};
        for (int year = 1901; year <= 2050; ++year) {
            for (int z = 0; z < 4; ++z) {
                for (int p = 0; p < 4; ++p) {
                    const int variant = year + 7 * z + 3 * p;
                    const bool east = variant % 2 == 0;
                    const bool south = variant % 3 == 0;
                    const bool dst = variant % 5 < 2;
                    const ChartInput in = MakeInput(
                        year, 1 + variant % 12, 1 + variant % 28, variant % 24, (variant * 7) % 60,
                        zones[z][0], zones[z][1],
                        {places[p][0], places[p][1], east, places[p][2], places[p][3], south}, dst);
                    calc.CalculateOracle(in);
                    const ChartView c = calc.OracleChart();
                    QVERIFY2(AllFinite(c), qPrintable(QString::number(variant)));
                    for (int i = 0; i < kListedBodies; ++i) {
                        const std::string& text =
                            c.Positions.PositionTexts[static_cast<std::size_t>(i)];
                        QVERIFY2(ParsePositionText(text).has_value(),
                                 qPrintable(QString("%1 body %2: [%3]")
                                                .arg(variant)
                                                .arg(i)
                                                .arg(QString::fromStdString(text))));
                    }
                    ++charts;
                }
            }
        }
        QCOMPARE(charts, 150 * 16);
    }
};

QTEST_GUILESS_MAIN(TestChartCalculation)
#include "tst_chart_calculation.moc"
