// The main window: pages, checks, the key filter, calculation, the report
// and the clipboard rule, driven through real widgets.
#include <QClipboard>
#include <QCursor>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTextEdit>

#include "app/report_text_box.h"
#include "check_near.h"
#include "program_run.h"
#include "version/version.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::Window;

Q_DECLARE_METATYPE(zkc::MessageIcon)

namespace {

using Edit = std::function<void(const Window&)>;

// Another process that holds the given text on the system clipboard for as
// long as this object lives (CLIPBOARD_OWNER, built with the tests).
class ClipboardOwner {
  public:
    explicit ClipboardOwner(const QString& text) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(CLIPBOARD_OWNER, {text});
    }
    ~ClipboardOwner() {
        process_.closeWriteChannel();  // its cue to leave
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    bool WaitUntilReady() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(10000)) {
                return false;
            }
        }
        return process_.readLine() == "ready\n";
    }
    QString Failure() const {
        return QString("%1 did not take the clipboard: %2")
            .arg(CLIPBOARD_OWNER, process_.errorString());
    }

  private:
    QProcess process_;
};

// Counts what reaches the report.
struct ReportEvents {
    explicit ReportEvents(app::ReportTextBox* report)
        : moved(report, &app::ReportTextBox::mouseMoved),
          down(report, &app::ReportTextBox::mouseDown),
          up(report, &app::ReportTextBox::mouseUp),
          clicked(report, &app::ReportTextBox::clicked) {}

    // A move without a button held moves the platform's pointer, whose
    // event arrives when the display sends it: one move at a time, waited
    // for, so that none arrives late and empties the clipboard in place of
    // the event under test. Each goes somewhere new, across tests too: a
    // move to where the pointer last was is no move at all.
    bool MoveOver(QWidget* area) {
        static int step = 0;
        step = step % 60 + 7;
        const qsizetype before = moved.count();
        QTest::mouseMove(area, QPoint(40 + step, 40 + step));
        return QTest::qWaitFor([&] { return moved.count() > before; });
    }

    QSignalSpy moved;
    QSignalSpy down;
    QSignalSpy up;
    QSignalSpy clicked;
};

// On a real display the server's own pointer, left over the report, would
// apply the clipboard rule at moments of its own choosing: park it outside
// the window so that only the test's events reach the report.
bool ParkThePointerOutside(const Window& w) {
    const QPoint outside = w.frm->frameGeometry().bottomRight() + QPoint(20, 20);
    QCursor::setPos(outside);
    return QTest::qWaitFor([&] { return QCursor::pos() == outside; });
}

// The diagram's centres are whole pixels; a midpoint rounds by at most one.
constexpr double kOnePixel = 1;

}  // namespace

Q_DECLARE_METATYPE(Edit)

class TestFrmMain : public QObject {
    Q_OBJECT

  private slots:
    void freshWindow() {
        Window w;
        // The title carries the modified mark's place, unseen until a change.
        QCOMPARE(w.frm->windowTitle(), QString("[*]Zorvik Kota Chakra v") + kVersion);
        QVERIFY(!w.frm->isWindowModified());
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
        ZKC_VERIFY_NEAR(centre(4).y(), middle.y(), kOnePixel);
        QVERIFY(centre(4).x() > middle.x());
        QVERIFY(centre(5).x() < centre(6).x() && centre(6).x() < centre(7).x());
        ZKC_VERIFY_NEAR(centre(7).y(), middle.y(), kOnePixel);
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
        QCOMPARE(zkc::test::FocusName(), focus);
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
        w.FillBoth();
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
        const QString first = w.ShowReading()->toPlainText();
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
        QTextDocument* doc = w.ShowReading()->document();
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
        const zkc::test::Run cli = zkc::test::RunProgram(
            KOTACHAKRA_CLI,
            {"--name",      "Asha Rao",        "--birth-date", "1901-01-01",    "--birth-time",
             "00:00",       "--birth-zone",    "5:30",         "--birth-lon",   "77:13E",
             "--birth-lat", "28:39S",          "--birth-city", "New Delhi",     "--birth-state",
             "Delhi",       "--birth-country", "India",        "--day-date",    "2026-12-08",
             "--day-time",  "09:00",           "--day-zone",   "5:30",          "--day-dst",
             "--day-lon",   "77:13E",          "--day-lat",    "28:39N",        "--day-city",
             "New Delhi",   "--day-state",     "Delhi",        "--day-country", "India"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(w.Get<QTextEdit>("RTBResult")->toPlainText(), QString::fromUtf8(cli.out));
    }

    // A copy of the report is emptied by every event of the report: a mouse
    // move, a press, a release, a click and a new reading; events elsewhere
    // in the window leave it.
    void clipboardRule() {
        Window w;
        auto* report = w.ShowReading();
        QWidget* area = report->viewport();
        QClipboard* clipboard = QGuiApplication::clipboard();
        ReportEvents events(report);
        QVERIFY(ParkThePointerOutside(w));
        const auto copyTheReport = [&] {
            report->selectAll();
            report->copy();
            return clipboard->text().startsWith("Personal Details");
        };

        QVERIFY(copyTheReport());
        QVERIFY(events.MoveOver(area));
        QCOMPARE(clipboard->text(), QString());

        // A press, and a release dragged out of the report (a release, not a
        // click). The button goes up again before anything is compared, so
        // that a failure leaves no button held for the tests after this one.
        QVERIFY(copyTheReport());
        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(30, 30));
        const QString afterPress = clipboard->text();
        const bool copiedAgain = copyTheReport();
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(-5, -5));
        const QString afterRelease = clipboard->text();
        QCOMPARE(events.down.count(), 1);
        QCOMPARE(afterPress, QString());
        QVERIFY(copiedAgain);
        QCOMPARE(events.up.count(), 1);
        QCOMPARE(events.clicked.count(), 0);
        QCOMPARE(afterRelease, QString());
        QVERIFY(copyTheReport());
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(33, 37));
        QVERIFY(events.clicked.count() > 0);
        QCOMPARE(clipboard->text(), QString());

        // Leaving the result page and coming back keeps the copy; the new
        // reading empties it.
        QVERIFY(copyTheReport());
        w.Click("cmdBack");
        w.Click("cmdNext");
        QVERIFY(clipboard->text().startsWith("Personal Details"));
        w.Click("cmdCalculate");
        QCOMPARE(clipboard->text(), QString());

        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            // This platform keeps the clipboard inside the process and does
            // not report ownership, so a copy is known by the report's marker
            // or, where a copy lost the marker, by the report's text; any
            // other text stays.
            QVERIFY(copyTheReport());
            auto* unmarked = new QMimeData;
            unmarked->setText(clipboard->text());
            clipboard->setMimeData(unmarked);
            QVERIFY(!clipboard->mimeData()->hasFormat(app::kReportMimeFormat));
            QVERIFY(events.MoveOver(area));
            QCOMPARE(clipboard->text(), QString());

            clipboard->setText("some other text");
            QVERIFY(events.MoveOver(area));
            QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(30, 30));
            QCOMPARE(clipboard->text(), QString("some other text"));
        } else {
            // Where ownership is known, any content of this program goes,
            // not only the report's.
            QLineEdit* name = w.Edit("txtName");
            name->selectAll();
            name->copy();
            QCOMPARE(clipboard->text(), QString("Asha Rao"));
            QVERIFY(clipboard->ownsClipboard());
            QVERIFY(events.MoveOver(area));
            QCOMPARE(clipboard->text(), QString());
        }
    }

    // Content of another program stays, whatever the mouse does over the
    // report and however often the reading changes.
    void clipboardRuleSparesOtherPrograms() {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QSKIP(
                "no other program can reach the offscreen clipboard; the run under Xvfb "
                "(tst_frm_main_xvfb) covers this");
        }
        Window w;
        auto* report = w.ShowReading();
        QWidget* area = report->viewport();
        QClipboard* clipboard = QGuiApplication::clipboard();
        ReportEvents events(report);

        QVERIFY(ParkThePointerOutside(w));

        const QString foreignText = "copied in another program";
        ClipboardOwner other(foreignText);
        QVERIFY2(other.WaitUntilReady(), qPrintable(other.Failure()));
        QTRY_COMPARE(clipboard->text(), foreignText);
        QVERIFY(!clipboard->ownsClipboard());
        QVERIFY(events.MoveOver(area));
        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(33, 37));
        QCOMPARE(events.down.count(), 2);
        QCOMPARE(events.up.count(), 2);
        QCOMPARE(events.clicked.count(), 2);
        w.Click("cmdBack");
        w.Click("cmdNext");
        w.Click("cmdCalculate");
        QCOMPARE(clipboard->text(), foreignText);
        QVERIFY(!clipboard->ownsClipboard());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
