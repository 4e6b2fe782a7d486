#include "app/frm_time_zone.h"

#include <QKeyEvent>
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
    setFont(ApplicationFont());  // the rows are entries, not captions
    setAttribute(Qt::WA_DeleteOnClose, false);

    lstTimeZone = new QListWidget(this);
    lstTimeZone->setObjectName("lstTimeZone");
    lstTimeZone->setUniformItemSizes(true);
    lstTimeZone->setAccessibleName("Time zones");
    lstTimeZone->installEventFilter(this);
    cmdQuit = new QPushButton("&Quit", this);
    cmdQuit->setObjectName("cmdQuit");
    cmdQuit->setFont(CaptionFont());
    // Enter in the list applies its current row, as a double-click does; on
    // "&Quit" it presses "&Quit". Escape closes without applying (QDialog
    // sends it to reject()). No button is the default, or Enter in the list
    // would quit.
    cmdQuit->setDefault(false);
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

bool FrmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstTimeZone_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Applies the current row: the one double-clicked, or the one the keyboard
// has moved to.
void FrmTimeZone::lstTimeZone_DblClick() {
    const int i = lstTimeZone->currentRow();
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
