#include "framework/dialog/record_model.h"

#include "framework/dialog/qt_text.h"

namespace fenwake {

RecordModel::RecordModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordModel::setColumns(const QStringList& newHeadings) {
    beginResetModel();
    headings = newHeadings;
    endResetModel();
}

void RecordModel::setRows(std::size_t count, Cell cell, Description description) {
    beginResetModel();
    rows = count;
    cellText = std::move(cell);
    rowDescription = std::move(description);
    endResetModel();
}

int RecordModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows);
}

int RecordModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings.size());
}

QVariant RecordModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText ? qtText(cellText(row, index.column())) : QString();
    case Qt::ToolTipRole:
        return rowDescription ? toolTipText(qtText(rowDescription(row))) : QString();
    case Qt::AccessibleDescriptionRole:
        return rowDescription ? qtText(rowDescription(row)) : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment(index.column()));
    default:
        return {};
    }
}

// Figures right-aligned, so that their points line up; words and the first column left.
Qt::Alignment RecordModel::alignment(int column) const {
    const bool figures =
        column > 0 && rows > 0 && cellText && cellText(0, column).find_first_of("-0123456789") == 0;
    return (figures ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant RecordModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headings.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return headings[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignment(section));
    }
    return {};
}

} // namespace fenwake
