#include "framework/dialog/report_view.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <cmath>

namespace fenwake {

ReportView::ReportView(double designScale, QWidget* parent)
    : QTableWidget(parent), scale(designScale) {}

void ReportView::addColumn(int index, const QString& heading) {
    insertColumn(index);
    auto* header = new QTableWidgetItem(heading);
    header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalHeaderItem(index, header);
    Column column;
    column.heading = horizontalHeader()->sectionSizeHint(index);
    column.cells.assign(static_cast<std::size_t>(rowCount()), 0);
    columns.insert(columns.begin() + index, column);
    fitColumn(index);
}

void ReportView::addRow(int index, const QString& text) {
    insertRow(index);
    // The row's own name is its header, which screen readers announce with each cell.
    setVerticalHeaderItem(index, new QTableWidgetItem(text));
    for (Column& column : columns) {
        column.cells.insert(column.cells.begin() + index, 0);
    }
    if (columnCount() > 0) {
        setCellText(index, 0, text);
    }
}

void ReportView::setCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (cell != nullptr && cell->text() == text) {
        return;
    }
    if (cell != nullptr) {
        cell->setText(text);
    } else {
        setItem(row, column, new QTableWidgetItem(text));
    }
    if (column == 0) {
        verticalHeaderItem(row)->setText(text);
    }
    columns[static_cast<std::size_t>(column)].cells[static_cast<std::size_t>(row)] =
        text.isEmpty() ? 0 : cellWidth(column, text);
    fitColumn(column);
}

void ReportView::setDesignWidth(int column, int designPixels) {
    columns[static_cast<std::size_t>(column)].wanted =
        static_cast<int>(std::lround(designPixels * scale));
    fitColumn(column);
}

void ReportView::reserveWidth(int column, const QString& widestText) {
    int& wanted = columns[static_cast<std::size_t>(column)].wanted;
    wanted = std::max(wanted, textWidth(widestText));
    fitColumn(column);
}

// The margins the style puts around a cell's text, asked of the style once, with a text of
// known width.
int ReportView::textMargins() {
    if (margins < 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = QStringLiteral("0");
        margins =
            style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() -
            fontMetrics().horizontalAdvance(option.text);
    }
    return margins;
}

// As the item delegate measures a cell: the text in the view's font, with the margins.
int ReportView::textWidth(const QString& text) {
    return fontMetrics().horizontalAdvance(text) + textMargins();
}

// A cell's width as far as its column needs to know it. Shaping a text to measure it is the
// dearest thing a keystroke does here, so a text that surely fits the column's own width is
// not shaped: its characters' widths, each with a pixel to spare, bound it from above.
int ReportView::cellWidth(int column, const QString& text) {
    const Column& measured = columns[static_cast<std::size_t>(column)];
    const int bound = widthAtMost(text);
    return bound <= std::max(measured.wanted, measured.heading) ? bound : textWidth(text);
}

int ReportView::widthAtMost(const QString& text) {
    int width = textMargins();
    for (const QChar character : text) {
        // A character that is not drawn on its own gives no bound: shape the whole text.
        if (character.isSurrogate() || character.isMark()) {
            return textWidth(text);
        }
        auto known = characterWidths.constFind(character.unicode());
        if (known == characterWidths.constEnd()) {
            known = characterWidths.insert(character.unicode(),
                                           fontMetrics().horizontalAdvance(character) + 1);
        }
        width += known.value();
    }
    return width;
}

void ReportView::fitColumn(int column) {
    const Column& measured = columns[static_cast<std::size_t>(column)];
    const int widestCell = measured.cells.empty()
                               ? 0
                               : *std::max_element(measured.cells.begin(), measured.cells.end());
    const int width = std::max({measured.wanted, measured.heading, widestCell});
    if (columnWidth(column) != width) {
        setColumnWidth(column, width);
        updateGeometry();
    }
}

QSize ReportView::sizeHint() const {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column) {
        width += columnWidth(column);
    }
    int height = 2 * frameWidth();
    if (!horizontalHeader()->isHidden()) {
        height += horizontalHeader()->sizeHint().height();
    }
    for (int row = 0; row < rowCount(); ++row) {
        height += rowHeight(row);
    }
    return {width, height};
}

} // namespace fenwake
