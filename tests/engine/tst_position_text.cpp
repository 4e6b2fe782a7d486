// The long form and the nine-character position text.
#include <QtTest>
#include <cmath>

#include "chart_inputs.h"
#include "engine/position_text.h"

using namespace zkc;
using zkc::test::Long;

class TestPositionText : public QObject {
    Q_OBJECT

  private slots:
    void formatSignPosition_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("longForm");
        QTest::addColumn<QString>("positionText");
        // Source: the worked example of 1 January 2000 (Sun, Jupiter, ascendant).
        QTest::newRow("256.5256") << 256.5256 << Long(16, 31, 32, "Sag") << "16 Sag 31";
        QTest::newRow("1.5071") << 1.5071 << Long(1, 30, 25, "Ari") << "01 Ari 30";
        QTest::newRow("0.4439") << 0.4439 << Long(0, 26, 38, "Ari") << "00 Ari 26";
        // Independent hand check: 0.99999° is 59.9994′, 59′ and 59.964″,
        // truncated at each stage.
        QTest::newRow("truncated, no carry into Taurus")
            << 29.99999 << Long(29, 59, 59, "Ari") << "29 Ari 59";
        QTest::newRow("negative written as its magnitude")
            << -256.5256 << Long(16, 31, 32, "Sag") << "16 Sag 31";
        QTest::newRow("last sign") << 359.9999 << Long(29, 59, 59, "Pis") << "29 Pis 59";
        QTest::newRow("sign boundary") << 30.0 << Long(0, 0, 0, "Tau") << "00 Tau 00";
        // A longitude of exactly 360 is 0° Aries, so every text names a sign.
        QTest::newRow("exactly 360") << 360.0 << Long(0, 0, 0, "Ari") << "00 Ari 00";
        QTest::newRow("not finite") << double(NAN) << Long(0, 0, 0, "Ari") << "00 Ari 00";
    }
    void formatSignPosition() {
        QFETCH(double, x);
        QFETCH(QString, longForm);
        QFETCH(QString, positionText);
        const std::string text = FormatSignPosition(x);
        QCOMPARE(QString::fromStdString(text), longForm);
        QCOMPARE(QString::fromStdString(ToPositionText(text)), positionText);
    }

    void toPositionTextTrimsAndPads() {
        QCOMPARE(ToPositionText("  5\u00B0 7' 0\" Tau"), std::string("05 Tau 07"));
        QCOMPARE(ToPositionText("no marks here"), std::string());
    }

    void parsePositionText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wellFormed");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("minutes");
        QTest::newRow("16 Sag 31") << "16 Sag 31" << true << 16 << 8 << 31;
        QTest::newRow("00 Ari 00") << "00 Ari 00" << true << 0 << 0 << 0;
        QTest::newRow("29 Pis 59") << "29 Pis 59" << true << 29 << 11 << 59;
        QTest::newRow("degrees 30") << "30 Ari 00" << false << 0 << 0 << 0;
        QTest::newRow("minutes 60") << "10 Ari 60" << false << 0 << 0 << 0;
        QTest::newRow("seconds mark for a sign") << "00 \"  00" << false << 0 << 0 << 0;
        QTest::newRow("short") << "1 Ari 00" << false << 0 << 0 << 0;
        QTest::newRow("empty") << "" << false << 0 << 0 << 0;
    }
    void parsePositionText() {
        QFETCH(QString, text);
        QFETCH(bool, wellFormed);
        const std::string s = text.toStdString();
        const auto parsed = ParsePositionText(s);
        QCOMPARE(parsed.has_value(), wellFormed);
        if (parsed) {
            QTEST(parsed->Degrees, "degrees");
            QTEST(parsed->Sign, "sign");
            QTEST(parsed->Minutes, "minutes");
        }
    }

    // Every longitude a chart can produce writes a well-formed position text.
    void everyLongitudeGivesAWellFormedText() {
        for (int i = 0; i <= 360 * 60 * 4; ++i) {
            const double x = i / 240.0 + 1e-9 * (i % 7);
            const std::string text = ToPositionText(FormatSignPosition(x));
            QVERIFY2(ParsePositionText(text).has_value(), text.c_str());
        }
    }
};

QTEST_GUILESS_MAIN(TestPositionText)
#include "tst_position_text.moc"
