// A main window with observable seams, and helpers to drive it.
#pragma once

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/frm_main.h"
#include "app/report_text_box.h"
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

// File dialogs that answer with the paths queued for them (nothing when
// none is queued: the user cancelled).
class QueuedFileDialogs : public app::FileDialogs {
  public:
    std::optional<QString> ChartToOpen(QWidget*, const QString& folder) override {
        folders << folder;
        return Next();
    }
    std::optional<QString> ChartToSave(QWidget*, const QString& suggested) override {
        suggestions << suggested;
        return Next();
    }
    std::optional<QString> ExportTo(QWidget*, const QString& suggested) override {
        suggestions << suggested;
        return Next();
    }
    std::optional<QString> TableTo(QWidget*, const QString& suggested) override {
        suggestions << suggested;
        return Next();
    }
    QStringList answers;
    QStringList folders;
    QStringList suggestions;

  private:
    std::optional<QString> Next() {
        if (answers.isEmpty()) {
            return std::nullopt;
        }
        return answers.takeFirst();
    }
};

class ScriptedUnsavedQuestion : public app::UnsavedQuestion {
  public:
    app::UnsavedChanges Ask(QWidget*, const QString& fileName) override {
        askedAbout << fileName;
        return answer;
    }
    app::UnsavedChanges answer = app::UnsavedChanges::Discard;
    QStringList askedAbout;
};

// A printer that is a PDF in memory.
class PdfPrinting : public app::Printing {
  public:
    bool Print(QWidget*, const QString& documentName,
               const std::function<void(QPagedPaintDevice&)>& draw) override {
        names << documentName;
        if (!accept) {
            return false;
        }
        QBuffer buffer(&printed);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        draw(writer);
        return true;
    }
    bool accept = true;
    QStringList names;
    QByteArray printed;
};

class MemorySettings : public app::SettingsStore {
  public:
    QVariant Value(const QString& key) const override { return values.value(key); }
    void SetValue(const QString& key, const QVariant& value) override { values[key] = value; }
    QVariantMap values;
};

class FixedClock : public app::Clock {
  public:
    QDateTime NowUtc() const override { return now; }
    QDateTime now = QDateTime(QDate(2026, 7, 15), QTime(10, 0), Qt::UTC);
};

struct Window {
    RecordingMessageBoxes messages;
    app::DesktopWebOpener web;
    app::BrowserWebSearch browserSearch{web};
    RecordingWebSearch search;
    QueuedFileDialogs files;
    ScriptedUnsavedQuestion unsaved;
    PdfPrinting printing;
    MemorySettings ownSettings;
    FixedClock clock;
    std::unique_ptr<app::FrmMain> frm;

    // With the real web search, or one that records its calls; with settings
    // of its own (a first start), or ones shared with an earlier window.
    explicit Window(bool realSearch = false, MemorySettings* settings = nullptr) {
        frm = std::make_unique<app::FrmMain>(
            app::Services{messages, web,
                          realSearch ? static_cast<app::WebSearchComponent&>(browserSearch)
                                     : static_cast<app::WebSearchComponent&>(search),
                          files, unsaved, printing, settings ? *settings : ownSettings, clock});
        frm->show();
        frm->activateWindow();
        if (!QTest::qWaitForWindowExposed(frm.get())) {
            qFatal("the window did not show");
        }
        // On an X server the window takes the keyboard focus a little after
        // it shows; tests of the focus must not start before.
        if (!QTest::qWaitForWindowActive(frm.get())) {
            qFatal("the window did not become active");
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
    // A menu item by its name.
    QAction* Action(const char* name) const {
        for (QAction* a : frm->findChildren<QAction*>()) {
            if (a->objectName() == QLatin1String(name)) {
                return a;
            }
        }
        qFatal("no action %s", name);
    }
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
    // Both pages filled, with the birth of 26 January 1990 at 16:05, whose
    // ring starts at Abhijit.
    void FillBoth() const {
        FillPage(false);
        FillPage(true);
        SetDate(false, 1990, 1, 26);
        Combo("cboHH")->setCurrentIndex(16);
        Combo("cboMM")->setCurrentIndex(5);
    }
    // Both pages filled with the initial dates and read: the result in front.
    app::ReportTextBox* ShowReading() const {
        FillPage(false);
        FillPage(true);
        Click("cmdCalculate");
        return Get<app::ReportTextBox>("RTBResult");
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

// The name of the control with the keyboard focus, "(none)" without one.
inline QString FocusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString("(none)");
}

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
