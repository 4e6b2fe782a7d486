#include "app/file_seams.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

#include "app/seams.h"
#include "documents/chart_document.h"
#include "version/version.h"

namespace zkc::app {
namespace {

QString ChartFilter() {
    return QString("Kota Chakra charts (*.%1)").arg(kChartFileSuffix);
}

QSettings Store() {
    return QSettings(QString::fromUtf8(kApplicationId), QString::fromUtf8(kApplicationId));
}

}  // namespace

std::optional<QString> QtFileDialogs::ChartToOpen(QWidget* parent, const QString& folder) {
    const QString path = QFileDialog::getOpenFileName(parent, "Open Chart", folder,
                                                      ChartFilter() + ";;All files (*)");
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> QtFileDialogs::ChartToSave(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, "Save Chart", suggestedPath, ChartFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kChartFileSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::ExportTo(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, "Export Reading", suggestedPath,
                       "PDF document (*.pdf);;PNG picture (*.png)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f.contains("png") ? "png" : "pdf");
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::TableTo(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, "Export Table", suggestedPath, "CSV files (*.csv)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

UnsavedChanges QtUnsavedQuestion::Ask(QWidget* parent, const QString& fileName) {
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                    QString("Save the changes to %1 before closing?").arg(fileName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText("Your changes are lost if you don't save them.");
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedChanges::Save;
        case QMessageBox::Discard:
            return UnsavedChanges::Discard;
        default:
            return UnsavedChanges::Cancel;
    }
}

bool QtPrinting::Print(QWidget* parent, const QString& documentName,
                       const std::function<void(QPagedPaintDevice&)>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    draw(printer);
    return true;
}

QVariant QtSettingsStore::Value(const QString& key) const {
    return Store().value(key);
}

void QtSettingsStore::SetValue(const QString& key, const QVariant& value) {
    Store().setValue(key, value);
}

}  // namespace zkc::app
