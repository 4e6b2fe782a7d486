// kotachakra-cli end to end: complete readings against golden files checked
// by hand, both input styles, the JSON output, and every refusal.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "program_run.h"
#include "version/version.h"

namespace {

using zkc::test::Run;

Run Cli(const QStringList& args, const QByteArray& input = {}) {
    return zkc::test::RunProgram(KOTACHAKRA_CLI, args, input);
}

// A run with the process set up by `prepare` (files for the standard
// streams, the environment, descriptors to close).
Run CliWith(const QStringList& args, const std::function<void(QProcess&)>& prepare) {
    return zkc::test::RunProgram(KOTACHAKRA_CLI, args, {}, prepare);
}

QString Golden(const QString& name) {
    return QString(GOLDEN_DIR) + "/" + name;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject WorkedValues() {
    return QJsonDocument::fromJson(ReadFile(Golden("worked-values.json"))).object();
}

// The worked-values document with fields of one page replaced (or removed,
// for an undefined value).
QByteArray WithFields(const char* page, const QVariantMap& changes) {
    QJsonObject root = WorkedValues();
    QJsonObject details = root[page].toObject();
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        if (!it.value().isValid()) {
            details.remove(it.key());
        } else {
            details[it.key()] = QJsonValue::fromVariant(it.value());
        }
    }
    root[page] = details;
    return QJsonDocument(root).toJson();
}

QByteArray WithField(const char* page, const char* field, const QVariant& value) {
    return WithFields(page, {{field, value}});
}

// The worked-values reading as options.
QStringList WorkedValueOptions() {
    return {"--name",         "Ravi Kumar",   "--birth-date", "2000-01-01",  "--birth-time",
            "12:00",          "--birth-zone", "0:00",         "--birth-lon", "0:00W",
            "--birth-lat",    "51:30N",       "--birth-city", "London",      "--birth-country",
            "United Kingdom", "--day-date",   "1980-06-15",   "--day-time",  "10:30",
            "--day-zone",     "5:30",         "--day-lon",    "77:13E",      "--day-lat",
            "28:39N",         "--day-city",   "New Delhi",    "--day-state", "Delhi",
            "--day-country",  "India"};
}

QStringList Replaced(QStringList args, const QString& option, const QString& value) {
    const auto i = args.indexOf(option);
    if (value.isNull()) {
        args.remove(i, 2);
    } else {
        args[i + 1] = value;
    }
    return args;
}

}  // namespace

class TestKotachakraCli : public QObject {
    Q_OBJECT

  private slots:
    void goldenReadings_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("worked values") << "worked-values";
        QTest::newRow("Abhijit birth") << "abhijit-birth";
        QTest::newRow("southern and eastern places") << "south-east";
    }
    void goldenReadings() {
        QFETCH(QString, name);
        const Run r = Cli({"--input", Golden(name + ".json")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        QCOMPARE(QString::fromUtf8(r.out), QString::fromUtf8(ReadFile(Golden(name + ".txt"))));
    }

    void standardInputAndOptionsGiveTheSameReading() {
        const QByteArray golden = ReadFile(Golden("worked-values.txt"));
        const Run fromStdin = Cli({"--input", "-"}, ReadFile(Golden("worked-values.json")));
        QCOMPARE(fromStdin.exitCode, 0);
        QCOMPARE(fromStdin.out, golden);
        const Run fromOptions = Cli(WorkedValueOptions());
        QCOMPARE(fromOptions.exitCode, 0);
        QCOMPARE(fromOptions.out, golden);
    }

    void jsonOutput() {
        const Run r = Cli({"--input", Golden("abhijit-birth.json"), "--format", "json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        // The birth Moon 08 Cap 00 is an independent hand check (the 25-term
        // series worked through separately: 8° 0′ 28″ Cap); the day is the
        // worked example of 1 January 2000 (source: its Sun and Ketu, and the
        // table of Moon positions for Swati); Mars in Shatabhisha at place 4
        // of the ring from Abhijit is an independent hand check:
        // ((24 − 21) mod 28) + 1 = 4, Innermost, malefic: Adverse.
        QCOMPARE(o["birthNakshatra"].toString(), QString("Uttara Ashadha"));
        QCOMPARE(o["birthKotaNakshatra"].toString(), QString("Abhijit"));
        QCOMPARE(o["birth"]["moonNakshatra"].toString(), QString("Uttara Ashadha"));
        QCOMPARE(o["birth"]["positions"][1]["position"].toString(), QString("08 Cap 00"));
        const QJsonArray day = o["day"]["positions"].toArray();
        QCOMPARE(day.size(), 11);
        QCOMPARE(day[0]["body"].toString(), QString("Sun"));
        QCOMPARE(day[0]["position"].toString(), QString("16 Sag 31"));
        QCOMPARE(day[10]["body"].toString(), QString("Midheaven"));
        QCOMPARE(o["day"]["longForms"]["Sun"].toString(), QString("16\u00B0 31' 32\" Sag"));
        QCOMPARE(o["day"]["longForms"]["Ketu"].toString(), QString("10\u00B0 16' 6\" Cap"));
        QCOMPARE(o["day"]["moonNakshatra"].toString(), QString("Swati"));
        const QJsonArray ring = o["ring"].toArray();
        QCOMPARE(ring.size(), 28);
        QCOMPARE(ring[0].toString(), QString("Abhijit"));
        QCOMPARE(ring[27].toString(), QString("Uttara Ashadha"));
        const QJsonArray placements = o["placements"].toArray();
        QCOMPARE(placements.size(), 9);
        QCOMPARE(placements[4].toObject(), QJsonObject({{"body", "Mars"},
                                                        {"nakshatra", "Shatabhisha"},
                                                        {"place", 4},
                                                        {"zone", "Innermost"},
                                                        {"nature", "Malefic Planet"},
                                                        {"result", "Adverse"}}));
        QCOMPARE(o["report"].toString().toUtf8(), ReadFile(Golden("abhijit-birth.txt")));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList stdinJson = {"--input", "-"};
        const QStringList options = WorkedValueOptions();

        QTest::newRow("not JSON") << stdinJson << QByteArray("{\"birth\": ") << 2
                                  << "input: not a JSON document";
        QTest::newRow("no day") << stdinJson << QByteArray("{\"birth\": {}}") << 2
                                << "birth.Month: missing number";
        QTest::newRow("missing number") << stdinJson << WithField("birth", "Year", QVariant()) << 2
                                        << "birth.Year: missing number";
        QTest::newRow("number as text") << stdinJson << WithField("day", "Hour", "10") << 2
                                        << "day.Hour: expected a whole number";
        QTest::newRow("fraction") << stdinJson << WithField("day", "ZoneHours", 5.5) << 2
                                  << "day.ZoneHours: expected a whole number";
        QTest::newRow("year outside the list")
            << stdinJson << WithField("birth", "Year", 1850) << 2
            << "birth.Year: expected a whole number from 1901 to 2050";
        QTest::newRow("mistyped flag")
            << stdinJson << WithField("day", "IsEast", 1) << 2 << "day.IsEast: expected a flag";
        QTest::newRow("missing flag")
            << stdinJson << WithField("birth", "IsDaylightSaving", QVariant()) << 2
            << "birth.IsDaylightSaving: missing flag";
        QTest::newRow("text as number")
            << stdinJson << WithField("birth", "City", 3) << 2 << "birth.City: expected a text";
        QTest::newRow("missing name") << stdinJson << WithField("birth", "Name", QVariant()) << 2
                                      << "birth: Please Enter Name";
        QTest::newRow("30 February 1980")
            << stdinJson << WithFields("day", {{"Month", 2}, {"Day", 30}}) << 2
            << "day: Please Enter Correct Date Or Month!";
        QTest::newRow("longitude 250") << stdinJson << WithField("birth", "LongitudeDegrees", 250)
                                       << 2 << "birth: Please Enter Correct Degree of Longitude";
        QTest::newRow("zone 15 hours") << stdinJson << WithField("day", "ZoneHours", -15) << 2
                                       << "day: Please Enter Correct Hour and Minute of Time Zone";

        QTest::newRow("options: no zone")
            << Replaced(options, "--birth-zone", QString()) << QByteArray() << 2
            << "birth: Please Enter Hour and Minute of Time Zone";
        QTest::newRow("options: no longitude")
            << Replaced(options, "--day-lon", QString()) << QByteArray() << 2
            << "day: Please Enter Degree of Longitude";
        QTest::newRow("options: 31 April")
            << Replaced(options, "--day-date", "1980-04-31") << QByteArray() << 2
            << "day: Please Enter Correct Date Or Month !";
        QTest::newRow("options: latitude 90")
            << Replaced(options, "--birth-lat", "90:00S") << QByteArray() << 2
            << "birth: Please Enter Correct Degree of Latitude";
        QTest::newRow("options: no name") << Replaced(options, "--name", QString()) << QByteArray()
                                          << 2 << "birth: Please Enter Name";

        QTest::newRow("no date") << Replaced(options, "--birth-date", QString()) << QByteArray()
                                 << 64 << "--birth-date YYYY-MM-DD is required";
        QTest::newRow("malformed date") << Replaced(options, "--day-date", "15/06/1980")
                                        << QByteArray() << 64 << "--day-date: expected YYYY-MM-DD";
        QTest::newRow("hour 24") << Replaced(options, "--day-time", "24:00") << QByteArray() << 64
                                 << "--day-time: expected HH:MM";
        QTest::newRow("longitude without direction")
            << Replaced(options, "--birth-lon", "77:13") << QByteArray() << 64
            << "--birth-lon: expected D:MME or D:MMW";
        QTest::newRow("unknown option")
            << QStringList({"--colour"}) << QByteArray() << 64 << "Unknown option 'colour'";
        QTest::newRow("unknown format") << QStringList({"--format", "xml"}) << QByteArray() << 64
                                        << "--format: expected text, json or csv";
        QTest::newRow("both input styles") << QStringList({"--input", "-", "--name", "A"})
                                           << QByteArray() << 64 << "--input cannot be combined";
        QTest::newRow("stray argument") << QStringList({"reading.json"}) << QByteArray() << 64
                                        << "unexpected argument reading.json";
        QTest::newRow("unreadable file") << QStringList({"--input", "/nonexistent/reading.json"})
                                         << QByteArray() << 66 << "cannot read";
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = Cli(args, input);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());  // never a reading from input that was refused
        if (exitCode == 64) {
            QVERIFY(r.err.contains("Usage: kotachakra-cli"));
        }
    }

    // Every row of a scan is the reading computed alone at that moment.
    void scanRowsEqualSingleReadings() {
        const Run scan = Cli({"--input", Golden("abhijit-birth.json"), "--format", "json",
                              "--scan-until", "2000-01-03T02:00", "--scan-step", "7h"});
        QCOMPARE(scan.exitCode, 0);
        const QList<QByteArray> rows = scan.out.trimmed().split('\n');
        QCOMPARE(rows.size(),
                 6);  // 12:00, 19:00, 02:00, 09:00, 16:00, 23:00; 06:00 is past the end
        const QJsonObject root =
            QJsonDocument::fromJson(ReadFile(Golden("abhijit-birth.json"))).object();
        for (const QByteArray& line : rows) {
            const QJsonObject row = QJsonDocument::fromJson(line).object();
            const QDate date = QDate::fromString(row["date"].toString(), Qt::ISODate);
            const QTime time = QTime::fromString(row["time"].toString(), "HH:mm");
            QJsonObject single = root;
            QJsonObject day = single["day"].toObject();
            day["Year"] = date.year();
            day["Month"] = date.month();
            day["Day"] = date.day();
            day["Hour"] = time.hour();
            day["Minute"] = time.minute();
            single["day"] = day;
            const Run alone =
                Cli({"--input", "-", "--format", "json"}, QJsonDocument(single).toJson());
            QCOMPARE(alone.exitCode, 0);
            const QJsonArray expected =
                QJsonDocument::fromJson(alone.out).object()["placements"].toArray();
            const QJsonArray got = row["placements"].toArray();
            QCOMPARE(got.size(), 9);
            for (qsizetype i = 0; i < 9; ++i) {
                QJsonObject e = expected[i].toObject();
                e.remove("nakshatra");
                e.remove("nature");
                QCOMPARE(got[i].toObject(), e);
            }
        }
        QCOMPARE(QJsonDocument::fromJson(rows.first()).object()["time"].toString(),
                 QString("12:00"));
        QCOMPARE(QJsonDocument::fromJson(rows.last()).object()["date"].toString(),
                 QString("2000-01-02"));
    }

    void scanStepsAndChanges() {
        const QStringList base = {"--input", Golden("worked-values.json"), "--scan-until",
                                  "1980-06-25T10:30"};
        const Run days = Cli(base + QStringList{"--scan-step", "1d"});
        QCOMPARE(days.exitCode, 0);
        QCOMPARE(Cli(base + QStringList{"--scan-step", "24h"}).out, days.out);
        QCOMPARE(Cli(base + QStringList{"--scan-step", "1440m"}).out, days.out);
        QCOMPARE(Cli(base).out, days.out);  // one day is the default step
        const QList<QByteArray> lines = days.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 1 + 11);  // header, 15 to 25 June inclusive
        QVERIFY(lines[0].startsWith("date,time,Sun place,Sun zone,Sun result,Moon place,"));
        QVERIFY(lines[0].endsWith(",Ketu place,Ketu zone,Ketu result"));
        // The first row is the worked reading: Sun 20, Exiting, Not Adverse; Mars innermost.
        QVERIFY(lines[1].startsWith("1980-06-15,10:30,20,Exiting,Not Adverse,22,Entering,NA,"));

        // Changes only: exactly the rows whose judgement differs from the row before.
        const Run hourly = Cli(base + QStringList{"--scan-step", "1h"});
        const Run changes = Cli(base + QStringList{"--scan-step", "1h", "--changes-only"});
        QCOMPARE(changes.exitCode, 0);
        const QList<QByteArray> all = hourly.out.trimmed().split('\n');
        QList<QByteArray> expected = {all[0], all[1]};
        for (qsizetype i = 2; i < all.size(); ++i) {
            if (all[i].mid(17) != all[i - 1].mid(17)) {  // everything after date and time
                expected << all[i];
            }
        }
        QCOMPARE(changes.out.trimmed().split('\n'), expected);
        QVERIFY(expected.size() > 5 && expected.size() < all.size() / 4);
    }

    void scanRefusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList in = {"--input", Golden("worked-values.json")};
        QTest::newRow("end before start") << in + QStringList{"--scan-until", "1980-06-15T10:29"}
                                          << 64 << "the end lies before the day of the reading";
        QTest::newRow("step of zero")
            << in + QStringList{"--scan-until", "1980-07-01", "--scan-step", "0d"} << 64
            << "--scan-step";
        QTest::newRow("unknown unit")
            << in + QStringList{"--scan-until", "1980-07-01", "--scan-step", "1w"} << 64
            << "--scan-step";
        QTest::newRow("no such day") << in + QStringList{"--scan-until", "1981-02-29"} << 64
                                     << "--scan-until: expected a real date";
        QTest::newRow("past the last year")
            << in + QStringList{"--scan-until", "2051-01-01"} << 64 << "--scan-until";
        QTest::newRow("changes without a scan")
            << in + QStringList{"--changes-only"} << 64 << "need --scan-until";
        QTest::newRow("refused day") << QStringList{"--input", "-", "--scan-until", "1980-07-01"}
                                     << 2 << "day: Please Enter Correct Degree of Longitude";
    }
    void scanRefusals() {
        QFETCH(QStringList, args);
        const QByteArray input =
            args.contains("-") ? WithField("day", "LongitudeDegrees", 200) : QByteArray();
        const Run r = Cli(args, input);
        QTEST(r.exitCode, "exitCode");
        QFETCH(QString, message);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }

    // Input is read up to a limit: what never ends is refused at once.
    void inputLimit_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("/dev/urandom") << "/dev/urandom";
    }
    void inputLimit() {
        QFETCH(QString, file);
        const Run endless = Cli({"--input", file});
        QCOMPARE(endless.exitCode, 2);
        QVERIFY2(endless.err.contains("input: larger than 1 MB"), endless.err.constData());
        QVERIFY(endless.out.isEmpty());
    }
    void inputLimitBoundary() {
        // The worked values padded with blanks to exactly 1 MB are read; one
        // byte more is refused.
        QByteArray document = ReadFile(Golden("worked-values.json"));
        document += QByteArray((1 << 20) - document.size(), ' ');
        QCOMPARE(Cli({"--input", "-"}, document).exitCode, 0);
        const Run over = Cli({"--input", "-"}, document + " ");
        QCOMPARE(over.exitCode, 2);
        QVERIFY2(over.err.contains("larger than 1 MB"), over.err.constData());
    }
    void endlessStandardInputIsNotReadToItsEnd() {
        QProcess p;
        p.start(KOTACHAKRA_CLI, {"--input", "-"});
        QVERIFY(p.waitForStarted());
        const QByteArray block(1 << 16, '{');
        // Standard input stays open: the program must give up by itself.
        for (int i = 0; i < 64 && p.state() == QProcess::Running; ++i) {
            p.write(block);
            p.waitForBytesWritten(1000);
        }
        QVERIFY2(p.state() == QProcess::NotRunning || p.waitForFinished(20000),
                 "kotachakra-cli kept reading an endless input");
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("larger than 1 MB"));
    }

    void unreadableInput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("closeStandardInput");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file")
            << QStringList{"--input", "/nonexistent/reading.json"} << false << 66
            << "cannot read /nonexistent/reading.json: No such file";
        QTest::newRow("directory")
            << QStringList{"--input", GOLDEN_DIR} << false << 66 << "Is a directory";
        QTest::newRow("standard input closed")
            << QStringList{"--input", "-"} << true << 66 << "cannot read standard input";
        QTest::newRow("batch from a closed standard input")
            << QStringList{"--batch", "-"} << true << 66
            << "cannot read standard input: it is closed";
        QTest::newRow("empty standard input")
            << QStringList{"--input", "-"} << false << 2 << "input is empty";
    }
    void unreadableInput() {
        QFETCH(QStringList, args);
        QFETCH(bool, closeStandardInput);
        const Run r = CliWith(args, [closeStandardInput](QProcess& p) {
            p.setStandardInputFile(QProcess::nullDevice());
            if (closeStandardInput) {
                p.setChildProcessModifier([] { ::close(STDIN_FILENO); });
            }
        });
        QTEST(r.exitCode, "exitCode");
        QFETCH(QString, message);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);  // one message, none of Qt's own
    }
    void unreadableForLackOfPermission() {
        if (::geteuid() == 0) {
            QSKIP("the superuser reads every file");
        }
        QTemporaryDir dir;
        QFile file(dir.filePath("reading.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ReadFile(Golden("worked-values.json")));
        file.close();
        QVERIFY(file.setPermissions({}));
        const Run r = Cli({"--input", file.fileName()});
        QCOMPARE(r.exitCode, 66);
        QVERIFY2(r.err.contains("Permission denied"), r.err.constData());
    }

    // The first failed write ends the program with status 74 and one message.
    void failedOutput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("reading") << QStringList{"--input", Golden("worked-values.json")};
        QTest::newRow("JSON reading")
            << QStringList{"--input", Golden("worked-values.json"), "--format", "json"};
        QTest::newRow("scan") << QStringList{"--input",      Golden("worked-values.json"),
                                             "--scan-until", "2050-12-31",
                                             "--scan-step",  "1h"};
        QTest::newRow("help") << QStringList{"--help"};
    }
    void failedOutput() {
        QFETCH(QStringList, args);
        const Run r = CliWith(args, [](QProcess& p) { p.setStandardOutputFile("/dev/full"); });
        QCOMPARE(r.exitCode, 74);
        QCOMPARE(QString::fromUtf8(r.err),
                 QString("kotachakra-cli: cannot write output: No space left on device\n"));
    }
    // A closed standard output is never taken by a file the program opens:
    // the reading fails to be written, it does not land in the input file.
    void closedStandardOutput() {
        QTemporaryDir dir;
        const QString input = dir.filePath("reading.json");
        QVERIFY(QFile::copy(Golden("worked-values.json"), input));
        const QByteArray before = ReadFile(input);
        const Run r = CliWith({"--input", input}, [](QProcess& p) {
            p.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        });
        QCOMPARE(r.exitCode, 74);
        QVERIFY2(r.err.contains("cannot write output: Bad file descriptor"), r.err.constData());
        QCOMPARE(ReadFile(input), before);
    }

    // Rows of a sparse scan reach a pipe as they are computed, not a block
    // later; once the reader is gone the scan stops at once.
    void scanRowsReachAPipeAndStopWithTheReader() {
        // A pipe of the test's own, so that its reading end can be closed.
        int pipeEnds[2];
        QCOMPARE(::pipe2(pipeEnds, O_CLOEXEC), 0);
        QProcess p;
        p.setChildProcessModifier([w = pipeEnds[1]] { ::dup2(w, STDOUT_FILENO); });
        p.start(KOTACHAKRA_CLI, {"--input", Golden("worked-values.json"), "--scan-until",
                                 "2050-12-31", "--scan-step", "1m", "--changes-only"});
        ::close(pipeEnds[1]);
        QVERIFY(p.waitForStarted());
        QByteArray first;
        while (first.count('\n') < 3) {
            pollfd ready{pipeEnds[0], POLLIN, 0};
            char block[1 << 17];
            if (::poll(&ready, 1, 20000) != 1) {
                break;
            }
            const ssize_t n = ::read(pipeEnds[0], block, sizeof block);
            if (n <= 0) {
                break;
            }
            first.append(block, n);
        }
        QVERIFY2(first.count('\n') >= 3, "no rows reached the pipe");
        QCOMPARE(p.state(), QProcess::Running);  // 170 years of minutes are far from done
        // A block-buffered writer would hand over 64 KiB at once.
        QVERIFY2(first.size() < (1 << 16),
                 qPrintable(QString("first delivery %1 bytes").arg(first.size())));
        QVERIFY(first.startsWith("date,time,Sun place,"));
        ::close(pipeEnds[0]);
        const bool ended = p.waitForFinished(20000);
        if (!ended) {
            p.kill();
            p.waitForFinished();
        }
        QVERIFY2(ended, "the scan went on without a reader");
        QCOMPARE(p.exitCode(), 74);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
                 QString("kotachakra-cli: cannot write output: Broken pipe\n"));
    }

    // Free texts with control characters, direction overrides or more than a
    // text box holds are refused naming the field, from either input style;
    // the message never carries the raw characters to a terminal.
    void hostileTexts_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("message");
        const QStringList stdinJson = {"--input", "-"};
        const QStringList options = WorkedValueOptions();
        QTest::newRow("escape sequence in a city option")
            << Replaced(options, "--birth-city", "Lon\x1b[2Jdon") << QByteArray()
            << "birth: Please Enter City Without Control Characters";
        QTest::newRow("override in the name option")
            << Replaced(options, "--name", QString::fromUtf8("Ravi \u202eramuK")) << QByteArray()
            << "birth: Please Enter Name Without Control Characters";
        QTest::newRow("escaped control in JSON")
            << stdinJson << WithField("day", "State", "Del\u0007hi")
            << "day: Please Enter State Without Control Characters";
        QTest::newRow("isolate in JSON")
            << stdinJson << WithField("day", "Country", QString::fromUtf8("\u2066x"))
            << "day: Please Enter Country Without Control Characters";
        QTest::newRow("81 characters")
            << stdinJson << WithField("birth", "Country", QString(81, 'x'))
            << "birth: Please Enter Country Of At Most 80 Characters";
        QTest::newRow("raw control character in a JSON string")
            << stdinJson << QByteArray("{\"birth\": {\"Name\": \"A\tB\"}}")
            << "raw control character in a string";
        QTest::newRow("invalid escape")
            << stdinJson << QByteArray("{\"birth\": {\"Name\": \"A\\qB\"}}")
            << "invalid escape in a string";
        QTest::newRow("short unicode escape")
            << stdinJson << QByteArray("{\"birth\": {\"Name\": \"A\\u00zB\"}}")
            << "invalid \\u escape in a string";
    }
    void hostileTexts() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QString, message);
        const Run r = Cli(args, input);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }
    void messagesEscapeWhatTheUserTyped() {
        const Run r = Cli({"--input", "-", "stray\x1b]0;title\x07"});
        QCOMPARE(r.exitCode, 64);
        QVERIFY2(!r.err.contains('\x1b') && !r.err.contains('\x07'), r.err.constData());
        QVERIFY2(r.err.contains("stray\\u001b]0;title\\u0007"), r.err.constData());
    }
    void allValidEscapesAreRead() {
        QByteArray document = ReadFile(Golden("worked-values.json"));
        document.replace("\"London\"", "\"Lon\\/d\\u006Fn\\\\ \\\"x\\\"\"");
        const Run r = Cli({"--input", "-"}, document);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("City: \nLon/don\\ \"x\"\n"), r.out.constData());
    }

    void helpAndVersion() {
        const Run help = Cli({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--birth-date <YYYY-MM-DD>"));
        QVERIFY(help.out.contains("--day-lon <D:MM{E|W}>"));
        QVERIFY(help.out.contains("74 output could not be written"));
        QVERIFY(help.out.contains("--help-all"));
        const Run all = Cli({"--help-all"});
        QCOMPARE(all.exitCode, 0);
        QCOMPARE(all.out, help.out);
        QVERIFY(all.err.isEmpty());
        const Run version = Cli({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("kotachakra-cli ") + zkc::kVersion + "\n");
    }
};

QTEST_GUILESS_MAIN(TestKotachakraCli)
#include "tst_kotachakra_cli.moc"
