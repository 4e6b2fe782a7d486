// The 28-nakshatra table and the lookup of a position's nakshatra.
#include <QtTest>

#include "chart/nakshatra_names_27.h"
#include "chart_inputs.h"
#include "engine/position_text.h"
#include "kota/kota_ring.h"
#include "kota/nakshatra_information.h"

using namespace zkc;
using zkc::test::Q;

class TestNakshatraInformation : public QObject {
    Q_OBJECT

  private slots:
    // Both ends of every stretch of every sign, and the positions on either
    // side of each inclusive boundary. Source: the table of stretches of the
    // 28 nakshatras sign by sign.
    void stretches_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("name");
        const struct {
            const char* sign;
            const char* stretches;  // "from-to name; …" in whole degrees and minutes
        } table[] = {
            {"Ari", "0000-1320 Ashwini;1321-2640 Bharani;2641-2959 Krittika"},
            {"Tau", "0000-2320 Rohini;2321-2959 Mrigasira"},
            {"Gem", "0000-2000 Ardra;2001-2959 Punarvasu"},
            {"Can", "0000-1640 Pushya;1641-2959 Ashlesha"},
            {"Leo", "0000-1320 Magha;1321-2640 Poorva Phalguni;2641-2959 Uttara Phalguni"},
            {"Vir", "0000-2320 Hasta;2321-2959 Chitra"},
            {"Lib", "0000-2000 Swati;2001-2959 Vishakha"},
            {"Sco", "0000-1640 Anuradha;1641-2959 Jyeshtha"},
            {"Sag", "0000-1320 Moola;1321-2640 Purva Ashadha;2641-2959 Uttara Ashadha"},
            {"Cap", "0000-1000 Abhijit;1001-2320 Shravana;2321-2959 Dhanistha"},
            {"Aqu", "0000-2000 Shatabhisha;2001-2959 Poorva Bhadrapada"},
            {"Pis", "0000-1640 Uttara Bhadrapada;1641-2959 Revati"},
        };
        for (const auto& row : table) {
            for (const QString& stretch : QString(row.stretches).split(';')) {
                const QString name = stretch.mid(10);
                for (const QString& end : {stretch.mid(0, 4), stretch.mid(5, 4)}) {
                    const int degrees = end.left(2).toInt();
                    const int minutes = end.right(2).toInt();
                    QTest::addRow("%s %02d %02d", row.sign, degrees, minutes)
                        << row.sign << degrees << minutes << name;
                }
            }
        }
        QTest::newRow("5 Tau is Rohini, not Krittika") << "Tau" << 5 << 0 << "Rohini";
    }
    void stretches() {
        QFETCH(QString, sign);
        QFETCH(int, degrees);
        QFETCH(int, minutes);
        const auto k = FindKotaNakshatra(sign.toStdString(), degrees, minutes);
        QVERIFY(k.has_value());
        QTEST(Q(KotaNakshatraNames[static_cast<std::size_t>(*k)]), "name");
    }

    void signOutsideTheTwelveFindsNothing() {
        QVERIFY(!FindKotaNakshatra("\" ", 0, 0).has_value());
        QVERIFY(!FindKotaNakshatra("", 0, 0).has_value());
    }

    // Every minute of the zodiac finds a nakshatra, and walking the zodiac
    // minute by minute meets the 28 in order, each once.
    void everyMinuteInOrder() {
        QList<int> seen;
        for (int s = 0; s < kSignCount; ++s) {
            for (int m = 0; m < 30 * 60; ++m) {
                const auto k = FindKotaNakshatra(SignAbbreviation(s), m / 60, m % 60);
                QVERIFY(k.has_value());
                if (seen.isEmpty() || seen.last() != *k) {
                    seen << *k;
                }
            }
        }
        QCOMPARE(seen.size(), 28);
        for (int k = 0; k < 28; ++k) {
            QCOMPARE(seen[k], k);
        }
    }

    // The two schemes spell seven names differently and are never merged: a
    // Moon of the 27 scheme starts the ring at the nakshatra of the same
    // place in the zodiac, found by index, whatever its spelling. Source: the
    // table of the 27 Moon nakshatras and the table of the 28 ring nakshatras.
    void schemesStayApart() {
        const struct {
            const char* name27;
            const char* name28;
        } pairs[27] = {
            {"Aswini", "Ashwini"},
            {"Bharani", "Bharani"},
            {"Krittika", "Krittika"},
            {"Rohini", "Rohini"},
            {"Mrigsira", "Mrigasira"},
            {"Ardra", "Ardra"},
            {"Punarvasu", "Punarvasu"},
            {"Pushya", "Pushya"},
            {"Aslesha", "Ashlesha"},
            {"Magha", "Magha"},
            {"Purbha Phalguni", "Poorva Phalguni"},
            {"Uttara Phalguni", "Uttara Phalguni"},
            {"Hasta", "Hasta"},
            {"Chitra", "Chitra"},
            {"Swati", "Swati"},
            {"Vishakha", "Vishakha"},
            {"Anuradha", "Anuradha"},
            {"Jyeshtha", "Jyeshtha"},
            {"Mula", "Moola"},
            {"Purva Ashadha", "Purva Ashadha"},
            {"Uttara Ashadha", "Uttara Ashadha"},
            // Abhijit stands here in the ring, and in no Moon of the 27.
            {"Shravana", "Shravana"},
            {"Dhanishtha", "Dhanistha"},
            {"Shatbisha", "Shatabhisha"},
            {"Poorva Bhadrapada", "Poorva Bhadrapada"},
            {"Uttara Bhadrapada", "Uttara Bhadrapada"},
            {"Revati", "Revati"},
        };
        for (int n = 0; n < 27; ++n) {
            QCOMPARE(Q(NakshatraNames27[static_cast<std::size_t>(n)]), QString(pairs[n].name27));
            const KotaNakshatra k = BirthKotaNakshatra(pairs[n].name27, n);
            QCOMPARE(Q(KotaNakshatraNames[static_cast<std::size_t>(k)]), QString(pairs[n].name28));
        }
        QCOMPARE(Q(KotaNakshatraNames[kAbhijit]), QString("Abhijit"));
    }
};

QTEST_GUILESS_MAIN(TestNakshatraInformation)
#include "tst_nakshatra_information.moc"
