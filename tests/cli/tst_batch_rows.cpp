// The rows of a batch: lines read in blocks from a descriptor, and CSV
// fields and cells read as the keys of a chart.
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "cli/csv_rows.h"
#include "cli/line_reader.h"
#include "documents/chart_document.h"

namespace {

using zkc::cli::LineReader;

struct ReadLine {
    long long number;
    std::string text;
    bool tooLong;
};

// Every line of `content`, read through a file as the batch reads its input.
std::vector<ReadLine> LinesOf(const QByteArray& content) {
    QTemporaryDir dir;
    const QString path = dir.filePath("input");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.close();
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    LineReader reader(fd);
    std::vector<ReadLine> lines;
    while (auto line = reader.Next()) {
        lines.push_back({reader.Number(), line->text, line->tooLong});
    }
    ::close(fd);
    return lines;
}

QString Shown(const std::vector<ReadLine>& lines) {
    QStringList shown;
    for (const ReadLine& l : lines) {
        shown << QString("%1:%2%3")
                     .arg(l.number)
                     .arg(QString::fromStdString(l.text).replace('\r', "\\r"))
                     .arg(l.tooLong ? " (too long)" : "");
    }
    return shown.join(" | ");
}

QStringList Fields(const std::string& line, bool* closed = nullptr) {
    std::vector<std::string> fields;
    const bool ok = zkc::cli::SplitCsv(line, fields);
    if (closed) {
        *closed = ok;
    }
    QStringList shown;
    for (const std::string& f : fields) {
        shown << QString::fromStdString(f);
    }
    return shown;
}

}  // namespace

class TestBatchRows : public QObject {
    Q_OBJECT

  private slots:
    // Line ends are LF or CRLF wherever the blocks of the read fall; the
    // last line needs no end, and an ended last line is not followed by an
    // empty one.
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const QByteArray block(65535, 'x');  // the reader's block is 64 KiB
        QTest::newRow("ended") << QByteArray("a\nb\n") << "1:a | 2:b";
        QTest::newRow("last without end") << QByteArray("a\nb") << "1:a | 2:b";
        QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << "1:a | 2:b";
        QTest::newRow("lone CR kept") << QByteArray("a\rb\n") << "1:a\\rb";
        QTest::newRow("empty lines counted") << QByteArray("\n\na\n") << "1: | 2: | 3:a";
        QTest::newRow("nothing") << QByteArray() << "";
        QTest::newRow("CR and LF in two blocks") << block + "\r\nb\n"
                                                 << "1:" + QString(block) + " | 2:b";
        QTest::newRow("LF first in the next block") << QByteArray(65536, 'y') + "\nb"
                                                    << "1:" + QString(65536, 'y') + " | 2:b";
    }
    void lineEnds() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(Shown(LinesOf(content)), expected);
    }

    // A line longer than a chart document may be is named, not kept, and
    // the lines after it keep their numbers.
    void overlongLine() {
        const QByteArray huge(zkc::kLargestChartDocumentBytes + 10, 'z');
        const auto lines = LinesOf("a\n" + huge + "\nb\n");
        QCOMPARE(Shown(lines), QString("1:a | 2: (too long) | 3:b"));
    }

    void csvFields() {
        QCOMPARE(Fields("a,b,,c"), QStringList({"a", "b", "", "c"}));
        QCOMPARE(Fields(""), QStringList({""}));
        QCOMPARE(Fields("\"Rao, Asha\",1"), QStringList({"Rao, Asha", "1"}));
        QCOMPARE(Fields("\"say \"\"hi\"\"\",x"), QStringList({"say \"hi\"", "x"}));
        QCOMPARE(Fields("ab\"c,d\"e,f"), QStringList({"abc,de", "f"}));
        bool closed = true;
        Fields("a,\"open", &closed);
        QVERIFY(!closed);
    }

    // A cell is read as the kind its key has: "+5" and "yes" are a number
    // and a flag, a blank cell is a missing key and names the fault.
    void cellsReadAsTheirKeys() {
        const auto layout = std::get<zkc::cli::CsvLayout>(zkc::cli::CsvHeader(
            "birth.Name,birth.Month,birth.Day,birth.Year,birth.Hour,birth.Minute,"
            "birth.ZoneHours,birth.ZoneMinutes,birth.LongitudeDegrees,birth.LongitudeMinutes,"
            "birth.IsEast,birth.LatitudeDegrees,birth.LatitudeMinutes,birth.IsSouth,"
            "birth.IsDaylightSaving,day.Month,day.Day,day.Year,day.Hour,day.Minute,day.Place"));
        const auto row = [&layout](const char* line) {
            std::vector<std::string> cells;
            zkc::cli::SplitCsv(line, cells);
            return zkc::cli::PagesOfRow(layout, cells);
        };
        const auto refusal = [&row](const char* line) {
            const auto pages = row(line);
            return std::holds_alternative<zkc::DocumentError>(pages)
                       ? std::get<zkc::DocumentError>(pages).Message
                       : QString("(admitted)");
        };
        const char* goodLine =
            " 1990 ,+1,26,1990,16,5,5,30,77,13,yes,28,39,No,0,7,15,2026,12,0,Madrid";
        QCOMPARE(refusal(goodLine), QString("(admitted)"));
        const zkc::PageFields birth = std::get<zkc::Pages>(row(goodLine)).Birth;
        QCOMPARE(birth.Name, std::string("1990"));  // a name may be digits
        QCOMPARE(birth.MonthIndex, 0);
        QVERIFY(birth.IsEast && !birth.IsSouth && !birth.IsDaylightSaving);
        QCOMPARE(refusal("A,1,26,1990,16,5,5,30,77,13,perhaps,28,39,no,0,7,15,2026,12,0,Madrid"),
                 QString("birth.IsEast: expected a flag (true or false)"));
        QCOMPARE(refusal("A,1,26,1990,16,5,5,30,77,13,yes,28,39,no,0,7,15,2026,1.5,0,Madrid"),
                 QString("day.Hour: expected a whole number"));
        QCOMPARE(refusal("A,1,26,1990,16,5,5,30,77,13,yes,28,39,no,0,7,15,2026,12,0,  "),
                 QString("day.ZoneHours: missing number"));
    }
};

QTEST_GUILESS_MAIN(TestBatchRows)
#include "tst_batch_rows.moc"
