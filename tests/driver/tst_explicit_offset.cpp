// A chart moment fixed by an explicit offset from universal time instead of
// the zone fields, the daylight-saving flag and the hemisphere rule.
#include <QtTest>

#include "chart_inputs.h"
#include "driver/chart_calculation.h"
#include "engine/calendar.h"

using namespace zkc;
using zkc::test::MakeInput;
using zkc::test::Place;

namespace {

QString MomentText(const CalendarMoment& m) {
    return QString::asprintf("%04d-%02d-%02d %02d:%02d", m.Year, m.Month, m.Day, m.Hour, m.Minute);
}

ChartInput WithOffset(ChartInput in, int offsetMinutes) {
    // The zone fields and the flag stay as a page would show them; the offset
    // alone must decide the moment.
    in.ZoneHours = 9;
    in.ZoneMinutes = 59;
    in.IsDaylightSaving = !in.IsDaylightSaving;
    in.UtcOffsetMinutes = static_cast<std::int16_t>(offsetMinutes);
    return in;
}

}  // namespace

class TestExplicitOffset : public QObject {
    Q_OBJECT

  private slots:
    // Wherever the zone fields can describe a moment, the same moment given
    // as an offset yields the very same chart: every position text, every
    // long form and the Moon's nakshatra, for places east and west, with and
    // without daylight saving.
    void sameMomentSameChart() {
        ChartCalculation fields;
        ChartCalculation offset;
        int charts = 0;
        for (int year : {1901, 1942, 1986, 2011, 2050}) {
            for (const Place& place : {Place{77, 13, true, 28, 39}, Place{3, 42, false, 40, 25},
                                       Place{171, 45, false, 13, 50, true},
                                       Place{0, 0, false, 51, 30}, Place{180, 0, true, 45, 0}}) {
                for (int zoneMinutes : {0, 30, 45, 21}) {
                    for (bool dst : {false, true}) {
                        const ChartInput in =
                            MakeInput(year, 3, 1, 0, 17, 5, zoneMinutes, place, dst);
                        const auto offsetMinutes = static_cast<int>(UtcOffsetMinutes(in));
                        fields.Calculate(in, in);
                        offset.Calculate(WithOffset(in, offsetMinutes),
                                         WithOffset(in, offsetMinutes));
                        const ChartView a = fields.OracleChart();
                        const ChartView b = offset.OracleChart();
                        const QString where = QString("%1 lon %2 zone 5:%3 dst %4")
                                                  .arg(year)
                                                  .arg(place.lonDegrees)
                                                  .arg(zoneMinutes)
                                                  .arg(dst);
                        QVERIFY2(a.Positions.PositionTexts == b.Positions.PositionTexts,
                                 qPrintable(where));
                        QVERIFY2(a.Positions.RowTexts == b.Positions.RowTexts, qPrintable(where));
                        QVERIFY2(a.Moon.MoonLongitudeText == b.Moon.MoonLongitudeText,
                                 qPrintable(where));
                        QCOMPARE(a.Angles.universalMoment, b.Angles.universalMoment);
                        QCOMPARE(a.Angles.utHours, b.Angles.utHours);
                        ++charts;
                    }
                }
            }
        }
        QCOMPARE(charts, 5 * 5 * 4 * 2);
    }

    // Places whose zone lies across Greenwich from them: the hemisphere rule
    // puts Madrid (3°42′ W, UTC+1) two hours off; the offset puts it right.
    // Expected moments: independent hand check, local time minus offset.
    void zonesAcrossGreenwich_data() {
        QTest::addColumn<ChartInput>("input");
        QTest::addColumn<QString>("expectedUtc");
        QTest::addColumn<double>("expectedUtHours");
        const Place madrid{3, 42, false, 40, 25};
        QTest::newRow("Madrid 12:00, zone fields 1:00 (the old fault)")
            << MakeInput(2026, 1, 15, 12, 0, 1, 0, madrid) << "2026-01-15 13:00" << 13.0;
        QTest::newRow("Madrid 12:00, UTC+1")
            << WithOffset(MakeInput(2026, 1, 15, 12, 0, 1, 0, madrid), 60) << "2026-01-15 11:00"
            << 11.0;
        QTest::newRow("Madrid summer 12:00, UTC+2")
            << WithOffset(MakeInput(2026, 7, 15, 12, 0, 1, 0, madrid), 120) << "2026-07-15 10:00"
            << 10.0;
        // Samoa (171°45′ W) keeps UTC+14 in summer since the date line moved.
        QTest::newRow("Apia 00:30, UTC+14, back a day")
            << WithOffset(MakeInput(2012, 1, 1, 0, 30, 0, 0, {171, 45, false, 13, 50, true}), 840)
            << "2011-12-31 10:30" << -13.5;
        QTest::newRow("Newfoundland 23:00, UTC-3:30, on a day")
            << WithOffset(MakeInput(2026, 12, 31, 23, 0, 0, 0, {52, 43, false, 47, 34}), -210)
            << "2027-01-01 02:30" << 26.5;
    }
    void zonesAcrossGreenwich() {
        QFETCH(ChartInput, input);
        QFETCH(double, expectedUtHours);
        QTEST(MomentText(UniversalMoment(input)), "expectedUtc");
        // UT on the local civil date, not wrapped: T keeps the local date.
        QCOMPARE(UniversalTime(input).utHours, expectedUtHours);
    }
};

QTEST_GUILESS_MAIN(TestExplicitOffset)
#include "tst_explicit_offset.moc"
