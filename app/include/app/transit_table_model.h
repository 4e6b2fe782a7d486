// The coming changes of standing as a table: date and time, body, from, to.
// A change into an adverse standing is shown bold in the report's red, one
// out of it in its green, each as light or dark as the table's paper needs.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QPalette>
#include <vector>

#include "transits/transit_timeline.h"

namespace zkc::app {

class TransitTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kWhen, kBody, kFrom, kTo, kColumnCount };
    // The role the table sorts by: time as a number, bodies in body order.
    static constexpr int kSortRole = Qt::UserRole;

    explicit TransitTableModel(QObject* parent = nullptr);

    void SetRows(std::vector<TransitRow> rows);
    const std::vector<TransitRow>& Rows() const { return rows_; }

    // The table's colours, which the red and green rows must read on.
    void SetPaper(const QPalette& table);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The cell's text as the table shows it.
    QString CellText(int row, int column) const;

  private:
    std::vector<TransitRow> rows_;
    QColor adverse_;
    QColor relief_;
};

}  // namespace zkc::app
