// The time zone picker: its rows, the fields it fills, and its quit keys.
#include <QListWidget>

#include "app/clickable_label.h"
#include "app/frm_time_zone.h"
#include "app/time_zone_table.h"
#include "version/version.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::WhenModalOpens;
using zkc::test::Window;

namespace {

// Opens the picker from a page's "TZ Help" and double-clicks the row with the
// given text (or, for an empty text, runs quit on the picker).
void Pick(const Window& w, const char* helpLabel, const QString& row,
          std::function<void(QDialog*)> quit = {}) {
    WhenModalOpens([row, quit](QWidget* modal) {
        auto* picker = qobject_cast<QDialog*>(modal);
        QCOMPARE_EQ(picker->objectName(), QString("frmTimeZone"));
        auto* list = picker->findChild<QListWidget*>("lstTimeZone");
        QCOMPARE_EQ(list->currentRow(), -1);  // no row is selected on opening
        QVERIFY(list->selectedItems().isEmpty());
        if (row.isEmpty()) {
            quit(picker);
            return;
        }
        QListWidgetItem* item = list->findItems(row, Qt::MatchExactly).value(0);
        QVERIFY(item != nullptr);
        const QRect r = list->visualItemRect(item);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(item).center());
        Q_UNUSED(r);
    });
    QTest::mouseClick(w.Get<app::ClickableLabel>(helpLabel), Qt::LeftButton);
}

QStringList Zones(const Window& w) {
    return {w.Edit("txtZoneHour")->text(), w.Edit("txtZoneMinute")->text(),
            w.Edit("txtZoneHourOracle")->text(), w.Edit("txtZoneMinuteOracle")->text()};
}

}  // namespace

class TestTimeZonePicker : public QObject {
    Q_OBJECT

  private slots:
    void rows() {
        bool forOracle = false;
        QLineEdit a, b, c, d;
        app::FrmTimeZone picker(forOracle, {&a, &b}, {&c, &d});
        QCOMPARE(picker.windowTitle(), QString("Zorvik Kota Chakra v") + kVersion);
        QCOMPARE(picker.lstTimeZone->count(), 71);
        QCOMPARE(picker.lstTimeZone->item(0)->text(),
                 QString("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
        QCOMPARE(picker.lstTimeZone->item(34)->text(), QString("Indian Time, IST, +5.3"));
        QCOMPARE(picker.lstTimeZone->item(70)->text(), QString("Yukon War Time,YWT,-8.0"));
        QCOMPARE(picker.cmdQuit->text(), QString("&Quit"));
        // Not the default: Enter in the list applies its row.
        QVERIFY(!picker.cmdQuit->isDefault());
        // The rows are entries, in regular weight; only the button's caption is bold.
        QVERIFY(!picker.lstTimeZone->font().bold());
        QVERIFY(picker.cmdQuit->font().bold());
    }

    void pageOne() {
        Window w;
        Pick(w, "lblTZHelp", "Indian Time, IST, +5.3");
        QCOMPARE(Zones(w), QStringList({"-5", "-30", "", ""}));
        QVERIFY(!w.frm->bTimeZoneForOracle);
        QVERIFY(!w.Get<QCheckBox>("chkDST")->isChecked());
    }

    void pageTwo() {
        Window w;
        Pick(w, "lblTZHelpOracle", "Newfoundland Standard Time,NST,-3.5");
        QCOMPARE(Zones(w), QStringList({"", "", "3", "30"}));
        QVERIFY(!w.frm->bTimeZoneForOracle);  // reset once the row is applied
        Pick(w, "lblTZHelpOracle", "Eastern Standard Time,EST,-5.0");
        QCOMPARE(Zones(w), QStringList({"", "", "5", "0"}));
    }

    void writtenValuesPassTheChecks() {
        Window w;
        w.FillPage(false);
        Pick(w, "lblTZHelp", "Central Daylight Time,CDT,-5.0");
        QVERIFY(!w.Get<QCheckBox>("chkDST")->isChecked());  // the picker never ticks DST
        Pick(w, "lblTZHelp", "Yukon War Time,YWT,-8.0");
        QCOMPARE(Zones(w).mid(0, 2), QStringList({"8", "0"}));
        Pick(w, "lblTZHelp", "Hawaiian Standard Time,HST,-10.5");
        QCOMPARE(Zones(w).mid(0, 2), QStringList({"10", "30"}));
        Pick(w, "lblTZHelp", "Java Time, JT, +7.5");
        w.Click("cmdNext");
        QVERIFY(w.messages.shown.isEmpty());
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
    }

    // A keyboard alone chooses a zone: Tab into the list, arrows to a row,
    // Enter applies it and closes the picker.
    void keyboardChoice() {
        Window w;
        QString focusAtOpening, focusAfterTab, rowChosen;
        WhenModalOpens([&](QWidget* picker) {
            auto* list = picker->findChild<QListWidget*>("lstTimeZone");
            focusAtOpening = picker->focusWidget()->objectName();
            QTest::keyClick(picker->focusWidget(), Qt::Key_Tab);
            focusAfterTab = picker->focusWidget()->objectName();
            list->setCurrentRow(0);
            for (int i = 0; i < 34; ++i) {
                QTest::keyClick(list, Qt::Key_Down);
            }
            rowChosen = list->currentItem()->text();
            QTest::keyClick(list, Qt::Key_Return);
        });
        auto* link = w.Get<app::ClickableLabel>("lblTZHelp");
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Space);  // the link opens the picker from the keyboard
        QCOMPARE(focusAtOpening, QString("cmdQuit"));
        QCOMPARE(focusAfterTab, QString("lstTimeZone"));
        QCOMPARE(rowChosen, QString("Indian Time, IST, +5.3"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(Zones(w), QStringList({"-5", "-30", "", ""}));

        // Enter on the link, a row, then Escape: nothing changes.
        WhenModalOpens([](QWidget* picker) {
            auto* list = picker->findChild<QListWidget*>("lstTimeZone");
            list->setFocus();
            list->setCurrentRow(3);
            QTest::keyClick(list, Qt::Key_Escape);
        });
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(Zones(w), QStringList({"-5", "-30", "", ""}));
    }

    void quitLeavesBothPages_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Quit") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("Enter on Quit") << 2;
        QTest::newRow("Enter in the list without a row") << 3;
    }
    void quitLeavesBothPages() {
        QFETCH(int, how);
        Window w;
        w.Edit("txtZoneHour")->setText("1");
        w.Edit("txtZoneHourOracle")->setText("2");
        Pick(w, "lblTZHelpOracle", QString(), [how](QDialog* picker) {
            auto* list = picker->findChild<QListWidget*>("lstTimeZone");
            switch (how) {
                case 0:
                    QTest::mouseClick(picker->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
                    break;
                case 1:
                    QTest::keyClick(picker, Qt::Key_Escape);
                    break;
                case 2:
                    QTest::keyClick(picker->focusWidget(), Qt::Key_Return);
                    break;
                default:
                    list->setCurrentRow(-1);
                    QTest::keyClick(list, Qt::Key_Return);
                    break;
            }
        });
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(Zones(w), QStringList({"1", "", "2", ""}));
        // Opened from page 2 and quit: the next opening from page 1 fills page 1.
        Pick(w, "lblTZHelp", "Greenwich Mean Time,GMT,0.0");
        QCOMPARE(Zones(w), QStringList({"0", "0", "2", ""}));
    }
};

QTEST_MAIN(TestTimeZonePicker)
#include "tst_time_zone_picker.moc"
