// The main window: pages, checks, the key filter, calculation, the report
// and the clipboard rule, driven through real widgets.
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTextEdit>

#include "app/report_text_box.h"
#include "version/version.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::Window;

Q_DECLARE_METATYPE(zkc::MessageIcon)

namespace {

using Edit = std::function<void(const Window&)>;

}  // namespace

Q_DECLARE_METATYPE(Edit)

class TestFrmMain : public QObject {
    Q_OBJECT

  private slots:
    void freshWindow() {
        Window w;
        QCOMPARE(w.frm->windowTitle(), QString("Zorvik Kota Chakra v") + kVersion);
        QCOMPARE(w.Front(), QString("fraDOBDetails"));
        QCOMPARE(QApplication::focusWidget(), w.Edit("txtName"));
        for (const QString s : {"", "Oracle"}) {
            const QStringList lists = {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"};
            const QList<int> counts = {12, 31, 150, 24, 60, 60};
            const QStringList first = {"January", "1", "1901", "0", "0", "0"};
            for (int i = 0; i < lists.size(); ++i) {
                QComboBox* list = w.Combo(lists[i] + s);
                QCOMPARE(list->count(), counts[i]);
                QCOMPARE(list->currentText(), first[i]);
            }
            QCOMPARE(w.Combo("cboMonth" + s)->itemText(11), QString("December"));
            QCOMPARE(w.Combo("cboYear" + s)->itemText(149), QString("2050"));
            for (const char* box :
                 {"txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
                QVERIFY(w.Edit(box + s)->text().isEmpty());
            }
            QVERIFY(!w.Get<QCheckBox>("chkDST" + s)->isChecked());
        }
        QVERIFY(w.Get<QRadioButton>("optLat_0")->isChecked());   // North, page 1
        QVERIFY(w.Get<QRadioButton>("optLong_0")->isChecked());  // East, page 1
        QVERIFY(w.Get<QRadioButton>("optLat_2")->isChecked());
        QVERIFY(w.Get<QRadioButton>("optLong_2")->isChecked());
        QCOMPARE(w.Get<QPushButton>("cmdNext")->text(), QString("&Next"));
        QCOMPARE(w.Get<QPushButton>("cmdCalculate")->text(), QString("&Get My Kota Chakra"));
        QCOMPARE(w.Get<QPushButton>("cmdBrowser_0")->text(),
                 QString("Click Here To Find Latitude && Longitude"));
        // The covered pages are hidden as well, but never disabled.
        for (const char* page : {"fraOracleDetails", "fraResult"}) {
            QVERIFY(!w.Get(page)->isVisible() && w.Get(page)->isEnabled());
        }
        QVERIFY(w.Get("fraDOBDetails")->isVisible());
    }

    void tabOrderOfPageOne() {
        Window w;
        QStringList order;
        QWidget* page = w.Get("fraDOBDetails");
        for (QWidget* next = w.Edit("txtName"); order.size() < 21;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && page->isAncestorOf(next) &&
                !next->objectName().isEmpty()) {
                order << next->objectName();
            }
        }
        QCOMPARE(order,
                 QStringList({"txtName",     "cboMonth",    "cboDate",       "cboYear",
                              "cboHH",       "cboMM",       "cboSS",         "txtLonD",
                              "txtLonM",     "optLong_0",   "txtLatD",       "txtLatM",
                              "optLat_0",    "txtUserCity", "txtUserState",  "txtUserCountry",
                              "cmdNext",     "txtZoneHour", "txtZoneMinute", "chkDST",
                              "cmdBrowser_0"}));
    }

    void menus() {
        Window w;
        QStringList bar;
        for (QAction* a : w.frm->menuBar()->actions()) {
            bar << a->text();
        }
        QCOMPARE(bar, QStringList({"&File", "&Help", "Make Money &Online"}));
        QStringList help;
        for (QAction* a : w.frm->menuBar()->actions()[1]->menu()->actions()) {
            help << (a->isSeparator() ? QString("-") : a->text());
        }
        QCOMPARE(help, QStringList({"&Online Help", "&Visit Us Online", "-",
                                    "Check for Software &Update", "-", "&About Software"}));
        QCOMPARE(w.frm->menuBar()->actions()[0]->menu()->actions()[0]->objectName(),
                 QString("mnuCalculate"));
    }

    // The 28 places of the diagram sit where the chakra puts them: place 1 at
    // the outer top right, 4 at the right of the innermost square, and so on.
    void chakraDiagram() {
        Window w;
        const auto centre = [&](int place) {
            QWidget* label = w.Get<QLabel>(QString("lblResult_%1").arg(place - 1));
            return label->mapTo(w.Get("fraResult"), label->rect().center());
        };
        for (int place = 1; place <= 28; ++place) {
            QCOMPARE(w.Get<QLabel>(QString("lblResult_%1").arg(place - 1))->text(),
                     QString::number(place));
        }
        const QPoint middle = (centre(21) + centre(7)) / 2;
        // Run 1 enters at the top right corner, reaches the innermost square on
        // the right, leaves along the middle of the right side.
        QVERIFY(centre(1).x() > centre(2).x() && centre(2).x() > centre(3).x());
        QVERIFY(centre(1).y() < centre(2).y() && centre(2).y() < centre(3).y());
        QVERIFY(std::abs(centre(4).y() - middle.y()) <= 1 && centre(4).x() > middle.x());
        QVERIFY(centre(5).x() < centre(6).x() && centre(6).x() < centre(7).x());
        QVERIFY(std::abs(centre(7).y() - middle.y()) <= 1);
        // Innermost places lie inside picTables_3, the others outside it.
        QWidget* innermost = w.Get("picTables_3");
        for (int place = 1; place <= 28; ++place) {
            QWidget* label = w.Get(QString("lblResult_%1").arg(place - 1));
            const bool inside = label->parentWidget() == innermost;
            QCOMPARE(inside, place % 7 == 4);
        }
        QCOMPARE(centre(8).y(), centre(14).y());  // bottom right and bottom middle of the outer
        QVERIFY(centre(15).x() < centre(14).x() && centre(22).y() < centre(21).y());
    }

    void firstFaultWins_data() {
        QTest::addColumn<QVariant>("edit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, Edit e, const char* message, MessageIcon icon,
                            const char* focus) {
            QTest::newRow(name) << QVariant::fromValue(e) << message << icon << focus;
        };
        const auto stop = MessageIcon::Stop;
        const auto info = MessageIcon::Information;
        row(
            "name of blanks", [](const Window& w) { w.Edit("txtName")->setText("   "); },
            "Please Enter Name", stop, "txtName");
        row(
            "empty name hides empty longitude",
            [](const Window& w) { w.Edit("txtName")->clear(), w.Edit("txtLonD")->clear(); },
            "Please Enter Name", stop, "txtName");
        row(
            "no zone",
            [](const Window& w) {
                w.Edit("txtZoneHour")->clear(), w.Edit("txtZoneMinute")->clear();
            },
            "Please Enter Hour and Minute of Time Zone", stop, "txtZoneHour");
        row(
            "no longitude degrees", [](const Window& w) { w.Edit("txtLonD")->clear(); },
            "Please Enter Degree of Longitude", stop, "txtLonD");
        row(
            "no longitude minutes", [](const Window& w) { w.Edit("txtLonM")->clear(); },
            "Please Enter Minute of Longitude", stop, "txtLonM");
        row(
            "no latitude degrees", [](const Window& w) { w.Edit("txtLatD")->clear(); },
            "Please Enter Degree of Latitude", stop, "txtLatD");
        row(
            "no latitude minutes", [](const Window& w) { w.Edit("txtLatM")->clear(); },
            "Please Enter Minute of Latitude", stop, "txtLatM");
        // Pasted text is not filtered by the keys, so the check refuses it.
        row(
            "pasted letters", [](const Window& w) { w.Edit("txtLonM")->setText("1x"); },
            "Only Numbers Are Accepted", stop, "txtLonM");
        row(
            "zone 15 hours", [](const Window& w) { w.Edit("txtZoneHour")->setText("15"); },
            "Please Enter Correct Hour and Minute of Time Zone", stop, "txtZoneHour");
        row(
            "longitude 250", [](const Window& w) { w.Edit("txtLonD")->setText("250"); },
            "Please Enter Correct Degree of Longitude", stop, "txtLonD");
        row(
            "longitude minutes 75", [](const Window& w) { w.Edit("txtLonM")->setText("75"); },
            "Please Enter Correct Minute of Longitude", stop, "txtLonM");
        row(
            "latitude 90", [](const Window& w) { w.Edit("txtLatD")->setText("90"); },
            "Please Enter Correct Degree of Latitude", stop, "txtLatD");
        row(
            "latitude minutes 60", [](const Window& w) { w.Edit("txtLatM")->setText("60"); },
            "Please Enter Correct Minute of Latitude", stop, "txtLatM");
        row(
            "29 February 1901", [](const Window& w) { w.SetDate(false, 1901, 2, 29); },
            "Please Enter Correct Date Or Month!", info, "cmdNext");
        row(
            "29 February 2050", [](const Window& w) { w.SetDate(false, 2050, 2, 29); },
            "Please Enter Correct Date Or Month!", info, "cmdNext");
        row(
            "30 February 2000", [](const Window& w) { w.SetDate(false, 2000, 2, 30); },
            "Please Enter Correct Date Or Month!", info, "cmdNext");
        row(
            "31 April", [](const Window& w) { w.SetDate(false, 1999, 4, 31); },
            "Please Enter Correct Date Or Month !", info, "cmdNext");
    }
    void firstFaultWins() {
        QFETCH(QVariant, edit);
        QFETCH(QString, focus);
        Window w;
        w.FillPage(false);
        edit.value<Edit>()(w);
        w.Click("cmdNext");
        QCOMPARE(w.messages.shown.size(), 1);
        QTEST(w.LastMessage(), "message");
        QTEST(w.messages.shown.last().icon, "icon");
        QCOMPARE(w.Front(), QString("fraDOBDetails"));
        // The date checks leave the focus where it was: on the button just pressed.
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void datesThatExistPass_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("29 February 2000") << 2000 << 2 << 29;
        QTest::newRow("29 February 2048") << 2048 << 2 << 29;
        QTest::newRow("31 May") << 1990 << 5 << 31;
        QTest::newRow("30 April") << 1990 << 4 << 30;
    }
    void datesThatExistPass() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        Window w;
        w.FillPage(false);
        w.SetDate(false, year, month, day);
        w.Click("cmdNext");
        QVERIFY(w.messages.shown.isEmpty());
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
    }

    void oracleChecksAndFocus() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Edit("txtLatDOracle")->clear();
        w.Click("cmdCalculate");
        QCOMPARE(w.LastMessage(), QString("Please Enter Degree of Latitude"));
        QCOMPARE(QApplication::focusWidget(), w.Edit("txtLatDOracle"));
        // Nothing computed; the page of the failed check comes to the front.
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
        // Page 2 has no key filter, so its check refuses what page 1's keys would.
        w.Edit("txtLatDOracle")->setText("28");
        w.Edit("txtZoneHourOracle")->setText("5.5");
        w.Click("cmdCalculate");
        QCOMPARE(w.LastMessage(), QString("Only Numbers Are Accepted"));
        QCOMPARE(QApplication::focusWidget(), w.Edit("txtZoneHourOracle"));
        // After correcting, the same click computes: the failed one left no trace.
        w.Edit("txtZoneHourOracle")->setText("-5");  // as the zone picker writes it
        w.Click("cmdCalculate");
        QCOMPARE(w.messages.shown.size(), 2);
        QCOMPARE(w.Front(), QString("fraResult"));
        QCOMPARE(w.frm->Charts().OracleChart().Input.ZoneHours, 5);
    }

    void keyFilterOnPageOneOnly() {
        Window w;
        QLineEdit* hour = w.Edit("txtZoneHour");
        hour->setFocus();
        QTest::keyClicks(hour, "12");
        QCOMPARE(hour->text(), QString("12"));
        QTest::keyClick(hour, Qt::Key_Minus);
        QTest::keyClick(hour, Qt::Key_Period);
        QTest::keyClick(hour, Qt::Key_Space);
        QCOMPARE(hour->text(), QString("12"));
        QCOMPARE(w.messages.shown.size(), 3);
        QCOMPARE(w.LastMessage(), QString("Only Numbers Are Accepted"));
        QCOMPARE(w.messages.shown.last().icon, MessageIcon::Stop);
        // Backspace passes; keys that type nothing never reach the filter.
        QTest::keyClick(hour, Qt::Key_Backspace);
        QTest::keyClick(hour, Qt::Key_Left);
        QTest::keyClick(hour, Qt::Key_Delete);
        QCOMPARE(hour->text(), QString(""));
        QCOMPARE(w.messages.shown.size(), 3);
        // Enter is no character for the filter: it acts as "&Next", whose
        // check asks for the name.
        QLineEdit* lat = w.Edit("txtLatD");
        QTest::keyClick(lat, Qt::Key_Return);
        QCOMPARE(w.messages.shown.size(), 4);
        QCOMPARE(w.LastMessage(), QString("Please Enter Name"));
        // Page 2 takes anything, silently.
        QLineEdit* oracle = w.Edit("txtZoneHourOracle");
        QTest::keyClicks(oracle, "-5.");
        QCOMPARE(oracle->text(), QString("-5."));
        QCOMPARE(w.messages.shown.size(), 4);
        // The name is not filtered either.
        QTest::keyClicks(w.Edit("txtName"), "A-b");
        QCOMPARE(w.Edit("txtName")->text(), QString("A-b"));
    }

    void calculateFromPageOneAndBack() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.SetDate(false, 1990, 1, 26);
        w.Combo("cboHH")->setCurrentIndex(16);
        w.Combo("cboMM")->setCurrentIndex(5);
        QCOMPARE(w.Front(), QString("fraDOBDetails"));
        w.frm->menuBar()->actions()[0]->menu()->actions()[0]->trigger();  // File > Calculate
        QVERIFY(w.messages.shown.isEmpty());
        QCOMPARE(w.Front(), QString("fraResult"));
        const QString report = w.Get<QTextEdit>("RTBResult")->toPlainText();
        QVERIFY(report.startsWith("Personal Details\nName: \nAsha Rao\n"));
        QVERIFY(report.contains("Birth Nakshatra\nUttara Ashadha\n"));
        QVERIFY(report.contains("Position 1 - Abhijit\n"));

        w.Click("cmdBack");
        QCOMPARE(w.Front(), QString("fraDOBDetails"));
        QCOMPARE(w.Edit("txtName")->text(), QString("Asha Rao"));
        QCOMPARE(w.Combo("cboHH")->currentText(), QString("16"));
        QCOMPARE(w.Edit("txtLatMOracle")->text(), QString("39"));
        QCOMPARE(w.Get<QTextEdit>("RTBResult")->toPlainText(), report);
        w.Click("cmdNext");
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
        QCOMPARE(w.Edit("txtUserCity_Oracle")->text(), QString("New Delhi"));
    }

    void calculateRefusedOnPageOneShowsNothing() {
        Window w;
        w.FillPage(false);
        w.frm->mnuCalculate_Click();  // page 2 is still empty
        QCOMPARE(w.LastMessage(), QString("Please Enter Hour and Minute of Time Zone"));
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
        QCOMPARE(QApplication::focusWidget(), w.Edit("txtZoneHourOracle"));
        QVERIFY(w.Get<QTextEdit>("RTBResult")->toPlainText().isEmpty());
    }

    void secondCalculationLeavesNoTrace() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Click("cmdCalculate");
        const QString first = w.Get<QTextEdit>("RTBResult")->toPlainText();
        w.Click("cmdBack");
        w.Edit("txtName")->setText("Someone Else");
        w.Get<QRadioButton>("optLong_3")->setChecked(true);  // page 2 West
        w.Click("cmdNext");
        w.Click("cmdCalculate");
        const QString second = w.Get<QTextEdit>("RTBResult")->toPlainText();
        QVERIFY(!second.contains("Asha Rao"));
        QVERIFY(second.startsWith("Personal Details\nName: \nSomeone Else\n"));
        QCOMPARE(second.count("Personal Details"), 1);
        QVERIFY(second.contains("77 Degree 13 Minute West"));
        QVERIFY(first != second);
    }

    // The report's runs keep their colours and weights in the text box.
    void reportFormats() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Click("cmdCalculate");
        QTextDocument* doc = w.Get<QTextEdit>("RTBResult")->document();
        const auto formatAt = [&](const QString& text) {
            QTextCursor c = doc->find(text);
            return c.charFormat();
        };
        QCOMPARE(formatAt("Personal Details").foreground().color(), QColor(128, 0, 0));
        QCOMPARE(formatAt("Personal Details").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt("Date of Birth").foreground().color(), QColor(0, 128, 0));
        QCOMPARE(formatAt("Asha Rao").fontWeight(), int(QFont::Normal));
        QCOMPARE(formatAt("Malefic Planet").foreground().color(), QColor(0, 0, 0));
        QCOMPARE(formatAt("Result - ").foreground().color(), QColor(128, 0, 128));
    }

    // The window's reading is the command line's reading, character for character.
    void readingEqualsTheCommandLine() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Get<QRadioButton>("optLat_1")->setChecked(true);  // South
        w.Get<QCheckBox>("chkDSTOracle")->setChecked(true);
        w.SetDate(true, 2026, 12, 8);
        w.Combo("cboHHOracle")->setCurrentIndex(9);
        w.Click("cmdCalculate");
        QProcess cli;
        cli.start(
            KOTACHAKRA_CLI,
            {"--name",      "Asha Rao",        "--birth-date", "1901-01-01",    "--birth-time",
             "00:00",       "--birth-zone",    "5:30",         "--birth-lon",   "77:13E",
             "--birth-lat", "28:39S",          "--birth-city", "New Delhi",     "--birth-state",
             "Delhi",       "--birth-country", "India",        "--day-date",    "2026-12-08",
             "--day-time",  "09:00",           "--day-zone",   "5:30",          "--day-dst",
             "--day-lon",   "77:13E",          "--day-lat",    "28:39N",        "--day-city",
             "New Delhi",   "--day-state",     "Delhi",        "--day-country", "India"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(w.Get<QTextEdit>("RTBResult")->toPlainText(),
                 QString::fromUtf8(cli.readAllStandardOutput()));
    }

    // Content this program put on the clipboard is emptied when the mouse
    // works over the report; other programs' content stays.
    void clipboardRule() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Click("cmdCalculate");
        auto* report = w.Get<QTextEdit>("RTBResult");
        QClipboard* clipboard = QGuiApplication::clipboard();

        auto* foreign = new QMimeData;
        foreign->setText("copied in another program");
        clipboard->setMimeData(foreign);
        if (clipboard->ownsClipboard()) {
            QSKIP("this platform reports every clipboard content as the program's own");
        }
        QTest::mouseMove(report->viewport(), QPoint(20, 20));
        QTest::mouseClick(report->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(clipboard->text(), QString("copied in another program"));

        report->selectAll();
        report->copy();
        QVERIFY(clipboard->text().startsWith("Personal Details"));
        QSignalSpy moved(report, SIGNAL(mouseMoved()));
        QTest::mouseMove(report->viewport(), QPoint(41, 43));
        QTest::mouseMove(report->viewport(), QPoint(57, 61));
        QVERIFY(moved.count() > 0);
        QVERIFY(clipboard->text().isEmpty());

        report->selectAll();
        report->copy();
        QTest::mouseClick(report->viewport(), Qt::LeftButton, {}, QPoint(33, 37));
        QVERIFY(clipboard->text().isEmpty());

        // A new reading empties a copy of the old one too.
        report->selectAll();
        report->copy();
        QVERIFY(!clipboard->text().isEmpty());
        w.Click("cmdBack");
        w.Click("cmdNext");
        w.Click("cmdCalculate");
        QVERIFY(clipboard->text().isEmpty());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
