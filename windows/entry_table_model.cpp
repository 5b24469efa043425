#include "windows/entry_table_model.h"

#include "framework/dialog/qt_text.h"

#include <algorithm>

namespace fenwake {

EntryTableModel::EntryTableModel(QObject* parent, std::vector<Column> tableColumns,
                                 Describer rowDescriber)
    : QAbstractTableModel(parent), columns(std::move(tableColumns)),
      describer(std::move(rowDescriber)) {}

void EntryTableModel::setMetric(bool metric) {
    if (metric == inMetric) {
        return;
    }
    inMetric = metric;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!all.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

void EntryTableModel::reset(std::vector<HistoryEntry> entries) {
    beginResetModel();
    all = std::move(entries);
    endResetModel();
}

void EntryTableModel::add(const HistoryEntry& entry) {
    const auto place = std::upper_bound(all.begin(), all.end(), entry, comesBefore);
    const auto index = static_cast<std::size_t>(place - all.begin());
    // After the insertion it is the entry at index, so its row counts from the new end.
    const int row = static_cast<int>(all.size() - index);
    beginInsertRows({}, row, row);
    all.insert(place, entry);
    endInsertRows();
}

void EntryTableModel::addAll(const std::vector<HistoryEntry>& entries) {
    if (entries.size() < 16) {
        for (const HistoryEntry& entry : entries) {
            add(entry);
        }
        return;
    }
    std::vector<HistoryEntry> merged;
    merged.reserve(all.size() + entries.size());
    std::vector<HistoryEntry> sorted = entries;
    std::sort(sorted.begin(), sorted.end(), comesBefore);
    std::merge(all.begin(), all.end(), sorted.begin(), sorted.end(), std::back_inserter(merged),
               comesBefore);
    reset(std::move(merged));
}

// Removed a run of neighbouring rows at a time, the lowest first, so that the rows above keep
// their numbers while the rest go.
std::vector<HistoryEntry> EntryTableModel::take(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [this](int row) { return row < 0 || row >= rowCount(); });
    std::vector<HistoryEntry> taken;
    taken.reserve(rows.size());
    for (std::size_t end = rows.size(); end > 0;) {
        std::size_t start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1) {
            --start;
        }
        const int first = rows[start];
        const int last = rows[end - 1];
        beginRemoveRows({}, first, last);
        const auto from = all.begin() + static_cast<std::ptrdiff_t>(indexOfRow(last));
        const auto to = all.begin() + static_cast<std::ptrdiff_t>(indexOfRow(first)) + 1;
        taken.insert(taken.end(), from, to);
        all.erase(from, to);
        endRemoveRows();
        end = start;
    }
    std::sort(taken.begin(), taken.end(), comesBefore);
    return taken;
}

void EntryTableModel::renumber(const std::unordered_map<std::int64_t, std::int64_t>& ids) {
    for (HistoryEntry& entry : all) {
        if (const auto found = ids.find(entry.id); found != ids.end()) {
            entry.id = found->second;
        }
    }
}

std::string EntryTableModel::sample(int column) const {
    const Column& shown = columns[static_cast<std::size_t>(column)];
    return shown.sample ? shown.sample(inMetric) : std::string();
}

int EntryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(all.size());
}

int EntryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

std::string EntryTableModel::spokenCell(int row, int column) const {
    const Column& shown = columns[static_cast<std::size_t>(column)];
    std::string name = shown.heading(inMetric);
    name = name.substr(0, name.find(" ("));
    std::string text = name + ' ' + shown.text(entryAt(row), indexOfRow(row), inMetric);
    if (shown.spokenUnit) {
        if (const std::string unit = shown.spokenUnit(inMetric); !unit.empty()) {
            text += ' ' + unit;
        }
    }
    return text;
}

std::string EntryTableModel::spokenRow(int row) const {
    std::vector<int> all(static_cast<std::size_t>(columnCount()));
    for (int column = 0; column < columnCount(); ++column) {
        all[static_cast<std::size_t>(column)] = column;
    }
    return spokenCells(row, all);
}

std::string EntryTableModel::spokenCells(int row, const std::vector<int>& chosen) const {
    std::string text;
    for (const int column : chosen) {
        text += (text.empty() ? "" : ", ") + spokenCell(row, column);
    }
    return text;
}

void EntryTableModel::refigure() {
    if (!all.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

std::string EntryTableModel::description(int row) const {
    return describer ? describer(entryAt(row)) : std::string();
}

QVariant EntryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const Column& column = columns[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return qtText(column.text(entryAt(index.row()), indexOfRow(index.row()), inMetric));
    case Qt::AccessibleTextRole:
        return qtText(spokenCell(index.row(), index.column()));
    case Qt::ToolTipRole:
        return toolTipText(qtText(description(index.row())));
    case Qt::AccessibleDescriptionRole:
        return qtText(description(index.row()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant EntryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const Column& column = columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return qtText(column.heading(inMetric));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    }
    return {};
}

} // namespace fenwake
