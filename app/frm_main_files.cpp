// The main window's chart files: new, open, recent, save, export, print,
// quit, and the pages remembered between runs.
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTimeZone>

#include "app/frm_main.h"
#include "app/input_page.h"
#include "app/reading_document.h"
#include "app/result_page.h"
#include "app/seams.h"
#include "documents/chart_file.h"
#include "version/version.h"

namespace zkc::app {
namespace {

const QString kBirthPageKey = QStringLiteral("pages/birth");
const QString kDayPageKey = QStringLiteral("pages/day");

QString FileName(const QString& path) {
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

}  // namespace

void FrmMain::BuildFileMenu(QMenu* file) {
    const auto item = [file](const char* caption, const char* name, QKeySequence keys = {}) {
        QAction* action = file->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(keys);
        return action;
    };
    file->addSeparator();
    mnuNew_ = item("&New", "mnuNew", QKeySequence::New);
    mnuOpen_ = item("&Open\u2026", "mnuOpen", QKeySequence::Open);
    mnuRecent_ = file->addMenu("Open &Recent");
    mnuRecent_->setObjectName("mnuRecent");
    mnuSave_ = item("&Save", "mnuSave", QKeySequence::Save);
    mnuSaveAs_ =
        item("Save &As\u2026", "mnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    mnuExport_ = item("&Export\u2026", "mnuExport");
    mnuPrint_ = item("&Print\u2026", "mnuPrint", QKeySequence::Print);
    file->addSeparator();
    mnuSetDayToNow_ = item("Set &Day to Now", "mnuSetDayToNow", QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuTransits_ = item("&Transits\u2026", "mnuTransits");
    mnuTransits_->setEnabled(false);  // until a reading has been calculated
    file->addSeparator();
    mnuQuit_ = item("&Quit", "mnuQuit", QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void FrmMain::SetCurrentFile(const QString& path) {
    currentFile_ = path;
    const QString caption = QString::fromUtf8(kProductTitle);
    setWindowTitle(path.isEmpty() ? "[*]" + caption : FileName(path) + "[*] \u2014 " + caption);
    setWindowModified(false);
}

void FrmMain::FillRecentMenu() {
    mnuRecent_->clear();
    const QStringList dropped = recent_.DropMissing();
    for (const QString& path : recent_.Paths()) {
        QAction* action = mnuRecent_->addAction(FileName(path));
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (MayDiscardChanges()) {
                OpenChartFile(path);
            }
        });
    }
    if (recent_.Paths().isEmpty()) {
        mnuRecent_->addAction("No recent charts")->setEnabled(false);
    }
    if (!dropped.isEmpty()) {
        // Say what went, so that a chart does not silently vanish.
        QStringList names;
        for (const QString& path : dropped) {
            names << FileName(path);
        }
        mnuRecent_->addSeparator();
        QAction* note = mnuRecent_->addAction("No longer found, removed: " + names.join(", "));
        note->setObjectName("mnuRecentDropped");
        note->setEnabled(false);
    }
}

bool FrmMain::OpenChartFile(const QString& path) {
    auto file = ReadChartFile(path);
    if (const auto* error = std::get_if<ChartFileError>(&file)) {
        services_.messages.Show(this, error->Message, MessageIcon::Stop);
        if (error->What == ChartFileError::Kind::Unreadable && !QFileInfo::exists(path)) {
            recent_.Remove(path);
        }
        return false;
    }
    const Pages& pages = std::get<Pages>(file);
    fraDOBDetails_->SetFields(pages.Birth);
    fraOracleDetails_->SetFields(pages.Day);
    BecomeCurrentFile(path);
    cmdBack_Click();
    return true;
}

bool FrmMain::SaveChartFile(const QString& path) {
    if (!ValidateDOBDetails() || !ValidateOracleDetails()) {
        return false;
    }
    const Pages pages{fraDOBDetails_->Fields(), fraOracleDetails_->Fields()};
    if (const auto error = WriteChartFile(path, pages)) {
        services_.messages.Show(this, *error, MessageIcon::Stop);
        return false;
    }
    BecomeCurrentFile(path);
    return true;
}

void FrmMain::BecomeCurrentFile(const QString& path) {
    SetCurrentFile(QFileInfo(path).absoluteFilePath());
    recent_.Add(path);
    recent_.SetLastFolder(QFileInfo(path).absolutePath());
}

void FrmMain::mnuNew_Click() {
    if (!MayDiscardChanges()) {
        return;
    }
    fraDOBDetails_->Reset();
    fraOracleDetails_->Reset();
    SetCurrentFile(QString());
    cmdBack_Click();
    fraDOBDetails_->txtName->setFocus();
}

void FrmMain::mnuOpen_Click() {
    if (!MayDiscardChanges()) {
        return;
    }
    if (const auto path = services_.files.ChartToOpen(this, recent_.LastFolder())) {
        OpenChartFile(*path);
    }
}

void FrmMain::mnuSave_Click() {
    if (currentFile_.isEmpty()) {
        mnuSaveAs_Click();
        return;
    }
    SaveChartFile(currentFile_);
}

void FrmMain::mnuSaveAs_Click() {
    // A new chart is suggested under the person's name in the last folder.
    QString suggested = currentFile_;
    if (suggested.isEmpty()) {
        const QString name = fraDOBDetails_->txtName->text().trimmed();
        suggested = QDir(recent_.LastFolder())
                        .filePath((name.isEmpty() ? QStringLiteral("chart") : name) + "." +
                                  kChartFileSuffix);
    }
    if (const auto path = services_.files.ChartToSave(this, suggested)) {
        SaveChartFile(*path);
    }
}

bool FrmMain::ExportReading(const QString& path) {
    if (!ComputeReading()) {
        return false;
    }
    const bool picture = QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0;
    const QByteArray bytes =
        picture ? ResultPagePng(*fraResult_) : ReadingPdf(charts_, DocumentAuthor());
    if (const auto error = WriteFileAtomically(path, bytes)) {
        services_.messages.Show(this, *error, MessageIcon::Stop);
        return false;
    }
    recent_.SetLastFolder(QFileInfo(path).absolutePath());
    return true;
}

void FrmMain::mnuExport_Click() {
    const QString base = currentFile_.isEmpty()
                             ? QDir(recent_.LastFolder()).filePath("reading.pdf")
                             : QFileInfo(currentFile_).path() + "/" +
                                   QFileInfo(currentFile_).completeBaseName() + ".pdf";
    if (const auto path = services_.files.ExportTo(this, base)) {
        ExportReading(*path);
    }
}

void FrmMain::mnuPrint_Click() {
    if (!ComputeReading()) {
        return;
    }
    services_.printing.Print(this, ReadingTitle(charts_), [this](QPagedPaintDevice& printer) {
        PrintReading(charts_, printer);
    });
}

void FrmMain::mnuQuit_Click() {
    close();
}

void FrmMain::mnuSetDayToNow_Click() {
    PageFields day = fraOracleDetails_->Fields();
    const QDateTime nowUtc = services_.clock.NowUtc();
    // The present moment on the clock of the day's bound zone, or of this
    // computer where the page keeps its own zone fields.
    const QDateTime now =
        day.TimeZone.empty()
            ? nowUtc.toLocalTime()
            : nowUtc.toTimeZone(QTimeZone(QByteArray::fromStdString(day.TimeZone)));
    day.MonthIndex = now.date().month() - 1;
    day.DayIndex = now.date().day() - 1;
    day.Year = now.date().year();
    day.Hour = now.time().hour();
    day.Minute = now.time().minute();
    fraOracleDetails_->SetFields(day);
}

bool FrmMain::MayDiscardChanges() {
    if (!isWindowModified()) {
        return true;
    }
    switch (services_.unsaved.Ask(this, FileName(currentFile_))) {
        case UnsavedChanges::Save:
            mnuSave_Click();
            return !isWindowModified();
        case UnsavedChanges::Discard:
            return true;
        case UnsavedChanges::Cancel:
            return false;
    }
    return false;
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (!MayDiscardChanges()) {
        event->ignore();
        return;
    }
    RememberPages();
    event->accept();
}

void FrmMain::RememberPages() {
    services_.settings.SetValue(kBirthPageKey, PageToVariant(fraDOBDetails_->Fields()));
    services_.settings.SetValue(kDayPageKey, PageToVariant(fraOracleDetails_->Fields()));
}

void FrmMain::RestorePages() {
    // A first start has nothing stored and looks as the window always did.
    if (const auto birth = PageFromVariant(services_.settings.Value(kBirthPageKey), true)) {
        fraDOBDetails_->SetFields(*birth);
    }
    if (const auto day = PageFromVariant(services_.settings.Value(kDayPageKey), false)) {
        fraOracleDetails_->SetFields(*day);
    }
}

}  // namespace zkc::app
