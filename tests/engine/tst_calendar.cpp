// Calendar and time: Julian day numbers, universal time and its calendar
// moment, centuries from 1900, day numbers from 2000, sidereal time.
#include <QtTest>

#include "chart_inputs.h"
#include "check_near.h"
#include "engine/calendar.h"

using namespace zkc;
using zkc::test::MakeInput;
using zkc::test::Place;

namespace {

// Two sums of the same few day counts agree to rounding.
constexpr double kSameMomentDays = 1e-9;
// Sidereal time reduced from tens of thousands of degrees keeps about 1e-11.
constexpr double kReducedDegrees = 1e-8;

}  // namespace

class TestCalendar : public QObject {
    Q_OBJECT

  private slots:
    void julianDayNumber_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("expected");
        // Source: the worked Julian day numbers. Independent hand check of one:
        // 1 January 1970 0:00 UT is JD 2440587.5, so the day from its noon is 2440588.
        QTest::newRow("2000-01-01") << 2000 << 1 << 1 << 2451545.0;
        QTest::newRow("1899-12-31") << 1899 << 12 << 31 << 2415020.0;
        QTest::newRow("1970-01-01") << 1970 << 1 << 1 << 2440588.0;
        QTest::newRow("1582-10-04 Julian") << 1582 << 10 << 4 << 2299160.0;
        QTest::newRow("1582-10-16 Gregorian") << 1582 << 10 << 16 << 2299162.0;
        QTest::newRow("1900-03-01") << 1900 << 3 << 1 << 2415080.0;
        QTest::newRow("1900-02-28 (no leap day)") << 1900 << 2 << 28 << 2415079.0;
    }
    void julianDayNumber() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, expected);
        QCOMPARE(JulianDayNumber(month, day, year), expected);
    }

    void universalTime_data() {
        QTest::addColumn<ChartInput>("input");
        QTest::addColumn<double>("ut");
        const Place east{82, 30, true};
        const Place west{75, 0, false};
        const Place greenwich{0, 0, false};
        // Source: the worked universal-time examples.
        QTest::newRow("east 5:30, 01:00") << MakeInput(2000, 1, 1, 1, 0, 5, 30, east) << -4.5;
        QTest::newRow("east 5:30, 01:00, DST")
            << MakeInput(2000, 1, 1, 1, 0, 5, 30, east, true) << -5.5;
        QTest::newRow("west 5:00, 10:00, DST")
            << MakeInput(2000, 1, 1, 10, 0, 5, 0, west, true) << 14.0;
        QTest::newRow("longitude 0 counts as west, DST")
            << MakeInput(2000, 1, 1, 10, 0, 0, 0, greenwich, true) << 9.0;
        QTest::newRow("west, late evening runs past 24")
            << MakeInput(2000, 1, 1, 23, 30, 8, 0, west) << 31.5;
    }
    void universalTime() {
        QFETCH(ChartInput, input);
        QFETCH(double, ut);
        QCOMPARE(UniversalTime(input).utHours, ut);
    }

    void signedLongitudeAndLatitude() {
        const ChartInput in = MakeInput(2000, 1, 1, 0, 0, 0, 0, {77, 13, true, 33, 52, true});
        QCOMPARE(UniversalTime(in).longitudeWestDegrees, -(77 + 13 / 60.0));
        QCOMPARE(LatitudeNorthDegrees(in), -(33 + 52 / 60.0));
    }

    void universalMomentCarries_data() {
        QTest::addColumn<ChartInput>("input");
        QTest::addColumn<QString>("expected");
        const Place east{82, 30, true};
        const Place west{75, 0, false};
        // Independent hand check, e.g. 01:00 − 5:30 = −4:30, that is 19:30 of
        // the day before; 23:59 + 14:59 = 38:58, that is 14:58 of the next day.
        QTest::newRow("back into the old year")
            << MakeInput(2000, 1, 1, 1, 0, 5, 30, east) << "1999-12-31 19:30";
        QTest::newRow("back over a leap day")
            << MakeInput(2000, 3, 1, 2, 15, 9, 30, east) << "2000-02-29 16:45";
        QTest::newRow("back over a common February")
            << MakeInput(1901, 3, 1, 0, 0, 14, 59, east, true) << "1901-02-28 08:01";
        QTest::newRow("forward into the new year")
            << MakeInput(2049, 12, 31, 23, 59, 14, 59, west) << "2050-01-01 14:58";
        QTest::newRow("forward out of a 30-day month")
            << MakeInput(1980, 4, 30, 20, 0, 5, 0, west) << "1980-05-01 01:00";
        QTest::newRow("no carry") << MakeInput(1980, 6, 15, 10, 30, 5, 30, {77, 13, true})
                                  << "1980-06-15 05:00";
    }
    void universalMomentCarries() {
        QFETCH(ChartInput, input);
        QFETCH(QString, expected);
        const CalendarMoment m = UniversalMoment(input);
        const QString text =
            QString::asprintf("%04d-%02d-%02d %02d:%02d", m.Year, m.Month, m.Day, m.Hour, m.Minute);
        QCOMPARE(text, expected);
    }

    // The whole-minute moment and the fractional UT describe the same
    // instant: d from the moment equals JDN − 2451545 − 0.5 + UT/24 over every
    // zone, hemisphere and daylight-saving choice, and the moment is exact
    // where truncating UT × 60 would lose a minute.
    void universalMomentAgreesWithUt() {
        int truncationWouldSlip = 0;
        for (int year : {1901, 1948, 2000, 2050}) {
            for (int zoneHours : {0, 5, 9, 14}) {
                for (int zoneMinutes : {0, 30, 45, 59}) {
                    for (int minute = 0; minute < 60; minute += 7) {
                        for (bool east : {false, true}) {
                            for (bool dst : {false, true}) {
                                const ChartInput in = MakeInput(year, 3, 1, 0, minute, zoneHours,
                                                                zoneMinutes, {100, 0, east}, dst);
                                const UniversalTimeResult ut = UniversalTime(in);
                                const CalendarMoment m = UniversalMoment(in);
                                const double viaJdn =
                                    JulianDayNumber(3, 1, year) - 2451545 - 0.5 + ut.utHours / 24;
                                ZKC_VERIFY_NEAR_AT(
                                    DayNumber2000(m), viaJdn, kSameMomentDays,
                                    QString::asprintf("%d %d:%d", year, zoneHours, zoneMinutes));
                                const double minutes = ut.utHours * 60;
                                if (std::trunc(minutes) != std::round(minutes)) {
                                    ++truncationWouldSlip;
                                }
                            }
                        }
                    }
                }
            }
        }
        QVERIFY(truncationWouldSlip > 0);  // the grid does reach the inexact cases
    }

    // Counting minutes and back walks the calendar day by day over every
    // offered year, leap days included and 1900 and 2100 excluded.
    void minutesRoundTrip() {
        CalendarMoment previous = MomentFromMinutes(MinutesSince1970({1901, 1, 1, 0, 0}));
        QCOMPARE(previous, (CalendarMoment{1901, 1, 1, 0, 0}));
        int leapDays = 0;
        for (std::int64_t day = DaysFromCivil(1901, 1, 2); day <= DaysFromCivil(2050, 12, 31);
             ++day) {
            const CalendarMoment m = MomentFromMinutes(day * 1440 + 23 * 60 + 59);
            QCOMPARE(MinutesSince1970(m), day * 1440 + 23 * 60 + 59);
            const bool nextDay = m.Day == previous.Day + 1 && m.Month == previous.Month;
            const bool nextMonth = m.Day == 1 && (m.Month == previous.Month % 12 + 1);
            QVERIFY(nextDay || nextMonth);
            leapDays += m.Month == 2 && m.Day == 29;
            previous = m;
        }
        QCOMPARE(leapDays, 37);
        QCOMPARE(MomentFromMinutes(-1), (CalendarMoment{1969, 12, 31, 23, 59}));
    }

    void centuriesAndDayNumber() {
        // Source: the worked example of 1 January 2000 (12:00 UT is T = 1 and
        // d = 0; 19:30 UT the evening before is d = −4.5 h − 12 h = −16.5 / 24).
        QCOMPARE(CenturiesSince1900(2451545, 12), 1.0);
        QCOMPARE(DayNumber2000(2000, 1, 1, 12, 0), 0.0);
        QCOMPARE(DayNumber2000(1999, 12, 31, 19, 30), -0.6875);
        // The eastern example keeps its civil date for T and moves to the
        // previous UT day for d; both are the same moment.
        const ChartInput in = MakeInput(2000, 1, 1, 1, 0, 5, 30, {82, 30, true});
        const double T = CenturiesSince1900(JulianDayNumber(1, 1, 2000), UniversalTime(in).utHours);
        QCOMPARE(DayNumber2000(UniversalMoment(in)), -0.6875);
        ZKC_VERIFY_NEAR((T - 1.0) * 36525, -0.6875, kSameMomentDays);
    }

    void siderealTimeAndObliquityDegrees() {
        // Source: the worked example of 1 January 2000 (0:00 UT at Greenwich).
        ZKC_VERIFY_NEAR(LocalSiderealDegrees(CenturiesSince1900(2451545, 0), 0, 0), 99.968,
                        test::kPrintedToThreeDecimals);
        // Only the upper end is reduced: far west at an early sidereal hour
        // stays negative. Independent hand check: 15 × 6.6460656 − 179 =
        // 99.690984 − 179 = −79.309016 (raised into range it would be 280.690984).
        ZKC_VERIFY_NEAR(LocalSiderealDegrees(0, 0, 179), -79.309016, kReducedDegrees);
        // The upper end is reduced by as many turns as it takes. Independent
        // hand check: 15 × (6.6460656 + 2400.0513 × 1.5 + 0.0000258 × 2.25 + 23)
        // + 180 = 54625.84610475 = 151 × 360 + 265.84610475.
        ZKC_VERIFY_NEAR(LocalSiderealDegrees(1.5, 23, -180), 265.84610475, kReducedDegrees);
        // Exactly 360 is a whole turn and goes: 15 × 6.6460656 = 99.690984,
        // so a longitude of −260.309016 (east) reaches 360.
        ZKC_VERIFY_NEAR(LocalSiderealDegrees(0, 0, -260.309016), 0.0, kReducedDegrees);
        // Independent hand check: the obliquity of J2000.0 is 23° 26′ 21.4″ =
        // 23.4393°, and the rule gives 23.452294 − 0.0130125 × 1 = 23.4392815.
        ZKC_VERIFY_NEAR(ObliquityDegrees(1), 23.4393, test::kPrintedToFourDecimals);
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
