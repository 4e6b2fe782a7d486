#include "app/frm_transits.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "app/seams.h"
#include "app/transit_table_model.h"
#include "documents/chart_file.h"
#include "engine/month_names.h"
#include "places/zone_clock.h"
#include "transits/transit_csv.h"

namespace zkc::app {
namespace {

QString Heading(const ChartInput& birth, const ChartInput& day) {
    QString text = QObject::tr("Changes of standing for %1 after %2, %3:%4")
                       .arg(QString::fromStdString(birth.Name))
                       .arg(QString::fromStdString(DateText(day.Year, day.Month, day.Day)))
                       .arg(day.Hour, 2, 10, QChar('0'))
                       .arg(day.Minute, 2, 10, QChar('0'));
    if (!day.City.empty()) {
        text += QObject::tr(" (%1)").arg(QString::fromStdString(day.City));
    }
    return text;
}

}  // namespace

FrmTransits::FrmTransits(const ChartInput& birth, const ChartInput& day, MessageBoxes& messages,
                         FileDialogs& files, QWidget* parent)
    : QDialog(parent), birth_(birth), day_(day), messages_(messages), files_(files) {
    setObjectName("frmTransits");
    setWindowTitle(tr("Transits"));
    BuildControls();
    model_->SetPaper(tblTransits->palette());
    ConnectSignals();
    ShowRange(kRangeDays[0]);
}

void FrmTransits::BuildControls() {
    lblHeading = new QLabel(Heading(birth_, day_), this);
    lblHeading->setObjectName("lblHeading");
    lblHeading->setWordWrap(true);

    cboRange = new QComboBox(this);
    cboRange->setObjectName("cboRange");
    cboRange->addItems({tr("7 days"), tr("30 days"), tr("1 year")});
    auto* rangeLabel = new QLabel(tr("&Range:"), this);
    rangeLabel->setBuddy(cboRange);

    model_ = new TransitTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(TransitTableModel::kSortRole);
    tblTransits = new QTableView(this);
    tblTransits->setObjectName("tblTransits");
    tblTransits->setModel(sorted_);
    tblTransits->setSortingEnabled(true);
    tblTransits->sortByColumn(TransitTableModel::kWhen, Qt::AscendingOrder);
    tblTransits->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTransits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTransits->setAlternatingRowColors(true);
    tblTransits->verticalHeader()->hide();
    tblTransits->horizontalHeader()->setStretchLastSection(true);

    cmdCopy = new QPushButton(tr("&Copy"), this);
    cmdCopy->setObjectName("cmdCopy");
    cmdExport = new QPushButton(tr("&Export CSV…"), this);
    cmdExport->setObjectName("cmdExport");
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName("cmdClose");

    auto* top = new QHBoxLayout;
    top->addWidget(lblHeading, 1);
    top->addWidget(rangeLabel);
    top->addWidget(cboRange);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdExport);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tblTransits, 1);
    layout->addLayout(buttons);
    resize(900, 520);
}

// Every signal of the dialog is connected here.
void FrmTransits::ConnectSignals() {
    connect(cboRange, &QComboBox::currentIndexChanged, this, [this] { cboRange_Change(); });
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmTransits::ShowRange(int days) {
    // A day bound to a zone follows its clock changes over the range.
    const places::DayClock clock(day_, days);
    model_->SetRows(ComingTransits(birth_, day_, clock.Clock(), days));
    tblTransits->resizeColumnsToContents();
}

QString FrmTransits::SelectedText() const {
    std::set<int> chosen;
    for (const QModelIndex& index : tblTransits->selectionModel()->selectedRows()) {
        chosen.insert(index.row());
    }
    QString text;
    for (int c = 0; c < TransitTableModel::kColumnCount; ++c) {
        text += (c ? "\t" : "") + model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    text += '\n';
    for (int row = 0; row < sorted_->rowCount(); ++row) {
        if (!chosen.empty() && !chosen.count(row)) {
            continue;
        }
        const int source = sorted_->mapToSource(sorted_->index(row, 0)).row();
        for (int c = 0; c < TransitTableModel::kColumnCount; ++c) {
            text += (c ? "\t" : "") + model_->CellText(source, c);
        }
        text += '\n';
    }
    return text;
}

bool FrmTransits::ExportCsv(const QString& path) const {
    std::string csv(TransitCsvHeader());
    for (const TransitRow& row : model_->Rows()) {
        AppendTransitCsv(csv, row);
    }
    // Written as charts and readings are: a failed export leaves the old file.
    return !WriteFileAtomically(path, QByteArray::fromStdString(csv));
}

void FrmTransits::changeEvent(QEvent* event) {
    // A desktop that changes theme while the table is open.
    if (event->type() == QEvent::PaletteChange && tblTransits) {
        model_->SetPaper(tblTransits->palette());
    }
    QDialog::changeEvent(event);
}

void FrmTransits::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        cmdCopy_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmTransits::cboRange_Change() {
    ShowRange(kRangeDays[cboRange->currentIndex()]);
}

void FrmTransits::cmdCopy_Click() {
    QApplication::clipboard()->setText(SelectedText());
}

void FrmTransits::cmdExport_Click() {
    const std::optional<QString> path = files_.TableTo(this, "transits.csv");
    if (path && !ExportCsv(*path)) {
        messages_.Show(this, tr("The file %1 could not be written.").arg(*path), MessageIcon::Stop);
    }
}

}  // namespace zkc::app
