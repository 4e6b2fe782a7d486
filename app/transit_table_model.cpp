#include "app/transit_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "app/app_style.h"
#include "documents/core_text.h"
#include "engine/calendar.h"
#include "engine/chart_positions.h"
#include "kota/report.h"

namespace zkc::app {
namespace {

QColor ColourOf(ReportColour c) {
    return QColor(c.Red, c.Green, c.Blue);
}

bool LeavesAdverse(const TransitRow& row) {
    return row.from.Result == KotaResult::Adverse && row.to.Result != KotaResult::Adverse;
}

}  // namespace

TransitTableModel::TransitTableModel(QObject* parent)
    : QAbstractTableModel(parent),
      adverse_(ColourOf(kReportRed)),
      relief_(ColourOf(kReportGreen)) {}

void TransitTableModel::SetPaper(const QPalette& table) {
    const auto ink = [&table](ReportColour c) {
        return ReadableOn(ReadableOn(ColourOf(c), table.color(QPalette::Base)),
                          table.color(QPalette::AlternateBase));
    };
    adverse_ = ink(kReportRed);
    relief_ = ink(kReportGreen);
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                         {Qt::ForegroundRole});
    }
}

void TransitTableModel::SetRows(std::vector<TransitRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TransitTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TransitTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString TransitTableModel::CellText(int row, int column) const {
    const TransitRow& r = rows_[static_cast<std::size_t>(row)];
    switch (column) {
        case kWhen:
            return FromCore(MinuteText(r.local, ' '));
        case kBody:
            return FromCore(BodyNames[static_cast<std::size_t>(r.body)]);
        case kFrom:
            return FromCore(StandingLabel(r.from));
        case kTo:
            return FromCore(StandingLabel(r.to));
        default:
            return {};
    }
}

QVariant TransitTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const TransitRow& r = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), index.column());
        case kSortRole:
            if (index.column() == kWhen) {
                return QVariant::fromValue<qlonglong>(r.utcMinutes);
            }
            if (index.column() == kBody) {
                return r.body;
            }
            return CellText(index.row(), index.column());
        case Qt::ForegroundRole:
            if (r.BecomesAdverse()) {
                return QBrush(adverse_);
            }
            if (LeavesAdverse(r)) {
                return QBrush(relief_);
            }
            return {};
        case Qt::FontRole:
            if (r.BecomesAdverse()) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::ToolTipRole:
            if (r.BecomesAdverse()) {
                return tr("Becomes adverse");
            }
            if (LeavesAdverse(r)) {
                return tr("No longer adverse");
            }
            return {};
        default:
            return {};
    }
}

QVariant TransitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kWhen:
            return tr("Date and time");
        case kBody:
            return tr("Body");
        case kFrom:
            return tr("From");
        case kTo:
            return tr("To");
        default:
            return {};
    }
}

}  // namespace zkc::app
