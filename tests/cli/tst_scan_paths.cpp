// Whole scans by the longitudes as numbers against the same scans by the
// chart pass and its position texts, byte for byte, on one thread and on
// several.
#include <QtTest>
#include <cstdio>
#include <string>

#include "chart_inputs.h"
#include "cli/scan.h"

using namespace zkc;

namespace {

std::string ScanText(const ChartInput& birth, const ChartInput& day, cli::ScanRequest request) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    cli::RunScan(birth, day, request, out, nullptr);
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Where two texts first differ, for the failure message.
QString FirstDifference(const std::string& expected, const std::string& actual) {
    std::size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
        ++i;
    }
    const std::size_t lineStart =
        expected.rfind('\n', i) == std::string::npos ? 0 : expected.rfind('\n', i) + 1;
    return QString("at byte %1 of %2 (got %3 bytes): expected line \"%4\", got \"%5\"")
        .arg(i)
        .arg(expected.size())
        .arg(actual.size())
        .arg(QString::fromStdString(expected.substr(lineStart, expected.find('\n', i) - lineStart)))
        .arg(QString::fromStdString(actual.substr(lineStart, actual.find('\n', i) - lineStart)));
}

}  // namespace

class TestScanPaths : public QObject {
    Q_OBJECT

  private slots:
    void numbersGiveTheBytesOfTheTexts_data() {
        QTest::addColumn<ChartInput>("birth");
        QTest::addColumn<ChartInput>("day");
        QTest::addColumn<QString>("until");
        QTest::addColumn<int>("stepMinutes");
        QTest::addColumn<bool>("json");
        QTest::addColumn<bool>("changesOnly");
        const ChartInput delhiBirth = test::MakeInput(1990, 1, 26, 16, 5, 5, 30, test::kDelhi);
        // Birth Moon at 8° Capricorn: an Abhijit birth.
        const ChartInput abhijitBirth =
            test::MakeInput(2000, 1, 7, 22, 0, 0, 0, test::kGreenwich51);
        const ChartInput southWest =
            test::MakeInput(1975, 8, 3, 6, 45, 3, 0, {43, 12, false, 22, 54, true});
        QTest::newRow("CSV, 7 minutes, 3 weeks")
            << delhiBirth << test::MakeInput(2026, 12, 8, 9, 0, 5, 30, test::kDelhi) << "2026-12-29"
            << 7 << false << false;
        QTest::newRow("JSON lines, 13 minutes, Abhijit birth")
            << abhijitBirth << test::MakeInput(1913, 3, 28, 0, 0, 0, 0, test::kGreenwich51)
            << "1913-04-08" << 13 << true << false;
        QTest::newRow("changes only, every minute, western zone")
            << southWest
            << test::MakeInput(2049, 12, 28, 23, 10, 3, 0, {43, 12, false, 22, 54, true})
            << "2050-01-02T04:00" << 1 << false << true;
        ChartInput offsetDay =
            test::MakeInput(1962, 1, 25, 0, 0, 0, 0, {2, 21, true, 48, 51, false});
        offsetDay.UtcOffsetMinutes = 60;
        QTest::newRow("changes only, JSON, explicit offset, Mercury's station")
            << delhiBirth << offsetDay << "1962-02-01" << 1 << true << true;
    }
    void numbersGiveTheBytesOfTheTexts() {
        QFETCH(ChartInput, birth);
        QFETCH(ChartInput, day);
        QFETCH(QString, until);
        QFETCH(int, stepMinutes);
        QFETCH(bool, json);
        QFETCH(bool, changesOnly);
        const QDateTime end =
            QDateTime::fromString(until.size() == 10 ? until + "T00:00" : until, Qt::ISODate);
        cli::ScanRequest request;
        request.Until = {end.date().year(), end.date().month(), end.date().day(), end.time().hour(),
                         end.time().minute()};
        request.StepMinutes = stepMinutes;
        request.Format = json ? cli::ScanFormat::JsonLines : cli::ScanFormat::Csv;
        request.ChangesOnly = changesOnly;
        request.Path = cli::ScanPath::Texts;
        request.Jobs = 1;
        const std::string texts = ScanText(birth, day, request);
        QVERIFY(texts.size() > 1000);
        request.Path = cli::ScanPath::Numbers;
        for (int jobs : {1, 3}) {
            request.Jobs = jobs;
            const std::string numbers = ScanText(birth, day, request);
            QVERIFY2(numbers == texts,
                     qPrintable(QString("jobs %1: ").arg(jobs) + FirstDifference(texts, numbers)));
        }
    }
};

QTEST_APPLESS_MAIN(TestScanPaths)
#include "tst_scan_paths.moc"
