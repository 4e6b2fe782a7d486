// kotachakra-cli --events end to end: the changes are exactly those of a
// one-minute scan with --changes-only, any --jobs gives the same bytes, and
// Ctrl-C leaves only whole lines.
#include <signal.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "program_run.h"

namespace {

using zkc::test::Run;

Run Cli(const QStringList& args) {
    return zkc::test::RunProgram(KOTACHAKRA_CLI, args);
}

QString Golden(const QString& name) {
    return QString(GOLDEN_DIR) + "/" + name;
}

QList<QByteArray> Lines(const QByteArray& text) {
    return text.trimmed().split('\n');
}

}  // namespace

class TestEventsCli : public QObject {
    Q_OBJECT

  private slots:
    // Each change is a body whose place, zone or result differs between two
    // rows of the one-minute scan, at the second row's minute.
    void eventsAreTheChangesOfAOneMinuteScan() {
        const QStringList window = {"--input",      Golden("south-east.json"),
                                    "--scan-until", "1980-06-29T18:00",
                                    "--format",     "csv"};
        const Run scan = Cli(window + QStringList{"--scan-step", "1m", "--changes-only"});
        const Run events = Cli(window + QStringList{"--events"});
        QCOMPARE(scan.exitCode, 0);
        QCOMPARE(events.exitCode, 0);
        const QList<QByteArray> rows = Lines(scan.out);
        const QList<QByteArray> header = rows[0].split(',');
        QStringList expected;
        for (qsizetype r = 2; r < rows.size(); ++r) {
            const QList<QByteArray> before = rows[r - 1].split(',');
            const QList<QByteArray> after = rows[r].split(',');
            QVERIFY2(before.mid(2) != after.mid(2), rows[r].constData());  // a change on every row
            for (qsizetype body = 0; body < 9; ++body) {
                const qsizetype c = 2 + 3 * body;
                if (before.mid(c, 3) != after.mid(c, 3)) {
                    expected << QString("%1T%2,%3,%4,%5,%6,%7,%8,%9")
                                    .arg(after[0], after[1], header[c].left(header[c].indexOf(' ')),
                                         before[c], before[c + 1], before[c + 2], after[c],
                                         after[c + 1], after[c + 2]);
                }
            }
        }
        QStringList found;
        const QList<QByteArray> lines = Lines(events.out);
        QCOMPARE(lines[0], QByteArray("local,utc,body,from place,from nakshatra,from zone,from "
                                      "result,to place,to nakshatra,to zone,to result"));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> f = lines[i].split(',');
            // Nakshatras and universal time are the events' own additions.
            found << QString("%1,%2,%3,%4,%5,%6,%7,%8")
                         .arg(f[0], f[2], f[3], f[5], f[6], f[7], f[9], f[10]);
        }
        QVERIFY(expected.size() > 10);
        QCOMPARE(found, expected);
    }

    void anyJobsGiveTheSameBytes_data() {
        QTest::addColumn<QStringList>("args");
        const QStringList in = {"--input", Golden("abhijit-birth.json")};
        QTest::newRow("events, a year and a half")
            << in + QStringList{"--events", "--scan-until", "2001-06-30"};
        QTest::newRow("events as JSON lines")
            << in + QStringList{"--events", "--scan-until", "2000-09-30", "--format", "json"};
        QTest::newRow("scan, every minute for ten days")
            << in + QStringList{"--scan-until", "2000-01-11", "--scan-step", "1m"};
        QTest::newRow("scan, changes only")
            << in +
                   QStringList{"--scan-until", "2000-01-21", "--scan-step", "1m", "--changes-only"};
    }
    void anyJobsGiveTheSameBytes() {
        QFETCH(QStringList, args);
        const Run one = Cli(args + QStringList{"--jobs", "1"});
        QCOMPARE(one.exitCode, 0);
        QVERIFY(one.out.size() > 3000);
        for (const char* jobs : {"2", "7"}) {
            const Run many = Cli(args + QStringList{"--jobs", jobs});
            QCOMPARE(many.exitCode, 0);
            QVERIFY2(many.out == one.out,
                     qPrintable(QString("--jobs %1: %2 bytes, --jobs 1: %3 bytes")
                                    .arg(jobs)
                                    .arg(many.out.size())
                                    .arg(one.out.size())));
        }
        QCOMPARE(Cli(args).out, one.out);  // one thread per core
    }

    // Ctrl-C in the middle of a search over the whole admitted range.
    void interruptedSearchLeavesWholeLines() {
        QProcess p;
        p.start(KOTACHAKRA_CLI, {"--name",       "Asha Rao",     "--birth-date",
                                 "1990-01-26",   "--birth-time", "16:05",
                                 "--birth-zone", "5:30",         "--birth-lon",
                                 "77:13E",       "--birth-lat",  "28:39N",
                                 "--day-date",   "1901-01-01",   "--day-zone",
                                 "5:30",         "--day-lon",    "77:13E",
                                 "--day-lat",    "28:39N",       "--events",
                                 "--format",     "json",         "--scan-until",
                                 "2050-12-31",   "--jobs",       "1"});
        QVERIFY(p.waitForStarted());
        QVERIFY(p.waitForReadyRead(30000));
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 130);
        const QByteArray out = p.readAllStandardOutput();
        QVERIFY(out.endsWith('\n'));
        const QList<QByteArray> lines = Lines(out);
        for (const QByteArray& line : lines) {
            const QJsonObject event = QJsonDocument::fromJson(line).object();
            QVERIFY2(event.contains("to") && event["to"].toObject().contains("result"),
                     line.constData());
        }
        // Stopped well before 150 years' worth (about 74,000 changes).
        QVERIFY2(lines.size() < 60000, qPrintable(QString::number(lines.size())));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QStringList in = {"--input", Golden("worked-values.json")};
        QTest::newRow("events with a step")
            << in + QStringList{"--events", "--scan-until", "1980-07-01", "--scan-step", "1h"}
            << "do not apply to --events";
        QTest::newRow("events with changes only")
            << in + QStringList{"--events", "--scan-until", "1980-07-01", "--changes-only"}
            << "do not apply to --events";
        QTest::newRow("events without an end")
            << in + QStringList{"--events"} << "need --scan-until";
        QTest::newRow("no jobs") << in + QStringList{"--events", "--scan-until", "1980-07-01",
                                                     "--jobs", "0"}
                                 << "--jobs";
        QTest::newRow("CSV without a scan")
            << in + QStringList{"--format", "csv"} << "need --scan-until";
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = Cli(args);
        QCOMPARE(r.exitCode, 64);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEventsCli)
#include "tst_events_cli.moc"
