// The window's chart files: save and open give back the same pages and
// reading; a refused file changes nothing; the recent list; unsaved changes
// on closing; pages remembered between runs; the day set to now; export and
// print.
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextEdit>

#include "app/input_page.h"
#include "app/report_text_box.h"
#include "documents/chart_document.h"
#include "version/version.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::MemorySettings;
using zkc::test::Window;

namespace {

// Everything both pages hold, for before-and-after comparisons.
QStringList Snapshot(const Window& w) {
    QStringList all;
    for (const char* name : {"fraDOBDetails", "fraOracleDetails"}) {
        const PageFields p = w.Get<app::InputPage>(name)->Fields();
        all << QString::fromStdString(p.Name) << QString::number(p.MonthIndex)
            << QString::number(p.DayIndex) << QString::number(p.Year) << QString::number(p.Hour)
            << QString::number(p.Minute) << QString::fromStdString(p.ZoneHour)
            << QString::fromStdString(p.ZoneMinute) << QString::fromStdString(p.LonDegrees)
            << QString::fromStdString(p.LonMinutes) << QString::fromStdString(p.LatDegrees)
            << QString::fromStdString(p.LatMinutes) << QString::number(p.IsDaylightSaving)
            << QString::number(p.IsEast) << QString::number(p.IsSouth)
            << QString::fromStdString(p.City) << QString::fromStdString(p.State)
            << QString::fromStdString(p.Country) << QString::fromStdString(p.TimeZone);
    }
    return all;
}

QString Report(const Window& w) {
    return w.Get<QTextEdit>("RTBResult")->toPlainText();
}

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A filled chart with the day bound to Madrid in summer.
void FillChart(const Window& w) {
    w.FillPage(false);
    w.FillPage(true);
    w.Get<app::InputPage>("fraOracleDetails")
        ->BindToPlace(places::Atlas::Shared().Find("Madrid", 1)[0]);
    w.SetDate(true, 2026, 7, 15);
    w.Combo("cboHHOracle")->setCurrentIndex(12);
}

}  // namespace

class TestChartFilesWindow : public QObject {
    Q_OBJECT

  private slots:
    void fileMenu() {
        Window w;
        QStringList items;
        for (QAction* a : w.frm->menuBar()->actions()[0]->menu()->actions()) {
            items << (a->isSeparator() ? QString("-") : a->text());
        }
        QCOMPARE(items,
                 QStringList({"&Calculate", "-", "&New", "&Open\u2026", "Open &Recent", "&Save",
                              "Save &As\u2026", "-", "&Export\u2026", "&Print\u2026", "-",
                              "Set &Day to Now", "&Transits\u2026", "-", "&Quit"}));
        QCOMPARE(w.Action("mnuNew")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(w.Action("mnuSaveAs")->shortcut(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(w.Action("mnuSetDayToNow")->shortcut(), QKeySequence("Ctrl+T"));
        QCOMPARE(w.Action("mnuQuit")->shortcut(), QKeySequence("Ctrl+Q"));
    }

    // Save, New, Open: the same pages, binding included, and the same reading.
    void saveNewOpenRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath("asha.kota");
        Window w;
        FillChart(w);
        QVERIFY(w.frm->isWindowModified());
        w.Click("cmdCalculate");
        const QString reading = Report(w);
        const QStringList filled = Snapshot(w);

        w.files.answers << path;
        w.Action("mnuSave")->trigger();  // untitled: asks where, as Save As
        QVERIFY(QFile::exists(path));
        QCOMPARE(w.frm->CurrentFile(), path);
        QCOMPARE(w.frm->windowTitle(),
                 "asha.kota[*] \u2014 Zorvik Kota Chakra v" + QString(kVersion));
        QVERIFY(!w.frm->isWindowModified());

        w.Action("mnuNew")->trigger();
        QVERIFY(Snapshot(w) != filled);
        QCOMPARE(w.Edit("txtName")->text(), QString());
        QCOMPARE(w.Combo("cboYearOracle")->currentText(), QString("1901"));
        QVERIFY(!w.Get<app::InputPage>("fraOracleDetails")->IsBound());
        QCOMPARE(w.Front(), QString("fraDOBDetails"));

        w.files.answers << path;
        w.Action("mnuOpen")->trigger();
        QCOMPARE(Snapshot(w), filled);
        QVERIFY(w.Get<app::InputPage>("fraOracleDetails")->IsBound());
        QVERIFY(!w.frm->isWindowModified());
        w.Click("cmdNext");
        w.Click("cmdCalculate");
        QCOMPARE(Report(w), reading);
    }

    void saveNeedsCheckedPages() {
        QTemporaryDir dir;
        Window w;
        w.FillPage(true);  // page 1 empty
        w.files.answers << dir.filePath("x.kota");
        w.Action("mnuSaveAs")->trigger();
        QCOMPARE(w.LastMessage(), QString("Please Enter Name"));
        QVERIFY(!QFile::exists(dir.filePath("x.kota")));
    }

    // Whatever is wrong with a file, opening it says so and leaves both
    // pages and the file shown as they were.
    void refusedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("hello") << "bad.kota: not a JSON document";
        QTest::newRow("another format")
            << QByteArray(R"({"format": "other", "birth": {}, "day": {}})")
            << "bad.kota: not a chart file";
        QTest::newRow("newer") << QByteArray(R"({"format": "kotachakra-chart", "version": 9})")
                               << "bad.kota: a chart file of version 9";
        PageFields nameless;
        nameless.HasName = true;
        nameless.ZoneHour = "5";
        for (std::string* field : {&nameless.LonDegrees, &nameless.LonMinutes, &nameless.LatDegrees,
                                   &nameless.LatMinutes}) {
            *field = "1";
        }
        PageFields day = nameless;
        day.HasName = false;
        QTest::newRow("a page check")
            << ChartDocument({nameless, day}) << "bad.kota: birth: Please Enter Name";
        QTest::newRow("too large")
            << QByteArray(1024 * 1024 + 1, ' ') << "bad.kota: larger than 1 MB";
    }
    void refusedFilesChangeNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        Write(dir.filePath("bad.kota"), content);
        Window w;
        FillChart(w);
        const QStringList before = Snapshot(w);
        const bool modified = w.frm->isWindowModified();
        w.files.answers << dir.filePath("bad.kota");
        w.unsaved.answer = app::UnsavedChanges::Discard;
        w.Action("mnuOpen")->trigger();
        QVERIFY2(w.LastMessage().startsWith(message), qPrintable(w.LastMessage()));
        QCOMPARE(w.messages.shown.last().icon, MessageIcon::Stop);
        QCOMPARE(Snapshot(w), before);
        QCOMPARE(w.frm->isWindowModified(), modified);
        QVERIFY(w.frm->CurrentFile().isEmpty());
    }

    // The last eight files, newest first; files that went are dropped with a note.
    void recentList() {
        QTemporaryDir dir;
        MemorySettings settings;
        Window w(false, &settings);
        FillChart(w);
        QStringList saved;
        for (int i = 1; i <= 10; ++i) {
            saved << dir.filePath(QString("chart%1.kota").arg(i));
            w.files.answers << saved.last();
            w.Action("mnuSaveAs")->trigger();
        }
        QFile::remove(saved[9]);
        auto* recent = w.frm->findChild<QMenu*>("mnuRecent");
        emit recent->aboutToShow();
        QStringList shown;
        for (QAction* a : recent->actions()) {
            shown << (a->isSeparator() ? QString("-") : a->text());
        }
        QCOMPARE(shown, QStringList({"chart9.kota", "chart8.kota", "chart7.kota", "chart6.kota",
                                     "chart5.kota", "chart4.kota", "chart3.kota", "-",
                                     "No longer found, removed: chart10.kota"}));
        w.unsaved.answer = app::UnsavedChanges::Discard;
        recent->actions()[2]->trigger();
        QCOMPARE(w.frm->CurrentFile(), saved[6]);
        // The next window shows the same list, newest first.
        w.frm->close();
        Window again(false, &settings);
        auto* recentAgain = again.frm->findChild<QMenu*>("mnuRecent");
        emit recentAgain->aboutToShow();
        QCOMPARE(recentAgain->actions()[0]->text(), QString("chart7.kota"));
        QCOMPARE(again.files.folders.value(0, dir.path()), dir.path());
    }

    void unsavedChangesOnClosing() {
        Window w;
        w.FillPage(false);
        w.unsaved.answer = app::UnsavedChanges::Cancel;
        QVERIFY(!w.frm->close());
        QCOMPARE(w.unsaved.askedAbout, QStringList({"Untitled"}));
        QVERIFY(w.frm->isVisible());

        QTemporaryDir dir;
        w.unsaved.answer = app::UnsavedChanges::Save;
        w.FillPage(true);
        w.files.answers << dir.filePath("kept.kota");
        QVERIFY(w.frm->close());
        QVERIFY(QFile::exists(dir.filePath("kept.kota")));

        Window clean;
        QVERIFY(clean.frm->close());  // nothing changed: no question
        QVERIFY(clean.unsaved.askedAbout.isEmpty());
    }

    // Both pages come back as they were left, complete or not; a first
    // start looks as it always did.
    void pagesRememberedBetweenRuns() {
        MemorySettings settings;
        {
            Window first(false, &settings);
            QCOMPARE(first.Edit("txtName")->text(), QString());
            first.Edit("txtName")->setText("Asha Rao");
            first.Edit("txtLatD")->setText("28");  // a half-filled page is kept too
            first.Get<app::InputPage>("fraOracleDetails")
                ->BindToPlace(places::Atlas::Shared().Find("Kathmandu", 1)[0]);
            first.unsaved.answer = app::UnsavedChanges::Discard;
            QVERIFY(first.frm->close());
        }
        Window second(false, &settings);
        QCOMPARE(second.Edit("txtName")->text(), QString("Asha Rao"));
        QCOMPARE(second.Edit("txtLatD")->text(), QString("28"));
        QVERIFY(second.Edit("txtLatM")->text().isEmpty());
        QCOMPARE(second.Edit("txtUserCity_Oracle")->text(), QString("Kathmandu"));
        QVERIFY(second.Get<app::InputPage>("fraOracleDetails")->IsBound());
        QVERIFY(!second.frm->isWindowModified());
    }

    // Source: the zone database; 10:00 UTC on 15 July 2026 is 12:00 in
    // Madrid (summer time) and 15:45 in Kathmandu (+5:45).
    void daySetToNow() {
        Window w;
        auto* day = w.Get<app::InputPage>("fraOracleDetails");
        day->BindToPlace(places::Atlas::Shared().Find("Madrid", 1)[0]);
        w.Action("mnuSetDayToNow")->trigger();
        QCOMPARE(w.Combo("cboYearOracle")->currentText(), QString("2026"));
        QCOMPARE(w.Combo("cboMonthOracle")->currentText(), QString("July"));
        QCOMPARE(w.Combo("cboDateOracle")->currentText(), QString("15"));
        QCOMPARE(w.Combo("cboHHOracle")->currentText(), QString("12"));
        QCOMPARE(w.Combo("cboMMOracle")->currentText(), QString("0"));
        day->BindToPlace(places::Atlas::Shared().Find("Kathmandu", 1)[0]);
        w.Action("mnuSetDayToNow")->trigger();
        QCOMPARE(w.Combo("cboHHOracle")->currentText(), QString("15"));
        QCOMPARE(w.Combo("cboMMOracle")->currentText(), QString("45"));
        // Unbound: the computer's own clock.
        day->Unbind();
        w.Action("mnuSetDayToNow")->trigger();
        const QDateTime local = w.clock.now.toLocalTime();
        QCOMPARE(w.Combo("cboHHOracle")->currentText(), QString::number(local.time().hour()));
        QCOMPARE(w.Combo("cboYear")->currentText(), QString("1901"));  // page 1 untouched
    }

    // Ctrl+C and the report's menu copy the reading for the user to paste;
    // the mouse working over the report leaves such a copy, while it still
    // empties what the program put on the clipboard by itself.
    void readingIsCopyable() {
        Window w;
        auto* report = w.ShowReading();
        QClipboard* clipboard = QGuiApplication::clipboard();

        // What the program copies without being asked still goes.
        report->selectAll();
        report->copy();
        QVERIFY(clipboard->text().startsWith("Personal Details"));
        QTest::mouseMove(report->viewport(), QPoint(25, 25));
        QTest::mouseMove(report->viewport(), QPoint(35, 45));
        QCOMPARE(clipboard->text(), QString());

        report->setFocus();
        QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), report->toPlainText());
        for (const QPoint& p : {QPoint(20, 20), QPoint(40, 50), QPoint(60, 30)}) {
            QTest::mouseMove(report->viewport(), p);
            QTest::mouseClick(report->viewport(), Qt::LeftButton, {}, p);
        }
        QCOMPARE(clipboard->text(), report->toPlainText());

        // Nothing selected: the menu's copy takes the whole reading.
        clipboard->clear();
        report->moveCursor(QTextCursor::Start);
        report->CopyReading();
        QVERIFY(clipboard->text().startsWith("Personal Details"));
        QVERIFY(clipboard->mimeData()->hasFormat(app::kDeliberateCopyFormat));
    }

    void exportAndPrint() {
        QTemporaryDir dir;
        Window w;
        FillChart(w);
        w.files.answers << dir.filePath("reading.pdf");
        w.Action("mnuExport")->trigger();
        QFile pdf(dir.filePath("reading.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF-"));

        w.files.answers << dir.filePath("reading.png");
        w.Action("mnuExport")->trigger();
        QImage picture(dir.filePath("reading.png"));
        QCOMPARE(picture.size(), w.Get("fraResult")->size() * 2);

        w.Action("mnuPrint")->trigger();
        QCOMPARE(w.printing.names, QStringList({"Kota Chakra of Asha Rao, 15 July 2026"}));
        QVERIFY(w.printing.printed.startsWith("%PDF-"));

        // A page that fails its checks is neither exported nor printed.
        w.Edit("txtName")->clear();
        w.files.answers << dir.filePath("none.pdf");
        w.Action("mnuExport")->trigger();
        QVERIFY(!QFile::exists(dir.filePath("none.pdf")));
        QCOMPARE(w.LastMessage(), QString("Please Enter Name"));
    }
};

QTEST_MAIN(TestChartFilesWindow)
#include "tst_chart_files_window.moc"
