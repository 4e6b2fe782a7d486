// The transit table: opened from the menu once a reading is calculated, the
// coming changes over the chosen range, adverse changes marked, sorting,
// copying and the CSV export, which writes what kotachakra-cli --events
// writes.
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>

#include "app/frm_transits.h"
#include "app/transit_table_model.h"
#include "chart_inputs.h"
#include "program_run.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::Window;

namespace {

ChartInput Birth() {
    ChartInput in = test::MakeInput(1990, 1, 26, 16, 5, 5, 30, test::kDelhi);
    in.Name = "Asha Rao";
    return in;
}

ChartInput Day() {
    ChartInput in = test::MakeInput(2026, 12, 8, 9, 0, 5, 30, test::kDelhi);
    in.City = "New Delhi";
    return in;
}

struct Dialog {
    test::RecordingMessageBoxes messages;
    test::QueuedFileDialogs files;
    app::FrmTransits frm{Birth(), Day(), messages, files};

    const app::TransitTableModel& Model() const {
        return *frm.findChild<app::TransitTableModel*>();
    }
    QAbstractItemModel& Shown() const { return *frm.tblTransits->model(); }
};

}  // namespace

class TestFrmTransits : public QObject {
    Q_OBJECT

  private slots:
    // The menu item waits for a reading; then it opens the table.
    void openedFromTheMenuAfterACalculation() {
        Window w;
        QAction* item = w.frm->findChild<QAction*>("mnuTransits");
        QVERIFY(item);
        QCOMPARE(item->text(), QString("&Transits…"));
        QVERIFY(!item->isEnabled());
        w.FillPage(false);
        w.FillPage(true);
        w.SetDate(true, 2026, 12, 8);
        w.Click("cmdCalculate");
        QVERIFY(item->isEnabled());
        QString opened;
        int rows = -1;
        test::WhenModalOpens([&](QWidget* modal) {
            opened = modal->objectName();
            rows = modal->findChild<QTableView*>("tblTransits")->model()->rowCount();
            modal->close();
        });
        item->trigger();
        QCOMPARE(opened, QString("frmTransits"));
        QVERIFY(rows > 5);
    }

    // Each range lists the changes the search finds over it, in time order.
    void rangesListTheComingChanges() {
        Dialog d;
        for (int i = 0; i < 3; ++i) {
            d.frm.cboRange->setCurrentIndex(i);
            const std::vector<TransitRow> expected = ComingTransits(
                Birth(), Day(), ClockOfDayInput(Day()), app::FrmTransits::kRangeDays[i]);
            QCOMPARE(d.Shown().rowCount(), static_cast<int>(expected.size()));
            for (int row = 1; row < d.Shown().rowCount(); ++row) {
                QVERIFY(
                    d.Shown()
                        .index(row - 1, 0)
                        .data(app::TransitTableModel::kSortRole)
                        .toLongLong() <=
                    d.Shown().index(row, 0).data(app::TransitTableModel::kSortRole).toLongLong());
            }
        }
        QCOMPARE(d.Shown().headerData(0, Qt::Horizontal).toString(), QString("Date and time"));
        QCOMPARE(d.Shown().index(0, 0).data().toString().left(10), QString("2026-12-08"));
    }

    // A change into an adverse standing is bold and red; one out of it green.
    void adverseChangesAreMarked() {
        Dialog d;
        d.frm.cboRange->setCurrentIndex(1);
        int marked = 0;
        for (int row = 0; row < d.Model().rowCount(); ++row) {
            const TransitRow& r = d.Model().Rows()[static_cast<std::size_t>(row)];
            const QModelIndex cell = d.Model().index(row, app::TransitTableModel::kTo);
            const QColor colour = cell.data(Qt::ForegroundRole).value<QBrush>().color();
            const bool bold = cell.data(Qt::FontRole).value<QFont>().bold();
            QCOMPARE(bold, r.BecomesAdverse());
            if (r.BecomesAdverse()) {
                QCOMPARE(colour, QColor(128, 0, 0));
                QVERIFY(d.Model().CellText(row, app::TransitTableModel::kTo).endsWith("Adverse"));
                ++marked;
            } else if (r.from.Result == KotaResult::Adverse && r.to.Result != KotaResult::Adverse) {
                QCOMPARE(colour, QColor(0, 128, 0));
            }
        }
        QVERIFY(marked > 0);
    }

    // Sorting by body puts the bodies in their order, each body's changes in
    // time.
    void sortsByAnyColumn() {
        Dialog d;
        d.frm.cboRange->setCurrentIndex(1);
        d.frm.tblTransits->horizontalHeader()->setSortIndicator(app::TransitTableModel::kBody,
                                                                Qt::AscendingOrder);
        QCOMPARE(d.Shown().index(0, 1).data().toString(), QString("Sun"));
        int previous = -1;
        for (int row = 0; row < d.Shown().rowCount(); ++row) {
            const int body =
                d.Shown().index(row, 1).data(app::TransitTableModel::kSortRole).toInt();
            QVERIFY(body >= previous);
            previous = body;
        }
    }

    // Ctrl+C copies the selected rows, or all, as tab-separated lines.
    void copiesTheSelectedRows() {
        Dialog d;
        d.frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.frm));
        QApplication::clipboard()->clear();
        d.frm.tblTransits->selectRow(2);
        d.frm.tblTransits->selectionModel()->select(
            d.Shown().index(4, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keySequence(d.frm.tblTransits, QKeySequence::Copy);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("Date and time\tBody\tFrom\tTo"));
        QCOMPARE(lines[1], QString("%1\t%2\t%3\t%4")
                               .arg(d.Shown().index(2, 0).data().toString(),
                                    d.Shown().index(2, 1).data().toString(),
                                    d.Shown().index(2, 2).data().toString(),
                                    d.Shown().index(2, 3).data().toString()));
        d.frm.tblTransits->clearSelection();
        QCOMPARE(d.frm.SelectedText().count('\n'), d.Shown().rowCount() + 1);
    }

    // The export is the command line's CSV of the same changes.
    void exportsWhatTheCommandLineWrites() {
        QTemporaryDir dir;
        Dialog d;
        d.files.answers << dir.filePath("transits.csv");
        QTest::mouseClick(d.frm.cmdExport, Qt::LeftButton);
        QFile exported(dir.filePath("transits.csv"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const zkc::test::Run cli = zkc::test::RunProgram(
            KOTACHAKRA_CLI,
            {"--name",       "Asha Rao",        "--birth-date", "1990-01-26",  "--birth-time",
             "16:05",        "--birth-zone",    "5:30",         "--birth-lon", "77:13E",
             "--birth-lat",  "28:39N",          "--day-date",   "2026-12-08",  "--day-time",
             "09:00",        "--day-zone",      "5:30",         "--day-lon",   "77:13E",
             "--day-lat",    "28:39N",          "--events",     "--format",    "csv",
             "--scan-until", "2026-12-15T09:00"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(exported.readAll(), cli.out);
        QVERIFY(d.messages.shown.isEmpty());

        d.files.answers << dir.filePath("no such folder/transits.csv");
        QTest::mouseClick(d.frm.cmdExport, Qt::LeftButton);
        QCOMPARE(d.messages.shown.size(), 1);
        QVERIFY(d.messages.shown[0].text.contains("could not be written"));
    }
};

QTEST_MAIN(TestFrmTransits)
#include "tst_frm_transits.moc"
