#include "app/frm_time_zone.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_style.h"
#include "app/time_zone_table.h"
#include "version/version.h"

namespace zkc::app {

FrmTimeZone::FrmTimeZone(bool& bTimeZoneForOracle, ZoneFields page1, ZoneFields page2,
                         QWidget* parent)
    : QDialog(parent), bTimeZoneForOracle_(bTimeZoneForOracle), page1_(page1), page2_(page2) {
    setObjectName("frmTimeZone");
    setWindowTitle(QString::fromUtf8(kProductTitle));
    setModal(true);
    setFont(CaptionFont());
    setAttribute(Qt::WA_DeleteOnClose, false);

    lstTimeZone = new QListWidget(this);
    lstTimeZone->setObjectName("lstTimeZone");
    lstTimeZone->setUniformItemSizes(true);
    cmdQuit = new QPushButton("&Quit", this);
    cmdQuit->setObjectName("cmdQuit");
    // "&Quit" is both the default and the cancel button: Enter and Escape
    // act as a click on it (QDialog sends Escape to reject()).
    cmdQuit->setDefault(true);
    cmdQuit->setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lstTimeZone, 1);
    layout->addWidget(cmdQuit);
    resize(329, 232);  // 4935 × 3480 twips

    connect(lstTimeZone, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { lstTimeZone_DblClick(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    Form_Load();
}

void FrmTimeZone::Form_Load() {
    for (const TimeZoneRow& row : kTimeZones) {
        lstTimeZone->addItem(
            QString::fromLatin1(row.Text.data(), static_cast<qsizetype>(row.Text.size())));
    }
    // No row is selected on opening; the focus starts on "&Quit" so that the
    // list shows no current row either.
    lstTimeZone->setCurrentRow(-1);
    lstTimeZone->clearSelection();
    cmdQuit->setFocus();
}

void FrmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    const int i = selected.isEmpty() ? -1 : lstTimeZone->row(selected.first());
    if (i >= 0 && i < static_cast<int>(kTimeZones.size())) {
        const TimeZoneRow& row = kTimeZones[static_cast<std::size_t>(i)];
        ZoneFields target = page1_;
        if (bTimeZoneForOracle_) {
            bTimeZoneForOracle_ = false;
            target = page2_;
        }
        target.hour->setText(QString::number(row.TimeZoneHours));
        target.minute->setText(QString::number(row.TimeZoneMinutes));
    }
    accept();
}

void FrmTimeZone::cmdQuit_Click() {
    reject();
}

}  // namespace zkc::app
