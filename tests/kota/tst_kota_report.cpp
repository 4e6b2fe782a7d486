// The reading report: its sections, runs, colours, weights and line breaks.
#include <QtTest>

#include "chart_inputs.h"
#include "driver/chart_calculation.h"
#include "engine/month_names.h"
#include "kota/kota_chakra.h"
#include "kota/report.h"

using namespace zkc;
using zkc::test::MakeInput;
using zkc::test::Q;

namespace {

ChartInput Birth() {
    // Independent hand check: 10:35 UT; the 25-term series worked through
    // separately gives λs = 278.0080°, 8° 0′ 28″ Cap: Moon 08 Cap 00, Abhijit.
    ChartInput in = MakeInput(1990, 1, 26, 16, 5, 5, 30, test::kDelhi);
    in.Name = "Asha Rao";
    in.City = "New Delhi";
    in.State = "Delhi";
    in.Country = "India";
    return in;
}

ChartInput Day() {
    ChartInput in = MakeInput(2000, 1, 1, 12, 0, 0, 0, {0, 0, false, 33, 52, true});
    in.City = "Greenwich";
    in.Country = "United Kingdom";
    return in;
}

struct Reading {
    ChartCalculation charts;
    ReportRunList runs;
    KotaReading reading;
};

std::unique_ptr<Reading> Read(const ChartInput& birth, const ChartInput& day) {
    auto r = std::make_unique<Reading>();
    r->charts.Calculate(birth, day);
    r->reading = Kota_Chakra(r->charts.BirthChart(), r->charts.OracleChart(), r->runs);
    return r;
}

QString AllText(const ReportRunList& runs) {
    QString text;
    for (const ReportRun& run : runs.Runs()) {
        text += Q(run.Text);
    }
    return text;
}

// The lines of one section: from its heading to the next heading.
QStringList SectionLines(const ReportRunList& runs, const QString& heading) {
    const QStringList lines = AllText(runs).split("\r\n");
    const int start = static_cast<int>(lines.indexOf(heading));
    QStringList section;
    for (int i = start + 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
        section << lines[i];
    }
    return section;
}

// A run as a failure message shows it: text with its line breaks spelled
// out, colour and weight.
QString Shown(const ReportRun& run) {
    QString text = Q(run.Text);
    text.replace("\r", "\\r").replace("\n", "\\n");
    return QString("[%1] rgb(%2, %3, %4) %5")
        .arg(text)
        .arg(run.Colour.Red)
        .arg(run.Colour.Green)
        .arg(run.Colour.Blue)
        .arg(run.Bold ? "bold" : "regular");
}

QByteArray Differs(const QString& where, const ReportRun& actual, const ReportRun& expected) {
    return QString("%1: actual %2, expected %3")
        .arg(where, Shown(actual), Shown(expected))
        .toUtf8();
}

const ReportColour kRed = kReportRed;
const ReportColour kGreen = kReportGreen;
const ReportColour kBlack = kReportBlack;
const ReportColour kMagenta = kReportMagenta;

}  // namespace

class TestKotaReport : public QObject {
    Q_OBJECT

  private slots:
    void personalDetailsRunByRun() {
        const auto r = Read(Birth(), Day());
        const std::vector<ReportRun> expected = {
            {"Personal Details\r\n", kRed, true},
            {"Name: \r\n", kGreen, true},
            {"Asha Rao\r\n", kGreen, false},
            {"Date of Birth: \r\n", kGreen, true},
            {"January 26, 1990\r\n", kGreen, false},
            {"Time of Birth: \r\n", kGreen, true},
            {"16 Hour 5 Minute\r\n", kGreen, false},
            {"Time Zone: \r\n", kGreen, true},
            {"5:30\r\n", kGreen, false},
            {"Longitude: \r\n", kGreen, true},
            {"77 Degree 13 Minute", kGreen, false},
            {" East\r\n", kGreen, false},
            {"Latitude: \r\n", kGreen, true},
            {"28 Degree 39 Minute", kGreen, false},
            {" North\r\n", kGreen, false},
            {"City: \r\n", kGreen, true},
            {"New Delhi\r\n", kGreen, false},
            {"State: \r\n", kGreen, true},
            {"Delhi\r\n", kGreen, false},
            {"Country: \r\n", kGreen, true},
            {"India\r\n\r\n", kGreen, false},
            {"Details of the Outcome\r\n", kRed, true},
            {"Date: \r\n", kGreen, true},
            {"January 1, 2000\r\n", kGreen, false},
            {"Time: \r\n", kGreen, true},
            {"12 Hour 0 Minute\r\n", kGreen, false},
            {"Time Zone: \r\n", kGreen, true},
            {"0:0\r\n", kGreen, false},
            {"Longitude: \r\n", kGreen, true},
            {"0 Degree 0 Minute", kGreen, false},
            {" West\r\n", kGreen, false},
            {"Latitude: \r\n", kGreen, true},
            {"33 Degree 52 Minute", kGreen, false},
            {" South\r\n", kGreen, false},
            {"City: \r\n", kGreen, true},
            {"Greenwich\r\n", kGreen, false},
            {"State: \r\n", kGreen, true},
            {"\r\n", kGreen, false},  // an empty state gives an empty value line
            {"Country: \r\n", kGreen, true},
            {"United Kingdom\r\n\r\n", kGreen, false},
            // The 27-scheme name, although the ring starts at Abhijit.
            {"Birth Nakshatra\r\n", kRed, true},
            {"Uttara Ashadha\r\n\r\n", kRed, false},
            {"Current Position of Planets\r\n", kRed, true},
            {"Sun - ", kGreen, true},
            // Source: the worked example of 1 January 2000 (Sun 16 Sag 31).
            {" 16 Sag 31\r\n", kBlack, false},
        };
        const std::vector<ReportRun> head(
            r->runs.Runs().begin(), r->runs.Runs().begin() + static_cast<long>(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(head[i] == expected[i],
                     Differs(QString("run %1").arg(i), head[i], expected[i]).constData());
        }
    }

    void sectionsInOrderWithTheirLengths() {
        const auto r = Read(Birth(), Day());
        QStringList headings;
        for (const ReportRun& run : r->runs.Runs()) {
            if (run.Colour == kRed && run.Bold) {
                headings << Q(run.Text).trimmed();
            }
        }
        QCOMPARE(headings,
                 QStringList(
                     {"Personal Details", "Details of the Outcome", "Birth Nakshatra",
                      "Current Position of Planets", "Positions of Nakshatras in Kota Chakra Chart",
                      "Positions of Planets in Kota Chakra Chart", "Kota Chakra Interpretation"}));
        QCOMPARE(SectionLines(r->runs, "Current Position of Planets").size(), 11);
        QCOMPARE(SectionLines(r->runs, "Positions of Nakshatras in Kota Chakra Chart").size(), 28);
        QCOMPARE(SectionLines(r->runs, "Positions of Planets in Kota Chakra Chart").size(), 9);
        // Source: the worked example of 1 January 2000 (midheaven 15 Sag 45,
        // which the latitude does not move).
        QCOMPARE(SectionLines(r->runs, "Current Position of Planets").last(),
                 QString("Midheaven -  15 Sag 45"));
        QCOMPARE(SectionLines(r->runs, "Positions of Nakshatras in Kota Chakra Chart").first(),
                 QString("Position 1 - Abhijit"));
        QCOMPARE(SectionLines(r->runs, "Positions of Nakshatras in Kota Chakra Chart").last(),
                 QString("Position 28 - Uttara Ashadha"));
    }

    void interpretationRuns() {
        const auto r = Read(Birth(), Day());
        const auto& runs = r->runs.Runs();
        // The report ends with the ninth body's three lines: Ketu, 10 Cap 16,
        // in Shravana at place 2 of the ring from Abhijit (the hand check
        // below).
        const std::vector<ReportRun> tail(runs.end() - 6, runs.end());
        const std::vector<ReportRun> expected = {
            {"Ketu - ", kMagenta, true},     {"Malefic Planet\r\n", kBlack, false},
            {"Position - ", kMagenta, true}, {"Entering\r\n", kBlack, false},
            {"Result - ", kMagenta, true},   {"NA\r\n\r\n", kBlack, false},
        };
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(tail[i] == expected[i],
                     Differs(QString("run %1 from the end").arg(expected.size() - i), tail[i],
                             expected[i])
                         .constData());
        }
        QVERIFY(AllText(r->runs).contains("Kota Chakra Interpretation\r\n\r\nSun - "));
        int bodies = 0;
        for (const ReportRun& run : runs) {
            bodies += run.Colour == kMagenta && run.Text == "Result - ";
        }
        QCOMPARE(bodies, 9);
    }

    // The day's bodies are those of the worked example of 1 January 2000
    // (source: its position texts, and the table of Moon positions for the
    // Moon). Independent hand check of the ring from Abhijit (21): a body in
    // nakshatra k stands at place ((k − 21) mod 28) + 1; (place − 1) mod 7
    // gives 0–2 Entering, 3 Innermost, 4–6 Exiting.
    //   Sun      16 Sag 31  Purva Ashadha 19  → 27, 5 Exiting,   malefic: Not Adverse
    //   Moon     19 Lib 27  Swati 14          → 22, 0 Entering:  NA
    //   Mercury  08 Sag 03  Moola 18          → 26, 4 Exiting,   benefic: Adverse
    //   Venus    07 Sco 43  Anuradha 16       → 24, 2 Entering:  NA
    //   Mars     04 Aqu 07  Shatabhisha 24    →  4, 3 Innermost, malefic: Adverse
    //   Jupiter  01 Ari 30  Ashwini 0         →  8, 0 Entering:  NA
    //   Saturn   16 Ari 21  Bharani 1         →  9, 1 Entering:  NA
    //   Rahu     10 Can 16  Pushya 7          → 15, 0 Entering:  NA
    //   Ketu     10 Cap 16  Shravana 22       →  2, 1 Entering:  NA
    void placesAndInterpretationByHand() {
        const auto r = Read(Birth(), Day());
        QCOMPARE(SectionLines(r->runs, "Positions of Planets in Kota Chakra Chart"),
                 QStringList({"Sun - 27", "Moon - 22", "Mercury - 26", "Venus - 24", "Mars - 4",
                              "Jupiter - 8", "Saturn - 9", "Rahu - 15", "Ketu - 2"}));
        const QString all = AllText(r->runs);
        const QString heading = "Kota Chakra Interpretation\r\n\r\n";
        QVERIFY(all.contains(heading));
        const QStringList interpretation =
            all.mid(all.indexOf(heading) + heading.size()).split("\r\n\r\n", Qt::SkipEmptyParts);
        QCOMPARE(interpretation,
                 QStringList({
                     "Sun - Malefic Planet\r\nPosition - Exiting\r\nResult - Not Adverse",
                     "Moon - Benefic Planet\r\nPosition - Entering\r\nResult - NA",
                     "Mercury - Benefic Planet\r\nPosition - Exiting\r\nResult - Adverse",
                     "Venus - Benefic Planet\r\nPosition - Entering\r\nResult - NA",
                     "Mars - Malefic Planet\r\nPosition - Innermost\r\nResult - Adverse",
                     "Jupiter - Benefic Planet\r\nPosition - Entering\r\nResult - NA",
                     "Saturn - Malefic Planet\r\nPosition - Entering\r\nResult - NA",
                     "Rahu - Malefic Planet\r\nPosition - Entering\r\nResult - NA",
                     "Ketu - Malefic Planet\r\nPosition - Entering\r\nResult - NA",
                 }));
    }

    // A report replaces the whole content of its destination.
    void secondReportLeavesNoTrace() {
        ChartCalculation charts;
        PlainTextSink text;
        ChartInput first = Birth();
        charts.Calculate(first, Day());
        Kota_Chakra(charts.BirthChart(), charts.OracleChart(), text);
        const std::string once = text.Text();
        ChartInput second = Birth();
        second.Name = "Someone Else";
        charts.Calculate(second, Day());
        Kota_Chakra(charts.BirthChart(), charts.OracleChart(), text);
        QVERIFY(!Q(text.Text()).contains("Asha Rao"));
        // "Someone Else" has 12 characters where "Asha Rao" had 8.
        QCOMPARE(text.Text().size(), once.size() + 12 - 8);
    }

    // A resolved offset is written signed, with its zone; the zone fields
    // keep their plain form. Source: the report's zone line, hand-written.
    void zoneLine_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Madrid summer") << 120 << "Europe/Madrid"
                                       << "+2:0 Europe/Madrid";
        QTest::newRow("Kathmandu") << 345 << "Asia/Kathmandu"
                                   << "+5:45 Asia/Kathmandu";
        QTest::newRow("explicit, west") << -270 << ""
                                        << "-4:30";
        QTest::newRow("Greenwich") << 0 << "Europe/London"
                                   << "+0:0 Europe/London";
    }
    void zoneLine() {
        QFETCH(int, offset);
        QFETCH(QString, zone);
        ChartInput day = Day();
        day.UtcOffsetMinutes = static_cast<std::int16_t>(offset);
        day.TimeZone = zone.toStdString();
        const auto r = Read(Birth(), day);
        const QStringList lines = AllText(r->runs).split("\r\n");
        const int details = static_cast<int>(lines.indexOf("Details of the Outcome"));
        const int zoneLabel = static_cast<int>(lines.indexOf("Time Zone: ", details));
        QTEST(lines.value(zoneLabel + 1), "expected");
        // The birth page keeps its fields' form.
        QCOMPARE(lines.value(static_cast<int>(lines.indexOf("Time Zone: ")) + 1), QString("5:30"));
    }

    void monthNames() {
        QCOMPARE(Q(MonthName(1)), QString("January"));
        QCOMPARE(Q(MonthName(12)), QString("December"));
        QVERIFY(MonthName(13).empty());
    }
};

QTEST_GUILESS_MAIN(TestKotaReport)
#include "tst_kota_report.moc"
