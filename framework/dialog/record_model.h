#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <string>

namespace fenwake {

// The rows of a record table, asked for as they are shown: a table of a hundred thousand rows
// costs no more to open than one of ten.
class RecordModel : public QAbstractTableModel {
public:
    using Cell = std::function<std::string(std::size_t row, int column)>;
    using Description = std::function<std::string(std::size_t row)>;

    explicit RecordModel(QObject* parent);

    void setColumns(const QStringList& headings);
    void setRows(std::size_t count, Cell cell, Description description);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Qt::Alignment alignment(int column) const;

    QStringList headings;
    std::size_t rows = 0;
    Cell cellText;
    Description rowDescription;
};

} // namespace fenwake
