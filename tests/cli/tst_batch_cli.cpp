// kotachakra-cli --batch: many readings from JSON lines or CSV, refused rows
// reported with their line and skipped, every reading the same as the one
// the command line gives alone.
#include <signal.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "program_run.h"

namespace {

using zkc::test::Run;

Run Cli(const QStringList& args, const QByteArray& input = {}) {
    return zkc::test::RunProgram(KOTACHAKRA_CLI, args, input);
}

QList<QByteArray> Lines(const QByteArray& text) {
    return text.trimmed().isEmpty() ? QList<QByteArray>() : text.trimmed().split('\n');
}

const QByteArray kCsv =
    "birth.Name,birth.Month,birth.Day,birth.Year,birth.Hour,birth.Minute,birth.Place,"
    "day.Month,day.Day,day.Year,day.Hour,day.Minute,day.Place\n"
    "\"Rao, Asha\",1,26,1990,16,5,New Delhi,7,15,2026,12,0,Madrid\n"
    "Bad Date,2,30,1990,16,5,New Delhi,7,15,2026,12,0,Madrid\n"
    "\n"
    "Ravi,1,1,2000,12,0,London,6,15,1980,10,30,New Delhi\n"
    "Skipped Hour,1,1,2000,12,0,London,3,8,2026,2,30,New York\n"
    "Open Quote,\"1,1,2000\n";

// A random but admitted chart document.
QJsonObject RandomDocument(QRandomGenerator& rng) {
    const auto page = [&rng](bool birth) {
        QJsonObject p{{"Month", rng.bounded(1, 13)},
                      {"Day", rng.bounded(1, 29)},
                      {"Year", rng.bounded(1901, 2051)},
                      {"Hour", rng.bounded(0, 24)},
                      {"Minute", rng.bounded(0, 60)},
                      {"ZoneHours", rng.bounded(0, 15)},
                      {"ZoneMinutes", rng.bounded(0, 60)},
                      {"LongitudeDegrees", rng.bounded(0, 180)},
                      {"LongitudeMinutes", rng.bounded(0, 60)},
                      {"IsEast", rng.bounded(2) == 1},
                      {"LatitudeDegrees", rng.bounded(0, 90)},
                      {"LatitudeMinutes", rng.bounded(0, 60)},
                      {"IsSouth", rng.bounded(2) == 1},
                      {"IsDaylightSaving", rng.bounded(3) == 0}};
        if (birth) {
            p["Name"] = QString("Person %1").arg(rng.bounded(1000));
        }
        return p;
    };
    return {{"birth", page(true)}, {"day", page(false)}};
}

}  // namespace

class TestBatchCli : public QObject {
    Q_OBJECT

  private slots:
    // Good rows give readings under their own line numbers; each refused row
    // is one line on standard error; the status tells that some were refused.
    void csvWithRefusedRows() {
        const Run r = Cli({"--batch", "-"}, kCsv);
        QCOMPARE(r.exitCode, 2);
        const QList<QByteArray> rows = Lines(r.out);
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[0].startsWith("line,name,birth nakshatra,Sun place,Sun zone,Sun result,"));
        QVERIFY(rows[0].endsWith(",Ketu place,Ketu zone,Ketu result"));
        QVERIFY(rows[1].startsWith("2,\"Rao, Asha\",Uttara Ashadha,"));
        QVERIFY(rows[2].startsWith("5,Ravi,Swati,"));
        QCOMPARE(rows[1].count(','), 3 + 27 - 1 + 1);  // the quoted comma counts too
        QCOMPARE(Lines(r.err),
                 QList<QByteArray>(
                     {"line 3: birth: Please Enter Correct Date Or Month!",
                      "line 6: day: 2:30 on 8 March 2026 does not exist in America/New_York: "
                      "clocks went from 2:00 to 3:00",
                      "line 7: a quote is left open"}));
    }

    // As spreadsheets and editors write files: a byte order mark before the
    // first line, a quoted cell across lines (one record, numbered by its
    // first line, the lines after it keep theirs), a table saved in another
    // encoding than UTF-8 (refused rather than read with stand-ins).
    void spreadsheetFiles() {
        const QByteArray bom = "\xEF\xBB\xBF";
        const QByteArray jsonLine =
            "{\"birth\": {\"Name\": \"Asha\", \"Month\": 1, \"Day\": 26, \"Year\": 1990, "
            "\"Hour\": 16, \"Minute\": 5, \"Place\": \"New Delhi\"}, \"day\": {\"Month\": 7, "
            "\"Day\": 15, \"Year\": 2026, \"Hour\": 12, \"Minute\": 0, \"Place\": \"Madrid\"}}";
        const Run json = Cli({"--batch", "-"}, bom + jsonLine + "\n");
        QCOMPARE(json.exitCode, 0);
        QVERIFY2(Lines(json.out).value(1).startsWith("1,Asha,Uttara Ashadha,"),
                 json.err.constData());

        const QByteArray header = kCsv.left(kCsv.indexOf('\n') + 1);
        const Run csv =
            Cli({"--batch", "-"}, bom + header +
                                      "\"Two\nLines\",1,26,1990,16,5,New Delhi,7,15,"
                                      "2026,12,0,Madrid\n"
                                      "Ravi,1,1,2000,12,0,London,6,15,1980,10,30,Delhi\n"
                                      "Jos\xE9,1,1,2000,12,0,London,6,15,1980,10,30,Delhi\n"
                                      "Jos\xC3\xA9,1,1,2000,12,0,London,6,15,1980,10,30,Delhi\n"
                                      "Cut,1,1,2000,12,0,London,6,15,1980,10,30,Delh\xC3\n");
        QCOMPARE(csv.exitCode, 2);
        QCOMPARE(Lines(csv.err),
                 QList<QByteArray>({"line 2: birth: Please Enter Name Without Control Characters",
                                    "line 5: not UTF-8 text (save the table as UTF-8)",
                                    "line 7: not UTF-8 text (save the table as UTF-8)"}));
        const QList<QByteArray> rows = Lines(csv.out);
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith("4,Ravi,"), csv.out.constData());
        QVERIFY2(rows[2].startsWith("6,Jos\xC3\xA9,"), csv.out.constData());
    }

    // What a refused row quotes back reaches a terminal with its control
    // characters written as escapes, never as terminal commands.
    void refusalsQuoteRowsSafely() {
        const Run header = Cli({"--batch", "-"}, "birth.Name,\x1b]0;title\x07\n");
        QCOMPARE(header.exitCode, 2);
        QVERIFY2(header.err.contains("\"\\u001b]0;title\\u0007\""), header.err.constData());
        const QByteArray place = kCsv.left(kCsv.indexOf('\n') + 1) +
                                 "A,1,26,1990,16,5,\"\x1b[2JX\",7,15,2026,12,0,Madrid\n";
        const Run row = Cli({"--batch", "-"}, place);
        QCOMPARE(row.exitCode, 2);
        QVERIFY2(!row.err.contains('\x1b') && row.err.contains("\\u001b[2JX"), row.err.constData());
    }

    // Rows typed or written slowly into a pipe come back before the input
    // ends; Ctrl-C ends the batch after whole rows, with status 130.
    void rowsFromAPipeThatStaysOpen() {
        QProcess p;
        p.start(KOTACHAKRA_CLI, {"--batch", "-"});
        QVERIFY(p.waitForStarted());
        p.write(kCsv.left(kCsv.indexOf("Bad Date")));  // the header and one row
        QByteArray out;
        for (int waited = 0; !out.contains("\n2,") && waited < 100; ++waited) {
            p.waitForReadyRead(100);
            out += p.readAllStandardOutput();
        }
        QVERIFY2(out.contains("\n2,\"Rao, Asha\",Uttara Ashadha,"), out.constData());

        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 130);
        out += p.readAllStandardOutput();
        QVERIFY(out.endsWith('\n'));
        QCOMPARE(Lines(out).size(), 2);
    }

    void csvHeaderMustNameThePages() {
        const Run r = Cli({"--batch", "-"}, "Name,Month\nAsha,1\n");
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith("line 1: header column \"Name\" is not birth.KEY or day.KEY"),
                 r.err.constData());
    }

    // Every row of a batch is the reading the command line gives for that
    // chart alone: the same birth nakshatra and the same nine placements.
    void rowsEqualSingleReadings() {
        QRandomGenerator rng(20261208);
        QByteArray lines;
        QList<QJsonObject> documents;
        for (int i = 0; i < 25; ++i) {
            documents << RandomDocument(rng);
            lines += QJsonDocument(documents.last()).toJson(QJsonDocument::Compact) + "\n";
        }
        const Run batch = Cli({"--batch", "-", "--format", "json"}, lines);
        QCOMPARE(batch.exitCode, 0);
        const QList<QByteArray> rows = Lines(batch.out);
        QCOMPARE(rows.size(), documents.size());
        for (int i = 0; i < documents.size(); ++i) {
            const QJsonObject row = QJsonDocument::fromJson(rows[i]).object();
            QCOMPARE(row["line"].toInt(), i + 1);
            const Run alone =
                Cli({"--input", "-", "--format", "json"}, QJsonDocument(documents[i]).toJson());
            QCOMPARE(alone.exitCode, 0);
            const QJsonObject single = QJsonDocument::fromJson(alone.out).object();
            QCOMPARE(row["birthNakshatra"], single["birthNakshatra"]);
            QCOMPARE(row["birthKotaNakshatra"], single["birthKotaNakshatra"]);
            QCOMPARE(row["placements"], single["placements"]);
        }
    }

    void unreadableInput() {
        QTemporaryDir dir;
        const Run missing = Cli({"--batch", dir.filePath("none.csv")});
        QCOMPARE(missing.exitCode, 66);
        QVERIFY(missing.err.contains("cannot read") && missing.err.contains("No such file"));
        const Run folder = Cli({"--batch", dir.path()});
        QCOMPARE(folder.exitCode, 66);
        QVERIFY(folder.err.contains("it is a directory"));
        QCOMPARE(Cli({"--batch", "-", "--input", "x.json"}).exitCode, 64);
    }
};

QTEST_GUILESS_MAIN(TestBatchCli)
#include "tst_batch_cli.moc"
