// kotachakra-cli with places and time zones: atlas places, zone names with
// their history, explicit offsets, their JSON keys, the refusals, and the
// moment the JSON output reports.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "program_run.h"

namespace {

using zkc::test::Run;

Run Cli(const QStringList& args, const QByteArray& input = {}) {
    return zkc::test::RunProgram(KOTACHAKRA_CLI, args, input);
}

// A birth in New Delhi and a day given by the options that follow.
QStringList Reading(const QStringList& dayOptions) {
    return QStringList{"--name",       "Asha Rao", "--birth-date",  "1990-01-26",
                       "--birth-time", "16:05",    "--birth-place", "New Delhi"} +
           dayOptions;
}

const QJsonObject Json(const Run& r) {
    return QJsonDocument::fromJson(r.out).object();
}

// The value line under a label of the text report, in the day's section.
QString DayLine(const Run& r, const QString& label) {
    const QStringList lines = QString::fromUtf8(r.out).split('\n');
    const auto day = lines.indexOf("Details of the Outcome");
    return lines.value(lines.indexOf(label, day) + 1);
}

QJsonArray Positions(const Run& r) {
    return Json(r)["day"]["positions"].toArray();
}

}  // namespace

class TestPlacesCli : public QObject {
    Q_OBJECT

  private slots:
    // Madrid lies at 3°42′ W on central European time. The zone fields with
    // the hemisphere rule make 12:00 into 13:00 UTC; its zone makes it 11:00
    // in winter and 10:00 in summer (source: the zone database, Europe/Madrid).
    void madridMoments_data() {
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<QString>("utc");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("zoneLine");
        QTest::newRow("zone fields, the old rule")
            << QStringList{"--day-date", "2026-01-15", "--day-time", "12:00",     "--day-zone",
                           "1:00",       "--day-lon",  "3:42W",      "--day-lat", "40:25N"}
            << "2026-01-15T13:00Z"
            << "-01:00"
            << "1:0";
        QTest::newRow("place, winter") << QStringList{"--day-date", "2026-01-15",  "--day-time",
                                                      "12:00",      "--day-place", "Madrid"}
                                       << "2026-01-15T11:00Z"
                                       << "+01:00"
                                       << "+1:0 Europe/Madrid";
        QTest::newRow("place, summer") << QStringList{"--day-date", "2026-07-15",  "--day-time",
                                                      "12:00",      "--day-place", "Madrid"}
                                       << "2026-07-15T10:00Z"
                                       << "+02:00"
                                       << "+2:0 Europe/Madrid";
        QTest::newRow("zone name with the coordinates")
            << QStringList{"--day-date",    "2026-07-15", "--day-time", "12:00",     "--day-tz",
                           "Europe/Madrid", "--day-lon",  "3:42W",      "--day-lat", "40:25N"}
            << "2026-07-15T10:00Z"
            << "+02:00"
            << "+2:0 Europe/Madrid";
        QTest::newRow("explicit offset")
            << QStringList{"--day-date",       "2026-07-15", "--day-time", "12:00",
                           "--day-utc-offset", "-04:30",     "--day-lon",  "66:55W",
                           "--day-lat",        "10:30N"}
            << "2026-07-15T16:30Z"
            << "-04:30"
            << "-4:30";
        QTest::newRow("offset beats the place's zone")
            << QStringList{"--day-date",  "2026-07-15", "--day-time",       "12:00",
                           "--day-place", "Madrid",     "--day-utc-offset", "+01:00"}
            << "2026-07-15T11:00Z"
            << "+01:00"
            << "+1:0";
    }
    void madridMoments() {
        QFETCH(QStringList, day);
        const Run json = Cli(Reading(day) + QStringList{"--format", "json"});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject moment = Json(json)["day"]["moment"].toObject();
        QTEST(moment["utc"].toString(), "utc");
        QTEST(moment["utcOffset"].toString(), "offset");
        const Run text = Cli(Reading(day));
        QTEST(DayLine(text, "Time Zone: "), "zoneLine");
    }

    // The whole moment object of a place-bound chart. Coordinates: the
    // atlas's 40.4165, −3.7026 become 40°25′ N, 3°42′ W, written back as
    // decimals of those minutes (independent hand check).
    void momentObject() {
        const Run r = Cli(Reading({"--day-date", "2026-07-15", "--day-time", "12:00", "--day-place",
                                   "Madrid, Spain", "--format", "json"}));
        QCOMPARE(r.exitCode, 0);
        const QJsonObject expected{{"local", "2026-07-15T12:00"},
                                   {"utc", "2026-07-15T10:00Z"},
                                   {"utcOffset", "+02:00"},
                                   {"timeZone", "Europe/Madrid"},
                                   {"latitude", 40.4167},
                                   {"longitude", -3.7},
                                   {"place", QJsonObject{{"name", "Madrid"},
                                                         {"state", "Madrid"},
                                                         {"country", "Spain"},
                                                         {"countryCode", "ES"}}}};
        QCOMPARE(Json(r)["day"]["moment"].toObject(), expected);
        // The zone fields' own moment has an offset, no zone and no place.
        const QJsonObject golden =
            Json(Cli({"--input", QString(GOLDEN_DIR) + "/worked-values.json", "--format", "json"}));
        const QJsonObject birth = golden["birth"]["moment"].toObject();
        QCOMPARE(birth["utcOffset"].toString(), QString("+00:00"));
        QVERIFY(birth["timeZone"].isNull() && birth["place"].isNull());
    }

    // An explicit offset and the zone fields that describe the same moment
    // give the same chart.
    void offsetAndFieldsAgree() {
        const Run fields =
            Cli(Reading({"--day-date", "2026-01-15", "--day-time", "12:00", "--day-zone", "5:30",
                         "--day-lon", "77:13E", "--day-lat", "28:39N", "--format", "json"}));
        const Run offset = Cli(
            Reading({"--day-date", "2026-01-15", "--day-time", "12:00", "--day-utc-offset",
                     "+05:30", "--day-lon", "77:13E", "--day-lat", "28:39N", "--format", "json"}));
        QCOMPARE(fields.exitCode, 0);
        QCOMPARE(Positions(fields), Positions(offset));
    }

    // Explicit coordinates and texts beside a place win.
    void optionsBesideAPlaceWin() {
        const Run r = Cli(Reading({"--day-date", "2026-07-15", "--day-place", "Madrid", "--day-lat",
                                   "41:00N", "--day-city", "Getafe"}));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(DayLine(r, "Latitude: "), QString("41 Degree 0 Minute North"));
        QCOMPARE(DayLine(r, "Longitude: "), QString("3 Degree 42 Minute West"));
        QCOMPARE(DayLine(r, "City: "), QString("Getafe"));
        QCOMPARE(DayLine(r, "Country: "), QString("Spain"));
    }

    // A time the clocks skipped is refused; one they showed twice is taken
    // at its first occurrence with a note (source: the zone database,
    // America/New_York, 8 March and 1 November 2026).
    void clockChanges() {
        const Run gap =
            Cli(Reading({"--day-date", "2026-03-08", "--day-time", "02:30", "--day-tz",
                         "America/New_York", "--day-lon", "74:00W", "--day-lat", "40:43N"}));
        QCOMPARE(gap.exitCode, 2);
        QCOMPARE(QString::fromUtf8(gap.err).trimmed(),
                 QString("day: 2:30 on 8 March 2026 does not exist in America/New_York: clocks "
                         "went from 2:00 to 3:00"));
        QVERIFY(gap.out.isEmpty());

        const Run twice = Cli(Reading({"--day-date", "2026-11-01", "--day-time", "01:30",
                                       "--day-tz", "America/New_York", "--day-lon", "74:00W",
                                       "--day-lat", "40:43N", "--format", "json"}));
        QCOMPARE(twice.exitCode, 0);
        QCOMPARE(Json(twice)["day"]["moment"]["utc"].toString(), QString("2026-11-01T05:30Z"));
        QVERIFY2(twice.err.contains("note") && twice.err.contains("UTC\xE2\x88\x92"
                                                                  "5:00"),
                 twice.err.constData());
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList date{"--day-date", "2026-07-15"};
        QTest::newRow("place and zone fields")
            << date + QStringList{"--day-place", "Madrid", "--day-zone", "1:00"} << 64
            << "--day-place already gives the zone; drop --day-zone";
        QTest::newRow("zone name and DST")
            << date + QStringList{"--day-tz", "Europe/Madrid", "--day-dst"} << 64
            << "--day-tz already gives the zone; drop --day-dst";
        QTest::newRow("signed zone fields")
            << date +
                   QStringList{"--day-zone", "-5:00", "--day-lon", "74:00W", "--day-lat", "40:43N"}
            << 64 << "use --day-utc-offset -5:00";
        QTest::newRow("unknown place") << date + QStringList{"--day-place", "Xyzzyville"} << 2
                                       << "--day-place: no town \"Xyzzyville\"";
        QTest::newRow("unknown zone") << date + QStringList{"--day-tz", "Mars/Olympus", "--day-lon",
                                                            "1:00E",    "--day-lat",    "1:00N"}
                                      << 2 << "--day-tz: unknown time zone \"Mars/Olympus\"";
        QTest::newRow("offset without minutes")
            << date + QStringList{"--day-utc-offset", "+5"} << 64 << "--day-utc-offset: expected";
        QTest::newRow("offset beyond 14:00") << date + QStringList{"--day-utc-offset", "+14:30"}
                                             << 64 << "--day-utc-offset: expected";
    }
    void refusals() {
        QFETCH(QStringList, day);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = Cli(Reading(day));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }

    // The same as JSON keys: "UtcOffset" beats "TimeZone", which beats the
    // place's zone, which beats the zone fields; a place fills what the page
    // leaves out.
    void jsonKeys_data() {
        QTest::addColumn<QJsonObject>("day");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");  // the day's UTC, or the message
        const QJsonObject base{
            {"Month", 7}, {"Day", 15}, {"Year", 2026}, {"Hour", 12}, {"Minute", 0}};
        const auto with = [&](std::initializer_list<std::pair<const char*, QJsonValue>> keys) {
            QJsonObject o = base;
            for (const auto& [key, value] : keys) {
                o[key] = value;
            }
            return o;
        };
        QTest::newRow("a place alone") << with({{"Place", "Madrid"}}) << 0 << "2026-07-15T10:00Z";
        QTest::newRow("zone beats the place's")
            << with({{"Place", "Madrid"}, {"TimeZone", "Europe/London"}}) << 0
            << "2026-07-15T11:00Z";
        QTest::newRow("offset beats the zone")
            << with({{"Place", "Madrid"}, {"TimeZone", "Europe/London"}, {"UtcOffset", "+03:00"}})
            << 0 << "2026-07-15T09:00Z";
        QTest::newRow("a saved bound page: zone and fields") << with({{"TimeZone", "Europe/Madrid"},
                                                                      {"ZoneHours", 1},
                                                                      {"ZoneMinutes", 0},
                                                                      {"IsDaylightSaving", true},
                                                                      {"LongitudeDegrees", 3},
                                                                      {"LongitudeMinutes", 42},
                                                                      {"IsEast", false},
                                                                      {"LatitudeDegrees", 40},
                                                                      {"LatitudeMinutes", 25},
                                                                      {"IsSouth", false}})
                                                             << 0 << "2026-07-15T10:00Z";
        QTest::newRow("unknown place") << with({{"Place", "Xyzzyville"}}) << 2
                                       << "day.Place: no town \"Xyzzyville\" in the atlas";
        QTest::newRow("unknown zone")
            << with({{"Place", "Madrid"}, {"TimeZone", "Europe/Atlantis"}}) << 2
            << "day.TimeZone: unknown time zone";
        QTest::newRow("bad offset") << with({{"Place", "Madrid"}, {"UtcOffset", "5:30"}}) << 2
                                    << "day.UtcOffset: expected an offset";
        QTest::newRow("no place, no fields")
            << with({{"TimeZone", "Europe/Madrid"}}) << 2 << "day.LongitudeDegrees: missing number";
    }
    void jsonKeys() {
        QFETCH(QJsonObject, day);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const QJsonObject birth{{"Name", "Asha Rao"},  {"Month", 1}, {"Day", 26},
                                {"Year", 1990},        {"Hour", 16}, {"Minute", 5},
                                {"Place", "New Delhi"}};
        const QByteArray document =
            QJsonDocument(QJsonObject{{"birth", birth}, {"day", day}}).toJson();
        const Run r = Cli({"--input", "-", "--format", "json"}, document);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 0) {
            QCOMPARE(Json(r)["day"]["moment"]["utc"].toString(), expected);
        } else {
            QVERIFY2(QString::fromUtf8(r.err).contains(expected), r.err.constData());
        }
    }

    // A scan with a zone steps in universal time and shows the local time in
    // force with its offset: across the spring change no moment repeats and
    // none is missing, across the autumn one the repeated hour appears twice,
    // as it happened, told apart by the offset (source: the zone database,
    // Europe/Madrid, 29 March and 25 October 2026).
    void scansFollowTheZone_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("until");
        QTest::addColumn<QStringList>("times");
        QTest::newRow("spring") << "2026-03-29"
                                << "00:00"
                                << "2026-03-29T04:00"
                                << QStringList{"00:00 +01:00", "00:30 +01:00", "01:00 +01:00",
                                               "01:30 +01:00", "03:00 +02:00", "03:30 +02:00",
                                               "04:00 +02:00"};
        QTest::newRow("autumn") << "2026-10-25"
                                << "01:30"
                                << "2026-10-25T03:00"
                                << QStringList{"01:30 +02:00", "02:00 +02:00", "02:30 +02:00",
                                               "02:00 +01:00", "02:30 +01:00", "03:00 +01:00"};
    }
    void scansFollowTheZone() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, until);
        const Run r = Cli(Reading({"--day-date", date, "--day-time", time, "--day-place", "Madrid",
                                   "--scan-until", until, "--scan-step", "30m"}));
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> rows = r.out.trimmed().split('\n');
        QVERIFY2(rows.value(0).startsWith("date,time,utcOffset,Sun place,"), rows.value(0));
        QStringList times;
        for (const QByteArray& row : rows.mid(1)) {
            const QList<QByteArray> cells = row.split(',');
            times << QString::fromUtf8(cells.value(1) + ' ' + cells.value(2));
        }
        QTEST(times, "times");

        // The same in JSON lines.
        const Run json =
            Cli(Reading({"--day-date", date, "--day-time", time, "--day-place", "Madrid",
                         "--scan-until", until, "--scan-step", "30m", "--format", "json"}));
        QStringList jsonTimes;
        for (const QByteArray& line : json.out.trimmed().split('\n')) {
            const QJsonObject row = QJsonDocument::fromJson(line).object();
            jsonTimes << row["time"].toString() + ' ' + row["utcOffset"].toString();
        }
        QTEST(jsonTimes, "times");
    }

    // Events are found in universal time and shown in the local time in
    // force on either side of a change of the clocks.
    void eventsFollowTheZone() {
        const Run r =
            Cli(Reading({"--day-date", "2026-03-28", "--day-time", "00:00", "--day-place", "Madrid",
                         "--scan-until", "2026-03-31", "--events", "--format", "json"}));
        QCOMPARE(r.exitCode, 0);
        int checked = 0;
        for (const QByteArray& line : r.out.trimmed().split('\n')) {
            const QJsonObject e = QJsonDocument::fromJson(line).object();
            const QDateTime local = QDateTime::fromString(e["local"].toString(), Qt::ISODate);
            const QDateTime utc = QDateTime::fromString(e["utc"].toString(), Qt::ISODate);
            const qint64 offsetMinutes =
                QDateTime(utc.date(), utc.time(), Qt::UTC)
                    .secsTo(QDateTime(local.date(), local.time(), Qt::UTC)) /
                60;
            // Before 01:00 UTC on 29 March Madrid is at +1:00, after it at +2:00.
            const bool summer = utc >= QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC);
            QCOMPARE(offsetMinutes, summer ? 120 : 60);
            ++checked;
        }
        QVERIFY(checked >= 2);
    }

    void findPlace() {
        const Run r = Cli({"--find-place", "Brest, FR", "--format", "json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonArray found = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]["name"].toString(), QString("Brest"));
        QCOMPARE(found[0]["countryCode"].toString(), QString("FR"));
        QCOMPARE(found[0]["timeZone"].toString(), QString("Europe/Paris"));

        const Run table = Cli({"--find-place", "Portland"});
        QCOMPARE(table.exitCode, 0);
        const QList<QByteArray> lines = table.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 1 + 5);  // a header and the five Portlands of the atlas
        QVERIFY(lines[1].startsWith("Portland\tOregon\t"));

        const Run none = Cli({"--find-place", "Xyzzyville"});
        QCOMPARE(none.exitCode, 2);
        QVERIFY(none.out.isEmpty());
        QCOMPARE(Cli({"--find-place", "Madrid", "--day-date", "2026-01-01"}).exitCode, 64);
    }
};

QTEST_GUILESS_MAIN(TestPlacesCli)
#include "tst_places_cli.moc"
