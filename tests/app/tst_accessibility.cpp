// The window for everyone: keyboard and focus, names for screen readers,
// readable colours and fonts on any desktop, a window that fits the screen,
// and the page-1 checks on every calculation.
#include <QAccessible>
#include <QFontDatabase>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <cmath>

#include "app/app_style.h"
#include "app/clickable_label.h"
#include "app/frm_transits.h"
#include "chart_inputs.h"
#include "dark_desktop.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::DarkDesktop;
using zkc::test::FocusName;
using zkc::test::Window;

namespace {

using Edit = std::function<void(const Window&)>;

void Calculate(const Window& w) {
    w.frm->menuBar()->actions()[0]->menu()->actions()[0]->trigger();  // File > Calculate
}

// WCAG relative luminance and contrast ratio.
double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette LightDesktop() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    return fusion->standardPalette();
}

QString AccessibleName(QObject* o) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(QAccessible::Name) : QString();
}

QList<QWidget*> Inputs(const Window& w, const QString& page) {
    QList<QWidget*> inputs;
    for (QWidget* child : w.Get(page)->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
            qobject_cast<QAbstractButton*>(child) || qobject_cast<app::ClickableLabel*>(child)) {
            inputs << child;
        }
    }
    return inputs;
}

}  // namespace

Q_DECLARE_METATYPE(Edit)

class TestAccessibility : public QObject {
    Q_OBJECT

  private slots:
    // After a reading, "&Back" and a change on page 1, a calculation checks
    // page 1 again and shows it with its message instead of a reading.
    void pageOneCheckedOnEveryCalculation_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("blank name")
            << Edit([](const Window& w) { w.Edit("txtName")->clear(); }) << "Please Enter Name"
            << "txtName";
        QTest::newRow("31 February") << Edit([](const Window& w) { w.SetDate(false, 1990, 2, 31); })
                                     << "Please Enter Correct Date Or Month!"
                                     << "txtName";  // the date check leaves the first field
        QTest::newRow("degrees beyond 16 bits")
            << Edit([](const Window& w) { w.Edit("txtLonD")->setText("99999"); })
            << "Please Enter Correct Degree of Longitude"
            << "txtLonD";
    }
    void pageOneCheckedOnEveryCalculation() {
        QFETCH(Edit, edit);
        Window w;
        w.FillBoth();
        Calculate(w);
        QCOMPARE(w.Front(), QString("fraResult"));
        const QString reading = w.Get<QTextEdit>("RTBResult")->toPlainText();
        const ChartInput birth = w.frm->Charts().BirthChart().Input;
        w.Click("cmdBack");
        edit(w);
        Calculate(w);
        QCOMPARE(w.messages.shown.size(), 1);
        QTEST(w.LastMessage(), "message");
        QCOMPARE(w.Front(), QString("fraDOBDetails"));
        QTEST(FocusName(), "focus");
        QCOMPARE(w.frm->Charts().BirthChart().Input, birth);  // nothing computed
        QCOMPARE(w.Get<QTextEdit>("RTBResult")->toPlainText(), reading);
        QVERIFY(!w.Get("fraResult")->isVisible());
    }

    // Tab never lands on a control nobody can see, on any page; after a page
    // change the focus is on the new page's first field.
    void focusStaysOnTheVisiblePage() {
        Window w;
        w.FillBoth();
        const auto tabAround = [&](const QString& page) {
            QWidget* front = w.Get(page);
            for (int i = 0; i < 40; ++i) {
                QWidget* f = QApplication::focusWidget();
                QVERIFY2(f && f->isVisible(), qPrintable(page + ": focus on " + FocusName()));
                QVERIFY2(front->isAncestorOf(f) || !w.Get("fraMain")->isAncestorOf(f),
                         qPrintable(page + ": focus on " + FocusName()));
                QVERIFY2(f->objectName() != "lblCobrand", "the covered link is a tab stop");
                QTest::keyClick(f, Qt::Key_Tab);
            }
        };
        QCOMPARE(FocusName(), QString("txtName"));
        tabAround("fraDOBDetails");
        w.Click("cmdNext");
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
        QCOMPARE(FocusName(), QString("cboMonthOracle"));
        tabAround("fraOracleDetails");
        w.Click("cmdCalculate");
        QCOMPARE(w.Front(), QString("fraResult"));
        QCOMPARE(FocusName(), QString("RTBResult"));
        QVERIFY(!w.Get("fraMain")->isVisible());
        tabAround("fraResult");
        w.Click("cmdBack");
        QCOMPARE(FocusName(), QString("txtName"));
        QVERIFY(!w.Get("fraResult")->isVisible() && !w.Get("fraOracleDetails")->isVisible());
    }

    // Enter in a field acts as the page's button; on a focused button it
    // presses that button.
    void enterActsAsThePagesButton() {
        Window w;
        w.FillBoth();
        QTest::keyClick(w.Edit("txtLatD"), Qt::Key_Return);
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
        QVERIFY(w.messages.shown.isEmpty());
        QTest::keyClick(w.Get("chkDSTOracle"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w.Front(), QString("fraResult"));
        QVERIFY(!w.Get<QTextEdit>("RTBResult")->toPlainText().isEmpty());
        w.Click("cmdBack");
        QTest::keyClick(w.Combo("cboYear"), Qt::Key_Return);
        QCOMPARE(w.Front(), QString("fraOracleDetails"));
        QTest::keyClick(w.Edit("txtUserCity_Oracle"), Qt::Key_Return);
        QCOMPARE(w.Front(), QString("fraResult"));
        w.Click("cmdBack");
        QTest::keyClick(w.Get("cmdBrowser_0"), Qt::Key_Return);
        QCOMPARE(w.search.searches.size(), 1);
        QCOMPARE(w.Front(), QString("fraDOBDetails"));  // the search, not "&Next"
        // A page with a fault answers Enter with its message.
        w.Edit("txtName")->clear();
        QTest::keyClick(w.Edit("txtUserState"), Qt::Key_Return);
        QCOMPARE(w.LastMessage(), QString("Please Enter Name"));
        QCOMPARE(w.Front(), QString("fraDOBDetails"));
    }

    // Alt with a letter that is no access key types nothing: no message.
    void altLetterTypesNothing() {
        Window w;
        QLineEdit* hour = w.Edit("txtZoneHour");
        hour->setFocus();
        QTest::keyClick(hour, Qt::Key_X, Qt::AltModifier);
        // As X11 delivers it: the letter comes with the key.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier, "q");
        QApplication::sendEvent(hour, &press);
        QCOMPARE(hour->text(), QString());
        QVERIFY2(w.messages.shown.isEmpty(), qPrintable(w.LastMessage()));
        QTest::keyClick(hour, Qt::Key_Q);  // without Alt it is a letter
        QCOMPARE(w.LastMessage(), QString("Only Numbers Are Accepted"));
    }

    // Escape closes the message boxes, as it does the picker and the About box.
    void escapeClosesMessages() {
        app::QtMessageBoxes boxes;
        test::WhenModalOpens([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        boxes.Show(nullptr, "Please Enter Name", MessageIcon::Stop);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The links the keyboard reaches open with Enter or Space.
    void linksFromTheKeyboard() {
        Window w;
        test::UrlCatcher catcher;
        auto* strip = w.Get<app::ClickableLabel>("lblFullBrand");
        auto* banner = w.Get<app::ClickableLabel>("lblBanner");
        QVERIFY(strip->focusPolicy() & Qt::TabFocus);
        QCOMPARE(w.Get("lblCobrand")->focusPolicy(), Qt::NoFocus);
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_Space);
        banner->setFocus();
        QTest::keyClick(banner, Qt::Key_Return);
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(QAccessible::queryAccessibleInterface(strip)->role(), QAccessible::Link);
    }

    // Every input has a name of its own from its caption; captions label
    // their fields; the diagram's places are named by the reading.
    void namesForScreenReaders() {
        Window w;
        for (const QString page : {"fraDOBDetails", "fraOracleDetails"}) {
            QStringList names;  // only one page is shown at a time
            for (QWidget* input : Inputs(w, page)) {
                const QString name = AccessibleName(input);
                QVERIFY2(!name.isEmpty(), qPrintable(input->objectName() + " has no name"));
                QVERIFY2(!names.contains(name),
                         qPrintable(input->objectName() + ": another input is named " + name));
                names << name;
            }
        }
        const QMap<QString, QString> expected = {
            {"txtName", "Name"},
            {"txtLonD", "Birth longitude degrees"},
            {"txtLonM", "Birth longitude minutes"},
            {"txtZoneHour", "Birth time zone hours"},
            {"txtLatDOracle", "Day latitude degrees"},
            {"optLat_0", "Birth latitude North"},
            {"optLong_3", "Day longitude West"},
            {"chkDST", "Birth time zone daylight saving (DST)"},
            {"cboMonthOracle", "Day date month"},
            {"txtUserCity_Oracle", "Day city"},
            {"lblTZHelp", "Birth time zone help"}};
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            QCOMPARE(AccessibleName(w.Get(it.key())), it.value());
        }
        // Captions are the buddies of their fields.
        QMap<QString, QString> captionOf;
        for (QLabel* label : w.frm->findChildren<QLabel*>()) {
            if (label->buddy()) {
                captionOf[label->buddy()->objectName()] += label->text() + ";";
            }
        }
        QCOMPARE(captionOf["txtName"], QString("Name;"));
        QCOMPARE(captionOf["txtLatDOracle"], QString("Deg;"));
        QCOMPARE(captionOf["txtUserCountry"], QString("Country;"));
        QVERIFY(captionOf["cboMonth"].contains("Date of Birth"));
        QVERIFY(captionOf["txtZoneHourOracle"].contains("Hour"));
        QCOMPARE(AccessibleName(w.Get("fraZoneOracle")), QString("Day time zone"));

        QCOMPARE(AccessibleName(w.Get("RTBResult")), QString("Reading"));
        QCOMPARE(AccessibleName(w.Get("lblResult_0")), QString("Place 1"));
        w.FillBoth();
        Calculate(w);
        const QStringList lines = w.Get<QTextEdit>("RTBResult")->toPlainText().split('\n');
        for (int place = 1; place <= 28; ++place) {
            const QString prefix = QString("Position %1 - ").arg(place);
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [&](const QString& l) { return l.startsWith(prefix); });
            QVERIFY(line != lines.end());
            QCOMPARE(AccessibleName(w.Get(QString("lblResult_%1").arg(place - 1))),
                     QString("Place %1, %2").arg(place).arg(line->mid(prefix.size())));
        }
        QCOMPARE(AccessibleName(w.Get("lblResult_0")), QString("Place 1, Abhijit"));
        // The reading is read from its start.
        QCOMPARE(w.Get<QTextEdit>("RTBResult")->textCursor().position(), 0);
    }

    // Under a light and a dark desktop every run of the reading keeps a
    // contrast of at least 4.5:1 against the background it is drawn on, and
    // the inputs in the light frames stay light.
    void readableOnAnyDesktop_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("light desktop") << LightDesktop();
        QTest::newRow("dark desktop") << DarkDesktop();
    }
    void readableOnAnyDesktop() {
        QFETCH(QPalette, desktop);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(desktop);
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        Window w;
        w.FillBoth();
        Calculate(w);
        auto* report = w.Get<QTextEdit>("RTBResult");
        const QColor page =
            report->viewport()->palette().color(report->viewport()->backgroundRole());
        int runs = 0;
        for (QTextBlock b = report->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const QColor ink = f.hasProperty(QTextFormat::ForegroundBrush)
                                       ? f.foreground().color()
                                       : report->palette().color(QPalette::Text);
                const QColor paper =
                    f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color() : page;
                const double ratio = Contrast(ink, paper);
                QVERIFY2(ratio >= 4.5, qPrintable(QString("\"%1\" in %2 on %3: %4:1")
                                                      .arg(it.fragment().text().left(30),
                                                           ink.name(), paper.name())
                                                      .arg(ratio, 0, 'f', 2)));
                ++runs;
            }
        }
        QVERIFY(runs > 100);
        for (const QString p : {"fraDOBDetails", "fraOracleDetails"}) {
            for (QWidget* input : Inputs(w, p)) {
                const QPalette ip = input->palette();
                if (qobject_cast<QLineEdit*>(input) || qobject_cast<QComboBox*>(input)) {
                    QVERIFY2(Luminance(ip.color(QPalette::Base)) > 0.5,
                             qPrintable(input->objectName() + " is dark in a light frame"));
                    QVERIFY(Contrast(ip.color(QPalette::Text), ip.color(QPalette::Base)) >= 4.5);
                }
                QVERIFY2(
                    Contrast(ip.color(QPalette::ButtonText), ip.color(QPalette::Button)) >= 4.5,
                    qPrintable(input->objectName()));
            }
        }
    }

    // The red and green rows of the transits table read on the desktop's
    // own table colours, whether the table opened under that desktop or the
    // desktop changed theme while it was open.
    void transitsReadableOnAnyDesktop_data() { readableOnAnyDesktop_data(); }
    void transitsReadableOnAnyDesktop() {
        QFETCH(QPalette, desktop);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        test::RecordingMessageBoxes messages;
        test::QueuedFileDialogs files;
        ChartInput birth = test::MakeInput(1990, 1, 26, 16, 5, 5, 30, test::kDelhi);
        const ChartInput day = test::MakeInput(2026, 12, 8, 9, 0, 5, 30, test::kDelhi);
        app::FrmTransits openedBefore(birth, day, messages, files);
        QApplication::setPalette(desktop);
        app::FrmTransits openedAfter(birth, day, messages, files);
        for (app::FrmTransits* t : {&openedBefore, &openedAfter}) {
            t->ShowRange(app::FrmTransits::kRangeDays[1]);
            const QAbstractItemModel& rows = *t->tblTransits->model();
            const QPalette table = t->tblTransits->palette();
            int emphasised = 0;
            for (int r = 0; r < rows.rowCount(); ++r) {
                const QVariant ink = rows.index(r, 0).data(Qt::ForegroundRole);
                if (!ink.isValid()) {
                    continue;
                }
                ++emphasised;
                for (const auto paper : {QPalette::Base, QPalette::AlternateBase}) {
                    const QColor ic = ink.value<QBrush>().color();
                    const QColor pc = table.color(paper);
                    const double ratio = Contrast(ic, pc);
                    QVERIFY2(ratio >= 4.5, qPrintable(QString("row %1 in %2 on %3: %4:1")
                                                          .arg(r)
                                                          .arg(ic.name(), pc.name())
                                                          .arg(ratio, 0, 'f', 2)));
                }
            }
            QVERIFY2(emphasised > 0, "30 days without a change into or out of an adverse standing");
        }
    }

    // The larger of 8.25 pt and the desktop's size; every caption stays
    // whole; only captions are bold.
    void fontsOfTheDesktop_data() {
        QTest::addColumn<double>("desktop");
        QTest::addColumn<double>("expected");
        QTest::newRow("small desktop font") << 7.0 << 8.25;
        QTest::newRow("large desktop font") << 14.0 << 14.0;
    }
    void fontsOfTheDesktop() {
        QFETCH(double, desktop);
        QFont desktopFont;
        desktopFont.setPointSizeF(desktop);
        app::SetDesktopFont(desktopFont);
        const auto restore = qScopeGuard(
            [] { app::SetDesktopFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont)); });
        Window w;
        QTEST(w.Edit("txtName")->font().pointSizeF(), "expected");
        QTEST(w.Get("cmdNext")->font().pointSizeF(), "expected");
        for (const QString page : {"fraDOBDetails", "fraOracleDetails", "fraResult"}) {
            if (page == "fraOracleDetails") {
                w.FillPage(false);
                w.Click("cmdNext");
            }
            for (QLabel* label : w.Get(page)->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) {
                    continue;
                }
                const QSize need =
                    label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                      : label->sizeHint();
                QVERIFY2(need.width() <= label->width() + 1 && need.height() <= label->height() + 1,
                         qPrintable(QString("\"%1\" is cut: needs %2x%3, has %4x%5")
                                        .arg(label->text())
                                        .arg(need.width())
                                        .arg(need.height())
                                        .arg(label->width())
                                        .arg(label->height())));
            }
        }
        for (QWidget* input : Inputs(w, "fraDOBDetails") + Inputs(w, "fraOracleDetails")) {
            if (!qobject_cast<QPushButton*>(input)) {
                QVERIFY2(!input->font().bold(), qPrintable(input->objectName() + " is bold"));
            }
        }
        for (QLabel* tag : w.Get("fraZone")->findChildren<QLabel*>()) {
            QVERIFY2(!tag->font().bold(), qPrintable(tag->text()));
        }
    }

    // The window never outgrows the screen: it scrolls instead, can be
    // resized and maximised, and starts in the middle of the screen. Run a
    // second time at 2x scale, where the design does not fit.
    void windowFitsTheScreen() {
        Window w;
        const QRect free = w.frm->screen()->availableGeometry();
        const QRect frame = w.frm->frameGeometry();
        QVERIFY2(free.contains(frame), qPrintable(QString("window %1,%2 %3x%4 on %5x%6")
                                                      .arg(frame.x())
                                                      .arg(frame.y())
                                                      .arg(frame.width())
                                                      .arg(frame.height())
                                                      .arg(free.width())
                                                      .arg(free.height())));
        QVERIFY(std::abs(frame.center().x() - free.center().x()) <= 8);
        QVERIFY(w.frm->maximumWidth() > free.width() && w.frm->minimumWidth() < frame.width());
        auto* scroll = w.Get<QScrollArea>("scrollArea");
        QWidget* client = w.Get("clientArea");
        const bool fits = client->width() <= scroll->viewport()->width() &&
                          client->height() <= scroll->viewport()->height();
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
            QVERIFY2(!fits, "the design was to be too large for this screen");
        }
        QCOMPARE(scroll->verticalScrollBar()->isVisible(),
                 client->height() > scroll->viewport()->height());
        QCOMPARE(scroll->horizontalScrollBar()->maximum() > 0,
                 client->width() > scroll->viewport()->width());
        // Maximised, the design stands in the middle of the larger window.
        w.frm->showMaximized();
        QTRY_VERIFY(w.frm->isMaximized());
        QTRY_COMPARE(w.frm->frameGeometry().size(), free.size());
        if (client->width() < scroll->viewport()->width()) {
            const QPoint inView = client->mapTo(scroll->viewport(), QPoint(0, 0));
            QVERIFY(std::abs(2 * inView.x() + client->width() - scroll->viewport()->width()) <= 2);
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
