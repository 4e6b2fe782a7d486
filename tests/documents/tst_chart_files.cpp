// Chart files: what is written reads back the same, what is not a chart is
// refused with its reason, and a write that fails leaves the old file whole.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "documents/chart_document.h"
#include "documents/chart_file.h"
#include "documents/page_checks.h"
#include "filled_page.h"

using namespace zkc;

namespace {

// The pages every test here writes: dates and times unlike the lists'
// first entries, so that a field read back wrong shows.
PageFields Page(bool birth) {
    return test::DelhiPage(birth, 2026, 7, 15, 12, 5);
}

// Every field of a page, for comparisons that name what differs.
QStringList Describe(const PageFields& p) {
    return {QString::fromStdString(p.Name),
            QString::number(p.MonthIndex),
            QString::number(p.DayIndex),
            QString::number(p.Year),
            QString::number(p.Hour),
            QString::number(p.Minute),
            QString::fromStdString(p.ZoneHour),
            QString::fromStdString(p.ZoneMinute),
            QString::fromStdString(p.LonDegrees),
            QString::fromStdString(p.LonMinutes),
            QString::fromStdString(p.LatDegrees),
            QString::fromStdString(p.LatMinutes),
            p.IsDaylightSaving ? "DST" : "-",
            p.IsEast ? "E" : "W",
            p.IsSouth ? "S" : "N",
            QString::fromStdString(p.City),
            QString::fromStdString(p.State),
            QString::fromStdString(p.Country),
            QString::fromStdString(p.TimeZone),
            p.UtcOffsetMinutes ? QString::number(*p.UtcOffsetMinutes) : "no offset",
            p.Place ? QString::fromStdString(p.Place->Name + "|" + p.Place->State + "|" +
                                             p.Place->Country + "|" + p.Place->CountryCode)
                    : "no place"};
}

QByteArray Document(const QByteArray& birth, const QByteArray& day, const QByteArray& extra = {}) {
    return "{" + extra + "\"birth\": " + birth + ", \"day\": " + day + "}";
}

const QByteArray kBirth =
    R"({"Name": "A", "Month": 1, "Day": 26, "Year": 1990, "Hour": 16, "Minute": 5,
        "ZoneHours": 5, "ZoneMinutes": 30, "LongitudeDegrees": 77, "LongitudeMinutes": 13,
        "IsEast": true, "LatitudeDegrees": 28, "LatitudeMinutes": 39, "IsSouth": false,
        "IsDaylightSaving": false})";
const QByteArray kDay =
    R"({"Month": 7, "Day": 15, "Year": 2026, "Hour": 12, "Minute": 0, "ZoneHours": 1,
        "ZoneMinutes": 0, "LongitudeDegrees": 3, "LongitudeMinutes": 42, "IsEast": false,
        "LatitudeDegrees": 40, "LatitudeMinutes": 25, "IsSouth": false,
        "IsDaylightSaving": true})";

}  // namespace

Q_DECLARE_METATYPE(zkc::PageFields)

class TestChartFiles : public QObject {
    Q_OBJECT

  private slots:
    // A written chart reads back as the very pages it was written from.
    void roundTrip_data() {
        QTest::addColumn<PageFields>("birth");
        QTest::addColumn<PageFields>("day");
        QTest::newRow("zone fields") << Page(true) << Page(false);

        PageFields picker = Page(true);
        picker.ZoneHour = "-5";  // as the zone picker writes an eastern zone
        picker.ZoneMinute = "-30";
        PageFields west = Page(false);
        west.IsEast = false;
        west.IsSouth = true;
        west.IsDaylightSaving = true;
        QTest::newRow("signed zone fields, west and south") << picker << west;

        PageFields bound = Page(false);
        bound.City = "Madrid";
        bound.State = "Madrid";
        bound.Country = "Spain";
        bound.LonDegrees = "3";
        bound.LonMinutes = "42";
        bound.IsEast = false;
        bound.LatDegrees = "40";
        bound.LatMinutes = "25";
        bound.ZoneHour = "1";
        bound.ZoneMinute = "0";
        bound.IsDaylightSaving = true;
        bound.TimeZone = "Europe/Madrid";
        bound.Place = PageFields::AtlasPlace{"Madrid", "Madrid", "Spain", "ES"};
        QTest::newRow("bound to a town's zone") << Page(true) << bound;

        PageFields offset = Page(false);
        offset.UtcOffsetMinutes = -270;
        QTest::newRow("explicit offset") << Page(true) << offset;
    }
    void roundTrip() {
        QFETCH(PageFields, birth);
        QFETCH(PageFields, day);
        const auto read = PagesFromJson(ChartDocument({birth, day}));
        if (const auto* error = std::get_if<DocumentError>(&read)) {
            QFAIL(qPrintable(error->Message));
        }
        QCOMPARE(Describe(std::get<Pages>(read).Birth), Describe(birth));
        QCOMPARE(Describe(std::get<Pages>(read).Day), Describe(day));
    }

    void writtenDocumentNamesItsFormat() {
        const QByteArray text = ChartDocument({Page(true), Page(false)});
        QVERIFY(text.contains("\"format\": \"kotachakra-chart\""));
        QVERIFY(text.contains("\"version\": 1"));
        QVERIFY(!text.contains("\"Name\": \"\""));  // the day's page has no name
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("Kota Chakra of Asha") << "not a JSON document";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "expected an object";
        QTest::newRow("another format")
            << Document(kBirth, kDay, R"("format": "horoscope", )")
            << "not a chart file (format \"horoscope\", expected \"kotachakra-chart\")";
        QTest::newRow("a newer version")
            << Document(kBirth, kDay, R"("format": "kotachakra-chart", "version": 2, )")
            << "a chart file of version 2, newer than this program reads (version 1)";
        QTest::newRow("version as text")
            << Document(kBirth, kDay, R"("version": "1", )") << "version: expected a whole number";
        QTest::newRow("a year as text")
            << Document(QByteArray(kBirth).replace("\"Year\": 1990", "\"Year\": \"1990\""), kDay)
            << "birth.Year: expected a whole number";
        QTest::newRow("no day") << QByteArray("{\"birth\": ") + kBirth + "}"
                                << "day: expected an object";
        // Read well, but a page the window's checks refuse: 31 February.
        QTest::newRow("a page check") << Document(QByteArray(kBirth)
                                                      .replace("\"Month\": 1,", "\"Month\": 2,")
                                                      .replace("\"Day\": 26", "\"Day\": 31"),
                                                  kDay)
                                      << "birth: Please Enter Correct Date Or Month!";
    }
    void refusals() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("chart.kota");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const auto read = ReadChartFile(path);
        QVERIFY(std::holds_alternative<ChartFileError>(read));
        const ChartFileError& error = std::get<ChartFileError>(read);
        QCOMPARE(error.What, ChartFileError::Kind::Refused);
        QVERIFY2(error.Message.startsWith("chart.kota: ") && error.Message.contains(reason),
                 qPrintable(error.Message));
    }

    void unreadableFiles() {
        QTemporaryDir dir;
        const auto reason = [](const QString& path) {
            const auto read = ReadChartFile(path);
            const ChartFileError& e = std::get<ChartFileError>(read);
            return e.What == ChartFileError::Kind::Unreadable ? e.Message : "refused: " + e.Message;
        };
        QCOMPARE(reason(dir.filePath("none.kota")), QString("cannot read none.kota: no such file"));
        QVERIFY(QDir(dir.path()).mkdir("folder.kota"));
        QCOMPARE(reason(dir.filePath("folder.kota")),
                 QString("cannot read folder.kota: it is a folder"));
        QFile big(dir.filePath("big.kota"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(kLargestChartDocumentBytes + 1, ' '));
        big.close();
        // Refused (status 2 of an export), as the command line refuses an
        // input over the limit.
        QCOMPARE(reason(big.fileName()),
                 QString("refused: big.kota: larger than 1 MB, so not a chart file"));
        QCOMPARE(reason("/dev/zero"),
                 QString("refused: zero: larger than 1 MB, so not a chart file"));
    }

    // A write that fails half way (the file size limit of the process stops
    // it after a few bytes) leaves the old chart as it was, and no stray
    // temporary file beside it.
    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("chart.kota");
        QVERIFY(!WriteChartFile(path, {Page(true), Page(false)}).has_value());
        const QByteArray old = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        PageFields renamed = Page(true);
        renamed.Name = "Someone Else";
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        signal(SIGXFSZ, SIG_IGN);  // a refused write, not a killed process
        rlimit small = saved;
        small.rlim_cur = 100;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const std::optional<QString> error = WriteChartFile(path, {renamed, Page(false)});
        QVERIFY(setrlimit(RLIMIT_FSIZE, &saved) == 0);
        signal(SIGXFSZ, SIG_DFL);

        QVERIFY(error.has_value());
        QVERIFY2(error->startsWith("cannot save chart.kota: "), qPrintable(*error));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"chart.kota"}));
    }

    // A named pipe a script reads from (or a device such as /dev/stdout)
    // takes the bytes in place: renaming a finished copy over it would put a
    // plain file where the pipe was, and the reader would get nothing.
    void writeIntoANamedPipe() {
        QTemporaryDir dir;
        const QByteArray fifo = dir.filePath("reading.pdf").toLocal8Bit();
        QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
        const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        const QByteArray bytes("%PDF-1.4 a short document");

        const auto error = WriteFileAtomically(QString::fromLocal8Bit(fifo), bytes);

        QVERIFY2(!error.has_value(), qPrintable(error.value_or("")));
        char received[64] = {};
        const ssize_t n = read(reader, received, sizeof received);
        close(reader);
        QCOMPARE(QByteArray(received, static_cast<int>(std::max<ssize_t>(n, 0))), bytes);
        struct stat after {};
        QVERIFY(stat(fifo.constData(), &after) == 0);
        QVERIFY2(S_ISFIFO(after.st_mode), "the named pipe was replaced by a plain file");
    }

    void writeIntoAMissingFolder() {
        QTemporaryDir dir;
        const auto error =
            WriteChartFile(dir.filePath("gone/chart.kota"), {Page(true), Page(false)});
        QVERIFY(error.has_value());
        QVERIFY2(error->startsWith("cannot save chart.kota: "), qPrintable(*error));
    }

    void pageChecksNameThePage() {
        PageFields blank = Page(true);
        blank.Name = "  ";
        QCOMPARE(PageCheckFailure({blank, Page(false)}).value_or(""),
                 QString("birth: Please Enter Name"));
        PageFields april = Page(false);
        april.MonthIndex = 3;
        april.DayIndex = 30;
        QCOMPARE(PageCheckFailure({Page(true), april}).value_or(""),
                 QString("day: Please Enter Correct Date Or Month !"));
        QVERIFY(!PageCheckFailure({Page(true), Page(false)}).has_value());
    }
};

QTEST_GUILESS_MAIN(TestChartFiles)
#include "tst_chart_files.moc"
