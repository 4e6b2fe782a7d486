// The offline atlas: finding towns by name, narrowing by country or state,
// accents, and decimal coordinates turned into degrees and minutes.
#include <QtTest>

#include "places/atlas.h"
#include "places/coordinates.h"
#include "places/search_text.h"

using namespace zkc::places;

namespace {

QString Describe(const City& c) {
    return QString("%1, %2, %3").arg(c.Name, c.State, c.Country);
}

QStringList Names(const std::vector<City>& cities) {
    QStringList names;
    for (const City& c : cities) {
        names << Describe(c);
    }
    return names;
}

}  // namespace

class TestAtlas : public QObject {
    Q_OBJECT

  private slots:
    // Source for every row: the town database itself (name, state, country,
    // zone and coordinates as it records them).
    void bestMatch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("zone");
        QTest::newRow("largest of a name") << "Madrid"
                                           << "Madrid, Madrid, Spain"
                                           << "Europe/Madrid";
        QTest::newRow("country narrows") << "Brest, France"
                                         << "Brest, Brittany Region, France"
                                         << "Europe/Paris";
        QTest::newRow("country code narrows") << "Brest, FR"
                                              << "Brest, Brittany Region, France"
                                              << "Europe/Paris";
        QTest::newRow("unnarrowed Brest is the larger") << "Brest"
                                                        << "Brest, Brest Oblast, Belarus"
                                                        << "Europe/Minsk";
        QTest::newRow("state narrows") << "Portland, Maine"
                                       << "Portland, State of Maine, United States of America"
                                       << "America/New_York";
        QTest::newRow("state, the larger Portland") << "Portland, Oregon"
                                                    << "Portland, Oregon, United States of America"
                                                    << "America/Los_Angeles";
        QTest::newRow("accents do not matter") << "Zürich"
                                               << "Zurich, Canton of Zurich, Switzerland"
                                               << "Europe/Zurich";
        QTest::newRow("accents in the atlas")
            << "sao paulo" << QString::fromUtf8("São Paulo, São Paulo, Brazil")
            << "America/Sao_Paulo";
        QTest::newRow("case and punctuation") << "st johns, newfoundland"
                                              << "St. John's, Newfoundland and Labrador, Canada"
                                              << "America/St_Johns";
        QTest::newRow("a start of a name") << "Kathm"
                                           << "Kathmandu, Bagmati Province, Nepal"
                                           << "Asia/Kathmandu";
        QTest::newRow("state and country narrow together")
            << "Portland, Maine, US"
            << "Portland, State of Maine, United States of America"
            << "America/New_York";
        QTest::newRow("country alias") << "Birmingham, UK"
                                       << "Birmingham, England, United Kingdom"
                                       << "Europe/London";
    }
    void bestMatch() {
        QFETCH(QString, text);
        const std::vector<City> found = Atlas::Shared().Find(text);
        QVERIFY2(!found.empty(), qPrintable(text));
        QTEST(Describe(found.front()), "first");
        QTEST(found.front().TimeZone, "zone");
    }

    void exactNameBeforeLongerNames() {
        const QStringList found = Names(Atlas::Shared().Find("Portland", 10));
        QVERIFY(found.size() >= 4);
        // The three towns called Portland, larger first, before "South Portland".
        QVERIFY2(
            found[0].startsWith("Portland, Oregon") && found[1].startsWith("Portland, State") &&
                found[2].startsWith("Portland, Texas") && found[3].startsWith("South Portland"),
            qPrintable(found.join(" | ")));
    }

    // Answers kept from an earlier search are the ones a new search gives,
    // for the limit asked now.
    void askedAgain() {
        Atlas::Shared().ForgetAnswers();
        const QStringList first = Names(Atlas::Shared().Find("Portland", 10));
        QCOMPARE(Names(Atlas::Shared().Find("Portland", 10)), first);
        QCOMPARE(Names(Atlas::Shared().Find("Portland", 2)), first.mid(0, 2));
        QCOMPARE(Names(Atlas::Shared().Find("Portland, Texas", 10)).value(0), first.value(2));
    }

    void nothingFound() {
        QVERIFY(Atlas::Shared().Find("Xyzzyville").empty());
        QVERIFY(Atlas::Shared().Find("").empty());
        QVERIFY(Atlas::Shared().Find(" , France").empty());
        QVERIFY(Atlas::Shared().Find("Brest, Narnia").empty());
        QVERIFY(Atlas::Shared().Find("Portland, Maine, France").empty());
        // Another script: the atlas keeps Latin names, so nothing is found
        // (rather than something wrong).
        QVERIFY(Atlas::Shared().Find(QString::fromUtf8("Москва")).empty());
    }

    void limitIsKept() {
        QCOMPARE(Atlas::Shared().Find("San", 10).size(), std::size_t{10});
        QCOMPARE(Atlas::Shared().Find("San", 3).size(), std::size_t{3});
        QVERIFY(Atlas::Shared().Size() == 24361);
    }

    void folding() {
        QCOMPARE(FoldForSearch(QString::fromUtf8("ZÜRICH")), std::string("zurich"));
        QCOMPARE(FoldForSearch(QString::fromUtf8("Straße")), std::string("strasse"));
        QCOMPARE(FoldForSearch("St. John's"), std::string("st johns"));
        QCOMPARE(FoldForSearch(QString::fromUtf8("  Ålesund -- Møre ")),
                 std::string("alesund more"));
    }

    // Rounded to the nearest minute with the carry; source: independent hand
    // check (40.4165° = 40° 24.99′ → 40° 25′; 59.99′ carries into the degree).
    void degreesAndMinutes_data() {
        QTest::addColumn<double>("decimal");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("negative");
        QTest::newRow("Madrid latitude") << 40.4165 << 40 << 25 << false;
        QTest::newRow("Madrid longitude") << -3.7026 << 3 << 42 << true;
        QTest::newRow("carry into the degree") << 40.99984 << 41 << 0 << false;
        QTest::newRow("half a minute rounds up") << 10.0083334 << 10 << 1 << false;
        QTest::newRow("just west of Greenwich rounds to 0, east") << -0.004 << 0 << 0 << false;
        QTest::newRow("date line") << -179.99999 << 180 << 0 << true;
    }
    void degreesAndMinutes() {
        QFETCH(double, decimal);
        const DegreesMinutes dm = ToDegreesMinutes(decimal);
        QTEST(dm.Degrees, "degrees");
        QTEST(dm.Minutes, "minutes");
        QTEST(dm.Negative, "negative");
    }
};

QTEST_GUILESS_MAIN(TestAtlas)
#include "tst_atlas.moc"
