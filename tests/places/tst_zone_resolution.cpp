// Offsets of real zones at real dates, from the system's zone database, and
// the local times that clocks skipped or showed twice.
#include <QtTest>

#include "places/zone_resolution.h"
#include "places/zone_timeline.h"

using namespace zkc::places;

namespace {

LocalTime At(int year, int month, int day, int hour, int minute) {
    return {QDate(year, month, day), hour, minute};
}

}  // namespace

Q_DECLARE_METATYPE(zkc::places::LocalTime)

class TestZoneResolution : public QObject {
    Q_OBJECT

  private slots:
    // Each expected offset is the zone database's record for that date.
    void historicalOffsets_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<LocalTime>("local");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("daylight");
        // India kept war time, +6:30, from 1942 to 1945.
        QTest::newRow("India 1942") << "Asia/Kolkata" << At(1942, 10, 1, 12, 0) << 390 << true;
        // Madras mean time +5:21:10, rounded to the minute.
        QTest::newRow("India 1901") << "Asia/Kolkata" << At(1901, 6, 1, 12, 0) << 321 << false;
        // Amsterdam mean time +0:19:32 rounds up, not down, to +0:20.
        QTest::newRow("Amsterdam 1910")
            << "Europe/Amsterdam" << At(1910, 6, 1, 12, 0) << 20 << false;
        // Nepal moved from +5:30 to +5:45 in 1986.
        QTest::newRow("Nepal 1985") << "Asia/Kathmandu" << At(1985, 6, 1, 12, 0) << 330 << false;
        QTest::newRow("Nepal 2026") << "Asia/Kathmandu" << At(2026, 6, 1, 12, 0) << 345 << false;
        // Samoa was east of the date line until 29 December 2011 (summer
        // time −10), then west of it (summer time +14).
        QTest::newRow("Samoa 2011") << "Pacific/Apia" << At(2011, 12, 29, 12, 0) << -600 << true;
        QTest::newRow("Samoa 2012") << "Pacific/Apia" << At(2012, 1, 1, 12, 0) << 840 << true;
        // Spain, Vigo included at 8°43′ W, keeps central European time.
        QTest::newRow("Madrid winter") << "Europe/Madrid" << At(2026, 1, 15, 12, 0) << 60 << false;
        QTest::newRow("Madrid summer") << "Europe/Madrid" << At(2026, 7, 15, 12, 0) << 120 << true;
        // Morocco suspends its +1 during Ramadan.
        QTest::newRow("Morocco in Ramadan 2024")
            << "Africa/Casablanca" << At(2024, 3, 20, 12, 0) << 0 << true;
        QTest::newRow("Morocco after Ramadan 2024")
            << "Africa/Casablanca" << At(2024, 5, 1, 12, 0) << 60 << false;
        QTest::newRow("Newfoundland winter")
            << "America/St_Johns" << At(2026, 1, 15, 12, 0) << -210 << false;
        QTest::newRow("Newfoundland summer")
            << "America/St_Johns" << At(2026, 7, 1, 12, 0) << -150 << true;
        // Britain: double summer time in 1941, standard time at +1 in 1970.
        QTest::newRow("Britain 1941") << "Europe/London" << At(1941, 6, 1, 12, 0) << 120 << true;
        QTest::newRow("Britain 1970") << "Europe/London" << At(1970, 1, 1, 12, 0) << 60 << false;
        // The United States began daylight time on 23 February in 1975.
        QTest::newRow("US 1975 before")
            << "America/New_York" << At(1975, 1, 15, 12, 0) << -300 << false;
        QTest::newRow("US 1975 after")
            << "America/New_York" << At(1975, 3, 1, 12, 0) << -240 << true;
        QTest::newRow("Chile, southern summer")
            << "America/Santiago" << At(2026, 1, 15, 12, 0) << -180 << true;
        QTest::newRow("Australia, southern summer")
            << "Australia/Sydney" << At(2026, 1, 15, 12, 0) << 660 << true;
    }
    void historicalOffsets() {
        QFETCH(QString, zone);
        QFETCH(LocalTime, local);
        QFETCH(int, offset);
        QFETCH(bool, daylight);
        const auto resolved = ResolveLocalTime(zone, local);
        if (const auto* error = std::get_if<ZoneError>(&resolved)) {
            QFAIL(qPrintable(error->Message));
        }
        const ResolvedLocalTime& r = std::get<ResolvedLocalTime>(resolved);
        QCOMPARE(r.Offset.OffsetMinutes, offset);
        QCOMPARE(r.Offset.DaylightTime, daylight);
        QVERIFY(!r.SecondOccurrence);
    }

    // Clocks going forward leave an hour (or, in Samoa, a day) that never
    // happened; the message names the zone and the jump.
    void skippedTimesAreRefused_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<LocalTime>("local");
        QTest::addColumn<QString>("message");
        QTest::newRow("north, spring")
            << "America/New_York" << At(2026, 3, 8, 2, 30)
            << "2:30 on 8 March 2026 does not exist in America/New_York: clocks went from 2:00 "
               "to 3:00";
        QTest::newRow("south, spring")
            << "Australia/Sydney" << At(2026, 10, 4, 2, 30)
            << "2:30 on 4 October 2026 does not exist in Australia/Sydney: clocks went from 2:00 "
               "to 3:00";
        QTest::newRow("Samoa's lost day")
            << "Pacific/Apia" << At(2011, 12, 30, 9, 0)
            << "9:00 on 30 December 2011 does not exist in Pacific/Apia: clocks went from 0:00 on "
               "30 December 2011 to 0:00 on 31 December 2011";
    }
    void skippedTimesAreRefused() {
        QFETCH(QString, zone);
        QFETCH(LocalTime, local);
        const auto resolved = ResolveLocalTime(zone, local);
        QVERIFY(std::holds_alternative<ZoneError>(resolved));
        QTEST(std::get<ZoneError>(resolved).Message, "message");
    }

    // Clocks going back show an hour twice: the first (daylight) one is
    // taken, and the note names the second.
    void repeatedTimesTakeTheFirst_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<LocalTime>("local");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("north, autumn")
            << "America/New_York" << At(2026, 11, 1, 1, 30) << -240 << -300;
        QTest::newRow("south, autumn") << "Australia/Sydney" << At(2026, 4, 5, 2, 30) << 660 << 600;
    }
    void repeatedTimesTakeTheFirst() {
        QFETCH(QString, zone);
        QFETCH(LocalTime, local);
        QFETCH(int, first);
        QFETCH(int, second);
        const auto resolved = ResolveLocalTime(zone, local);
        QVERIFY(std::holds_alternative<ResolvedLocalTime>(resolved));
        const ResolvedLocalTime& r = std::get<ResolvedLocalTime>(resolved);
        QCOMPARE(r.Offset.OffsetMinutes, first);
        QVERIFY(r.SecondOccurrence.has_value());
        QCOMPARE(r.SecondOccurrence->OffsetMinutes, second);
        const QString note = TwiceNote(zone, local, r);
        QVERIFY2(note.contains(zone) && note.contains(DescribeUtcOffset(second)), qPrintable(note));
    }

    // Older names the database keeps as links are zones; the files beside
    // the zones that are none, and paths, are not (source: the database's
    // "backward" file: Asia/Calcutta links to Asia/Kolkata).
    void zoneNames() {
        for (const char* link : {"Asia/Calcutta", "US/Eastern", "Etc/GMT-14", "EST5EDT"}) {
            QVERIFY2(IsKnownZone(link), link);
        }
        const auto calcutta = ResolveLocalTime("Asia/Calcutta", At(1942, 9, 15, 12, 0));
        QCOMPARE(std::get<ResolvedLocalTime>(calcutta).Offset.OffsetMinutes, 6 * 60 + 30);
        for (const char* none :
             {"right/Asia/Kolkata", "posix/Asia/Kolkata", "posixrules", "localtime", "Factory",
              "../zoneinfo/Asia/Kolkata", "/etc/localtime", "Asia/Kolkata ", "zone.tab"}) {
            QVERIFY2(!IsKnownZone(none), none);
        }
    }

    void unknownZone() {
        QVERIFY(!IsKnownZone("Mars/Olympus_Mons"));
        QVERIFY(!IsKnownZone(""));
        const auto resolved = ResolveLocalTime("Mars/Olympus_Mons", At(2026, 1, 1, 0, 0));
        QCOMPARE(std::get<ZoneError>(resolved).Message,
                 QString("unknown time zone \"Mars/Olympus_Mons\""));
    }

    void offsetTexts() {
        QCOMPARE(FormatUtcOffset(330), QString("+05:30"));
        QCOMPARE(FormatUtcOffset(-210), QString("-03:30"));
        QCOMPARE(FormatUtcOffset(0), QString("+00:00"));
        QCOMPARE(DescribeUtcOffset(-210), QString("UTC\u22123:30"));
        QCOMPARE(DescribeZoneOnDate("Europe/Madrid", {120, 60, true}),
                 QString("Europe/Madrid, UTC+2:00 on that date (summer time)"));
        QCOMPARE(DescribeZoneOnDate("Asia/Kolkata", {330, 330, false}),
                 QString("Asia/Kolkata, UTC+5:30 on that date (standard time)"));
    }

    // The page shows the standard offset and a ticked box where the zone is
    // an hour ahead of it; any other offset as it stands.
    void zoneFieldsOfAnOffset() {
        const ZoneFields summer = ZoneFieldsFor({120, 60, true});
        QCOMPARE(summer.Hours, 1);
        QCOMPARE(summer.Minutes, 0);
        QVERIFY(summer.DaylightSaving);
        const ZoneFields doubleSummer = ZoneFieldsFor({120, 0, true});  // Britain 1941
        QCOMPARE(doubleSummer.Hours, 2);
        QVERIFY(!doubleSummer.DaylightSaving);
        const ZoneFields newfoundland = ZoneFieldsFor({-210, -210, false});
        QCOMPARE(newfoundland.Hours, 3);
        QCOMPARE(newfoundland.Minutes, 30);
    }

    // A timeline read once answers every minute as the database does,
    // across both changes of a year, and rounds mean-time offsets with
    // seconds (Amsterdam's +0:19:32 of 1916) as a single reading does.
    void timelineAgreesWithTheDatabase_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("year");
        QTest::newRow("New York 2026") << "America/New_York" << 2026;
        QTest::newRow("Amsterdam 1916") << "Europe/Amsterdam" << 1916;
    }
    void timelineAgreesWithTheDatabase() {
        QFETCH(QString, zone);
        QFETCH(int, year);
        const qint64 from = QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        const qint64 to = QDateTime(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        const ZoneTimeline timeline(zone, from, to);
        for (qint64 minute = from / 60; minute < to / 60; minute += 7) {
            QCOMPARE(timeline.OffsetMinutesAt(minute),
                     OffsetAtUtc(zone, minute * 60).OffsetMinutes);
        }
    }
    void timelineChangesOnTheMinute() {
        const qint64 from = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        const qint64 to = QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        const ZoneTimeline timeline("America/New_York", from, to);
        // Source: the zone database, 8 March 2026 07:00 UTC is when New York
        // moves to daylight time.
        const qint64 change =
            QDateTime(QDate(2026, 3, 8), QTime(7, 0), Qt::UTC).toSecsSinceEpoch() / 60;
        QCOMPARE(timeline.OffsetMinutesAt(change - 1), -300);
        QCOMPARE(timeline.OffsetMinutesAt(change), -240);
    }
};

QTEST_GUILESS_MAIN(TestZoneResolution)
#include "tst_zone_resolution.moc"
