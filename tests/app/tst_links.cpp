// Menu items and links open their pages; the latitude and longitude search;
// the About box.
#include <QFileInfo>
#include <QMenuBar>

#include "app/clickable_label.h"
#include "app/frm_about.h"
#include "app/seams.h"
#include "version/version.h"
#include "window_fixture.h"

using namespace zkc;
using zkc::test::UrlCatcher;
using zkc::test::WhenModalOpens;
using zkc::test::Window;

namespace {

// The help page the build copies beside this test program, where the
// window must find it; and the sections of it that the default addresses
// name (README: every address defaults to a section of the local page).
QString HelpPageBesideTheProgram() {
    return QFileInfo(QCoreApplication::applicationDirPath() + "/help/index.html")
        .canonicalFilePath();
}

QStringList Sections(const QList<QUrl>& opened) {
    QStringList sections;
    for (const QUrl& url : opened) {
        sections << url.fragment();
    }
    return sections;
}

}  // namespace

class TestLinks : public QObject {
    Q_OBJECT

  private slots:
    // Every link leads to a real page: by default a section of the help page
    // beside the program, opened from disk.
    void menuItemsAndLinks() {
        UrlCatcher catcher;
        Window w;
        w.Action("mnuOnline")->trigger();
        w.Action("mnuVisit")->trigger();
        w.Action("mnuUpdate")->trigger();
        w.Action("mnuMakeMoney")->trigger();
        QTest::mouseClick(w.Get<app::ClickableLabel>("lblBanner"), Qt::LeftButton);
        QTest::mouseClick(w.Get<app::ClickableLabel>("lblFullBrand"), Qt::LeftButton);
        // Online help, home, updates, full brand; the banner leads home, the
        // bottom strip to the full brand.
        QCOMPARE(Sections(catcher.opened),
                 QStringList({"help", "about", "updates", "branding", "about", "branding"}));
        const QString page = HelpPageBesideTheProgram();
        QVERIFY2(!page.isEmpty(), "no help page beside the test program");
        for (const QUrl& url : catcher.opened) {
            QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
            QCOMPARE(url.toLocalFile(), page);
        }
        // The help page has every section the links name.
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        for (const char* id : {"help", "about", "updates", "branding", "co-branding"}) {
            QVERIFY2(html.contains(QByteArray("id=\"") + id + "\""), id);
        }
        // lblCobrand lies behind lblFullBrand, and leads to the co-branding page.
        auto* cobrand = w.Get<app::ClickableLabel>("lblCobrand");
        QCOMPARE(cobrand->geometry(), w.Get("lblFullBrand")->geometry());
        QVERIFY(cobrand->text().contains("Put your site's name &  link here."));
        emit cobrand->clicked();
        QCOMPARE(catcher.opened.last().fragment(), QString("co-branding"));
    }

    void searchForLatitudeAndLongitude() {
        UrlCatcher catcher;
        Window w(/*realSearch=*/true);
        w.Edit("txtUserCity")->setText("Pune");
        w.Edit("txtUserState")->setText("Maharashtra");
        w.Edit("txtUserCountry")->setText("India");
        w.Click("cmdBrowser_0");
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(
            catcher.opened[0].toEncoded(),
            QByteArray(
                "https://duckduckgo.com/?q=Pune%20Maharashtra%20India%20Latitude%20Longitude"));
        // Texts go into the address encoded, as typed: an ampersand cannot
        // start a new parameter, a blank city is passed on.
        w.Edit("txtUserCity_Oracle")->setText(" ");
        w.Edit("txtUserState_Oracle")->setText("A&B");
        w.Edit("txtUserCountry_Oracle")->setText("x?y=#1");
        w.Click("cmdBrowser_1");
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(
            catcher.opened[1].toEncoded(),
            QByteArray(
                "https://duckduckgo.com/?q=%20%20A%26B%20x%3Fy%3D%231%20Latitude%20Longitude"));
        QCOMPARE(catcher.opened[1].query(QUrl::FullyDecoded),
                 QString("q=  A&B x?y=#1 Latitude Longitude"));
    }

    void searchNeedsThePlace_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("empty");
        QTest::addColumn<QString>("message");
        QTest::newRow("page 1 city") << 0 << "txtUserCity"
                                     << "Please Enter City";
        QTest::newRow("page 1 state") << 0 << "txtUserState"
                                      << "Please Enter State";
        QTest::newRow("page 2 state") << 1 << "txtUserState_Oracle"
                                      << "Please Enter State";
        QTest::newRow("page 2 country") << 1 << "txtUserCountry_Oracle"
                                        << "Please Enter Country";
    }
    void searchNeedsThePlace() {
        QFETCH(int, page);
        QFETCH(QString, empty);
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Edit(empty)->clear();
        w.Click(QString("cmdBrowser_%1").arg(page));
        QTEST(w.LastMessage(), "message");
        QCOMPARE(w.messages.shown.last().icon, MessageIcon::Information);
        QCOMPARE(QApplication::focusWidget(), w.Edit(empty));
        QVERIFY(w.search.searches.isEmpty());
    }

    void pagesNeverMix() {
        Window w;
        w.FillPage(false);
        w.FillPage(true);
        w.Edit("txtUserCity_Oracle")->setText("Mumbai");
        w.Click("cmdBrowser_1");
        QCOMPARE(w.search.searches, QStringList({"Mumbai Delhi India Latitude Longitude"}));
    }

    void aboutBox() {
        UrlCatcher catcher;
        Window w;
        WhenModalOpens([&catcher](QWidget* modal) {
            QCOMPARE_EQ(modal->objectName(), QString("frmAbout"));
            QCOMPARE_EQ(modal->windowTitle(), QString("Zorvik Kota Chakra v") + kVersion);
            auto* about = qobject_cast<app::FrmAbout*>(modal);
            QVERIFY(about->cmdOK->isDefault());
            QCOMPARE_EQ(about->lblCoBrand->text(), QString("Click here for more details."));
            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QCOMPARE_EQ(catcher.opened.size(), 2);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        w.Action("mnuAbout")->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // "Click here for more details." leads to the full brand, the home
        // page link home.
        QCOMPARE(Sections(catcher.opened), QStringList({"branding", "about"}));
        for (const QUrl& url : catcher.opened) {
            QCOMPARE(url.toLocalFile(), HelpPageBesideTheProgram());
        }
        WhenModalOpens([](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        w.Action("mnuAbout")->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
