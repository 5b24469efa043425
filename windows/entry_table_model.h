#pragma once

#include "engine/history_entry.h"

#include <QAbstractTableModel>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace fenwake {

// The history's entries as a table, newest first, in the units the main window shows now: the
// moment, the entries, and the figures and ratings as the main window's list shows them. The
// entries are kept in the history's own order, oldest first, and row r is the r-th newest:
// nothing is reversed and sorted back. The rows are asked for only as they are shown, so that a
// hundred thousand of them open as fast as ten; an entry added or removed is added or removed
// as a row, so that the selection and the current row stay where they were.
//
// Besides what is shown, each cell gives what a screen reader says of it (its column's name, the
// figure and its unit), and each row a description (whose entry, by which method).
class EntryTableModel : public QAbstractTableModel {
public:
    // A column: its heading, how its cells read and line up, and what a screen reader calls it.
    struct Column {
        std::function<std::string(bool metric)> heading;
        // The cell of the entry, the index'th of the history, oldest first.
        std::function<std::string(const HistoryEntry& entry, std::size_t index, bool metric)> text;
        Qt::Alignment alignment;
        std::function<std::string(bool metric)> spokenUnit; // after the figure, if any
        // The widest text a cell of it usually holds, which it is made wide enough for.
        std::function<std::string(bool metric)> sample = nullptr;
    };
    // The widest usual text of a column, or nothing when it has none.
    std::string sample(int column) const;

    using Describer = std::function<std::string(const HistoryEntry& entry)>;

    EntryTableModel(QObject* parent, std::vector<Column> columns, Describer describer);

    void setMetric(bool metric);
    bool metric() const { return inMetric; }

    // Every entry, oldest first.
    const std::vector<HistoryEntry>& entries() const { return all; }
    void reset(std::vector<HistoryEntry> entries);
    // In its place by the history's order.
    void add(const HistoryEntry& entry);
    void addAll(const std::vector<HistoryEntry>& entries);
    // The entries of these rows, taken out; oldest first.
    std::vector<HistoryEntry> take(std::vector<int> rows);
    // Entries kept again under other ids (old id to new).
    void renumber(const std::unordered_map<std::int64_t, std::int64_t>& ids);

    // Row r holds entry entries()[indexOfRow(r)], and back.
    std::size_t indexOfRow(int row) const { return all.size() - 1 - static_cast<std::size_t>(row); }
    int rowOfIndex(std::size_t index) const { return static_cast<int>(all.size() - 1 - index); }
    const HistoryEntry& entryAt(int row) const { return all[indexOfRow(row)]; }

    // What a screen reader hears of a row, cell by cell, its columns named; or of some of its
    // cells.
    std::string spokenRow(int row) const;
    std::string spokenCells(int row, const std::vector<int>& chosen) const;
    // The rows' figures changed (the trends, after a change of the history).
    void refigure();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::string spokenCell(int row, int column) const;
    std::string description(int row) const;

    const std::vector<Column> columns;
    const Describer describer;
    std::vector<HistoryEntry> all;
    bool inMetric = true;
};

} // namespace fenwake
