// kotachakra --export-pdf and --export-png: the reading of a chart file
// written without a window, read back with the PDF tools of the system;
// and help, which needs no display either.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "program_run.h"

namespace {

using zkc::test::Run;

Run Start(const QString& program, const QStringList& args) {
    return zkc::test::RunProgram(program, args);
}

Run Export(const QStringList& args) {
    return Start(KOTACHAKRA, args);
}

// A reading whose every line the PDF must carry: the command line's report.
const QByteArray kChart = R"({"format": "kotachakra-chart", "version": 1,
  "birth": {"Name": "Asha Rao", "Month": 1, "Day": 26, "Year": 1990, "Hour": 16, "Minute": 5,
            "Place": "New Delhi"},
  "day": {"Month": 7, "Day": 15, "Year": 2026, "Hour": 12, "Minute": 0, "Place": "Madrid"}})";

QString WriteChart(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("chart.kota");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

}  // namespace

class TestHeadlessExport : public QObject {
    Q_OBJECT

  private slots:
    void pdfCarriesTheWholeReading() {
        QTemporaryDir dir;
        const QString chart = WriteChart(dir, kChart);
        const QString pdf = dir.filePath("reading.pdf");
        const Run r = Export({"--export-pdf", pdf, chart});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        QVERIFY(r.out.isEmpty());

        // Vector text: every non-empty line of the report is in the PDF's
        // text, in the same order.
        const Run text = Start(PDFTOTEXT, {pdf, "-"});
        QCOMPARE(text.exitCode, 0);
        const Run report = Start(KOTACHAKRA_CLI, {"--input", chart});
        QCOMPARE(report.exitCode, 0);
        const QString pdfText = QString::fromUtf8(text.out).simplified();
        qsizetype from = 0;
        for (const QString& line : QString::fromUtf8(report.out).split('\n')) {
            if (line.trimmed().isEmpty()) {
                continue;
            }
            const qsizetype at = pdfText.indexOf(line.simplified(), from);
            QVERIFY2(at >= 0, qPrintable("not found in order: " + line));
            from = at;
        }

        // The document's information, as "Key: value" lines.
        QMap<QString, QString> info;
        for (const QString& line : QString::fromUtf8(Start(PDFINFO, {pdf}).out).split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0) {
                info[line.left(colon)] = line.mid(colon + 1).trimmed();
            }
        }
        QCOMPARE(info["Title"], QString("Kota Chakra of Asha Rao, 15 July 2026"));
        QVERIFY(!info["Author"].isEmpty());
        QVERIFY(info["Creator"].startsWith("Zorvik Kota Chakra v"));
        const QString paper = info["Page size"];
        QVERIFY2(paper.endsWith("(A4)") || paper.endsWith("(letter)"), qPrintable(paper));
    }

    void pngIsTheResultPageAtTwice() {
        QTemporaryDir dir;
        const QString png = dir.filePath("reading.png");
        const Run r = Export({"--export-png", png, WriteChart(dir, kChart)});
        QCOMPARE(r.exitCode, 0);
        const QImage picture(png);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() > 1000 && picture.width() % 2 == 0);
        // The page fills the picture to its corners: no blank margin.
        const QColor frameGreen = picture.pixelColor(picture.width() / 2, 4);
        for (const QPoint corner : {QPoint(picture.width() - 6, 4), QPoint(4, picture.height() - 6),
                                    QPoint(picture.width() - 6, picture.height() - 6)}) {
            QVERIFY2(picture.pixelColor(corner) == frameGreen,
                     qPrintable(QString("%1 at (%2, %3) of a %4 × %5 picture, expected %6")
                                    .arg(picture.pixelColor(corner).name())
                                    .arg(corner.x())
                                    .arg(corner.y())
                                    .arg(picture.width())
                                    .arg(picture.height())
                                    .arg(frameGreen.name())));
        }
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("chart");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused chart")
            << QStringList{"--export-pdf", "OUT/reading.pdf", "CHART"}
            << QByteArray(R"({"format": "kotachakra-chart", "version": 7})") << 2
            << "chart.kota: a chart file of version 7";
        QTest::newRow("a page check")
            << QStringList{"--export-pdf", "OUT/reading.pdf", "CHART"}
            << QByteArray(kChart).replace("Asha Rao", "") << 2 << "birth: Please Enter Name";
        QTest::newRow("unreadable chart")
            << QStringList{"--export-pdf", "OUT/reading.pdf", "OUT/none.kota"} << kChart << 66
            << "cannot read none.kota: no such file";
        QTest::newRow("output not written")
            << QStringList{"--export-png", "OUT/missing/reading.png", "CHART"} << kChart << 74
            << "cannot save reading.png";
        QTest::newRow("no chart") << QStringList{"--export-pdf", "OUT/reading.pdf"} << kChart << 64
                                  << "an export needs the chart file";
        QTest::newRow("two exports at once")
            << QStringList{"--export-pdf", "OUT/reading.pdf", "--export-png", "OUT/reading.png",
                           "CHART"}
            << kChart << 64 << "one export at a time";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, chart);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString chartPath = WriteChart(dir, chart);
        for (QString& a : args) {
            a.replace("OUT", dir.path());
            a.replace("CHART", chartPath);
        }
        const Run r = Export(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("reading.pdf")));
    }

    // -h and --help answer without a display.
    void helpWithoutADisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("-h") << "-h";
        QTest::newRow("--help") << "--help";
    }
    void helpWithoutADisplay() {
        QFETCH(QString, option);
        const Run r = zkc::test::RunProgram(KOTACHAKRA, {option}, {}, [](QProcess& p) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
                env.remove(name);
            }
            p.setProcessEnvironment(env);
        });
        QCOMPARE(r.exitCode, 0);  // −1 had it crashed
        QVERIFY2(r.out.startsWith("Usage: kotachakra"), r.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestHeadlessExport)
#include "tst_headless_export.moc"
