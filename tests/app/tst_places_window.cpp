// The window with the atlas: completing a City box, binding the page to the
// town's zone, the zone line following the page's date, unbinding, a time
// the clocks skipped, and the reading of a bound page.
#include <QAbstractItemView>
#include <QListWidget>
#include <QTextEdit>

#include "app/clickable_label.h"
#include "app/input_page.h"
#include "app/place_completer.h"
#include "program_run.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::WhenModalOpens;
using zkc::test::Window;

namespace {

// The list of towns offered under a page's City box.
QAbstractItemView* Offered(const Window& w, bool oracle) {
    return w.Get<app::InputPage>(oracle ? "fraOracleDetails" : "fraDOBDetails")
        ->placeCompleter->popup();
}

// Types a town into a City box and takes the first town offered.
void ChooseTown(const Window& w, const QString& cityBox, const QString& typed) {
    QLineEdit* city = w.Edit(cityBox);
    city->clear();
    city->setFocus();
    QTest::keyClicks(city, typed);
    QAbstractItemView* popup = Offered(w, cityBox.endsWith("_Oracle"));
    QVERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
}

void SetTime(const Window& w, bool oracle, int hour, int minute) {
    const QString s = oracle ? "Oracle" : "";
    w.Combo("cboHH" + s)->setCurrentIndex(hour);
    w.Combo("cboMM" + s)->setCurrentIndex(minute);
}

QString ZoneLine(const Window& w, bool oracle) {
    return w.Get<QLabel>(oracle ? "lblZoneLineOracle" : "lblZoneLine")->text();
}

}  // namespace

class TestPlacesWindow : public QObject {
    Q_OBJECT

  private slots:
    void completingFillsAndBinds() {
        Window w;
        QTest::keyClicks(w.Edit("txtUserCity_Oracle"), "Madr");
        QAbstractItemView* popup = Offered(w, true);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->model()->index(0, 0).data().toString(),
                 QString::fromUtf8("Madrid, Madrid, Spain \u2014 Europe/Madrid"));
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);

        // Source: the atlas records Madrid at 40.4165 N, 3.7026 W.
        QCOMPARE(w.Edit("txtUserCity_Oracle")->text(), QString("Madrid"));
        QCOMPARE(w.Edit("txtUserState_Oracle")->text(), QString("Madrid"));
        QCOMPARE(w.Edit("txtUserCountry_Oracle")->text(), QString("Spain"));
        QCOMPARE(w.Edit("txtLatDOracle")->text(), QString("40"));
        QCOMPARE(w.Edit("txtLatMOracle")->text(), QString("25"));
        QVERIFY(w.Get<QRadioButton>("optLat_2")->isChecked());  // North
        QCOMPARE(w.Edit("txtLonDOracle")->text(), QString("3"));
        QCOMPARE(w.Edit("txtLonMOracle")->text(), QString("42"));
        QVERIFY(w.Get<QRadioButton>("optLong_3")->isChecked());  // West
        // Page 1 is untouched.
        QVERIFY(w.Edit("txtLatD")->text().isEmpty());
        QVERIFY(ZoneLine(w, false).isEmpty());

        // The line follows the page's date; the zone boxes show the same
        // offset as standard time and DST (source: the zone database).
        w.SetDate(true, 2026, 1, 15);
        QCOMPARE(ZoneLine(w, true),
                 QString("Europe/Madrid, UTC+1:00 on that date (standard time)"));
        QCOMPARE(w.Edit("txtZoneHourOracle")->text(), QString("1"));
        QVERIFY(!w.Get<QCheckBox>("chkDSTOracle")->isChecked());
        w.SetDate(true, 2026, 7, 15);
        QCOMPARE(ZoneLine(w, true), QString("Europe/Madrid, UTC+2:00 on that date (summer time)"));
        QCOMPARE(w.Edit("txtZoneHourOracle")->text(), QString("1"));
        QCOMPARE(w.Edit("txtZoneMinuteOracle")->text(), QString("0"));
        QVERIFY(w.Get<QCheckBox>("chkDSTOracle")->isChecked());
    }

    // Typing a zone or a coordinate, a direction, or a zone from "TZ Help"
    // leaves the town's zone; "&Next" and "&Back" keep it.
    void unbinding_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("typing a longitude") << "lon";
        QTest::newRow("typing a zone hour") << "zone";
        QTest::newRow("choosing South") << "south";
        QTest::newRow("a zone from TZ Help") << "picker";
    }
    void unbinding() {
        QFETCH(QString, action);
        Window w;
        w.FillPage(false);
        ChooseTown(w, "txtUserCity", "Madrid");
        QVERIFY(!ZoneLine(w, false).isEmpty());
        auto* page = w.Get<app::InputPage>("fraDOBDetails");
        w.Click("cmdNext");
        QVERIFY(page->IsBound());
        if (action == "lon") {
            QTest::keyClicks(w.Edit("txtLonD"), "4");
        } else if (action == "zone") {
            QTest::keyClicks(w.Edit("txtZoneHour"), "2");
        } else if (action == "south") {
            QTest::mouseClick(w.Get<QRadioButton>("optLat_1"), Qt::LeftButton);
        } else {
            WhenModalOpens([](QWidget* modal) {
                auto* list = modal->findChild<QListWidget*>("lstTimeZone");
                QListWidgetItem* item = list->item(20);  // Central European Time
                list->scrollToItem(item);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(item).center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                   list->visualItemRect(item).center());
            });
            QTest::mouseClick(w.Get<app::ClickableLabel>("lblTZHelp"), Qt::LeftButton);
        }
        QVERIFY(!page->IsBound());
        QVERIFY(ZoneLine(w, false).isEmpty());
        QVERIFY(page->Fields().TimeZone.empty());
    }

    // A bound page's reading is the command line's reading with that town.
    void boundReadingEqualsTheCommandLine() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        ChooseTown(w, "txtUserCity_Oracle", "Madrid");
        w.SetDate(true, 2026, 7, 15);
        SetTime(w, true, 12, 0);
        w.Click("cmdCalculate");
        QCOMPARE(w.Front(), QString("fraResult"));
        const QString report = w.Get<QTextEdit>("RTBResult")->toPlainText();
        QVERIFY(report.contains("Time Zone: \n+2:0 Europe/Madrid\n"));
        const zkc::test::Run cli = zkc::test::RunProgram(
            KOTACHAKRA_CLI,
            {"--name",       "Asha Rao",    "--birth-date",  "1901-01-01",  "--birth-zone",
             "5:30",         "--birth-lon", "77:13E",        "--birth-lat", "28:39N",
             "--birth-city", "New Delhi",   "--birth-state", "Delhi",       "--birth-country",
             "India",        "--day-date",  "2026-07-15",    "--day-time",  "12:00",
             "--day-place",  "Madrid"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(report, QString::fromUtf8(cli.out));
    }

    // Source: the zone database, New York skipped 2:00 to 3:00 on 8 March 2026.
    void skippedTimeIsRefused() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        ChooseTown(w, "txtUserCity_Oracle", "New York");
        w.SetDate(true, 2026, 3, 8);
        SetTime(w, true, 2, 30);
        QCOMPARE(ZoneLine(w, true),
                 QString("2:30 on 8 March 2026 does not exist in America/New_York: clocks went "
                         "from 2:00 to 3:00"));
        w.Click("cmdNext");
        w.Click("cmdCalculate");
        QCOMPARE(w.LastMessage(),
                 QString("2:30 on 8 March 2026 does not exist in America/New_York: clocks went "
                         "from 2:00 to 3:00"));
        QCOMPARE(w.messages.shown.last().icon, MessageIcon::Stop);
        QCOMPARE(QApplication::focusWidget(), w.Combo("cboHHOracle"));
        QVERIFY(w.Front() != QString("fraResult"));
        // A real time of that night computes.
        SetTime(w, true, 3, 30);
        w.Click("cmdCalculate");
        QCOMPARE(w.Front(), QString("fraResult"));
    }

    void nothingOfferedForNothingFound() {
        Window w;
        QTest::keyClicks(w.Edit("txtUserCity"), "Xyzzyville");
        QVERIFY(!Offered(w, false)->isVisible());
        QVERIFY(!w.Get<app::InputPage>("fraDOBDetails")->IsBound());
        QCOMPARE(w.Edit("txtUserCity")->text(), QString("Xyzzyville"));
    }
};

QTEST_MAIN(TestPlacesWindow)
#include "tst_places_window.moc"
