// frmTransits: the coming changes of standing for the chart of the last
// calculation, from the moment of the day of the reading, over 7 days, 30
// days or a year. The table sorts by any column, copies its selected rows
// (or all of them) and exports as CSV.
#pragma once

#include <QDialog>

#include "app/file_seams.h"
#include "engine/chart_input.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace zkc::app {

class MessageBoxes;
class TransitTableModel;

class FrmTransits : public QDialog {
    Q_OBJECT

  public:
    FrmTransits(const ChartInput& birth, const ChartInput& day, MessageBoxes& messages,
                FileDialogs& files, QWidget* parent = nullptr);

    // The ranges offered, in days, in the order of cboRange.
    static constexpr int kRangeDays[] = {7, 30, 365};

    // Fills the table with the changes over the given number of days.
    void ShowRange(int days);
    // The selected rows (all rows when none is selected) as tab-separated
    // text with a header line, in the order shown.
    QString SelectedText() const;
    // The changes shown, in time order, as CSV; false when the file could
    // not be written.
    bool ExportCsv(const QString& path) const;

    QLabel* lblHeading = nullptr;
    QComboBox* cboRange = nullptr;
    QTableView* tblTransits = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildControls();
    void ConnectSignals();
    void cboRange_Change();
    void cmdCopy_Click();
    void cmdExport_Click();

    ChartInput birth_;
    ChartInput day_;
    MessageBoxes& messages_;
    FileDialogs& files_;
    TransitTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
};

}  // namespace zkc::app
