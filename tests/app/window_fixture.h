// A main window with observable seams, and helpers to drive it.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/frm_main.h"
#include "app/seams.h"

namespace zkc::test {

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

class RecordingMessageBoxes : public app::MessageBoxes {
  public:
    void Show(QWidget*, const QString& text, MessageIcon icon) override {
        shown << ShownMessage{text, icon};
    }
    QList<ShownMessage> shown;
};

class RecordingWebSearch : public app::WebSearchComponent {
  public:
    void Search(const QString& searchText) override { searches << searchText; }
    QStringList searches;
};

// Receives every address the window opens through QDesktopServices.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    UrlCatcher() {
        for (const char* scheme : {"http", "https", "file"}) {
            QDesktopServices::setUrlHandler(scheme, this, "Open");
        }
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"http", "https", "file"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

struct Window {
    RecordingMessageBoxes messages;
    app::DesktopWebOpener web;
    app::BrowserWebSearch browserSearch{web};
    RecordingWebSearch search;
    std::unique_ptr<app::FrmMain> frm;

    // With the real web search, or one that records its calls.
    explicit Window(bool realSearch = false) {
        frm = std::make_unique<app::FrmMain>(
            app::Services{messages, web,
                          realSearch ? static_cast<app::WebSearchComponent&>(browserSearch)
                                     : static_cast<app::WebSearchComponent&>(search)});
        frm->show();
        frm->activateWindow();
        if (!QTest::qWaitForWindowExposed(frm.get())) {
            qFatal("the window did not show");
        }
    }

    template <class T = QWidget>
    T* Get(const QString& name) const {
        T* w = frm->findChild<T*>(name);
        if (!w) {
            qFatal("no control %s", qPrintable(name));
        }
        return w;
    }
    QLineEdit* Edit(const QString& name) const { return Get<QLineEdit>(name); }
    QComboBox* Combo(const QString& name) const { return Get<QComboBox>(name); }
    QString Front() const { return frm->FrontPage()->objectName(); }
    QString LastMessage() const {
        return messages.shown.isEmpty() ? QString() : messages.shown.last().text;
    }

    // Fills page 1 (suffix "") or page 2 (suffix "Oracle") with a valid place.
    void FillPage(bool oracle) const {
        const QString s = oracle ? "Oracle" : "";
        const QString place = oracle ? "_Oracle" : "";
        if (!oracle) {
            Edit("txtName")->setText("Asha Rao");
        }
        Edit("txtZoneHour" + s)->setText("5");
        Edit("txtZoneMinute" + s)->setText("30");
        Edit("txtLonD" + s)->setText("77");
        Edit("txtLonM" + s)->setText("13");
        Edit("txtLatD" + s)->setText("28");
        Edit("txtLatM" + s)->setText("39");
        Edit("txtUserCity" + place)->setText("New Delhi");
        Edit("txtUserState" + place)->setText("Delhi");
        Edit("txtUserCountry" + place)->setText("India");
    }
    void SetDate(bool oracle, int year, int month, int day) const {
        const QString s = oracle ? "Oracle" : "";
        Combo("cboYear" + s)->setCurrentText(QString::number(year));
        Combo("cboMonth" + s)->setCurrentIndex(month - 1);
        Combo("cboDate" + s)->setCurrentIndex(day - 1);
    }
    void Click(const QString& button) const {
        QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton);
    }
};

// Runs f on the modal dialog as soon as it is open.
inline void WhenModalOpens(std::function<void(QWidget*)> f) {
    QTimer::singleShot(0, qApp, [f] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            qFatal("no modal dialog opened");
        }
        f(modal);
        // A dialog the step left open would keep the test waiting for ever:
        // that is a failure, told at once.
        if (QApplication::activeModalWidget() == modal) {
            qFatal("the dialog %s stayed open after the test's step",
                   qPrintable(modal->objectName()));
        }
    });
}

}  // namespace zkc::test
