#include "framework/dialog/report_view.h"

#include "framework/dialog/mark_colour.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/table_copy.h"
#include "framework/language/translation.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <set>

namespace fenwake {

namespace {

// Cells drawn as the style draws them, but for the style's faint focus frame: the view draws
// its own, around the whole current row.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
};

// A cell's tool tip, which screen readers read as its description too, unbroken.
void describeCell(QTableWidgetItem& cell, const QString& description) {
    cell.setToolTip(toolTipText(description));
    cell.setData(Qt::AccessibleDescriptionRole, description);
}

} // namespace

ReportView::ReportView(double designScale, QWidget* parent)
    : QTableWidget(parent), scale(designScale) {
    setItemDelegate(new CellDelegate(this));
    applyPalette();
}

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
    rowDescriptions.insert(rowDescriptions.begin() + index, QString());
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
    QTableWidgetItem* existing = item(row, column);
    if (existing != nullptr && existing->text() == text) {
        return;
    }
    cellItem(row, column)->setText(text);
    if (column == 0) {
        verticalHeaderItem(row)->setText(text);
    }
    columns[static_cast<std::size_t>(column)].cells[static_cast<std::size_t>(row)] =
        text.isEmpty() ? 0 : cellWidth(column, text);
    fitColumn(column);
}

// The cell's item, made when it has none yet, with its row's description.
QTableWidgetItem* ReportView::cellItem(int row, int column) {
    if (QTableWidgetItem* existing = item(row, column)) {
        return existing;
    }
    auto* cell = new QTableWidgetItem;
    describeCell(*cell, rowDescriptions[static_cast<std::size_t>(row)]);
    setItem(row, column, cell);
    return cell;
}

void ReportView::setRowDescription(int row, const QString& description) {
    QString& current = rowDescriptions[static_cast<std::size_t>(row)];
    if (current == description && !description.isEmpty()) {
        return; // most keys leave it as it was
    }
    current = description;
    for (int column = 0; column < columnCount(); ++column) {
        describeCell(*cellItem(row, column), description);
    }
}

void ReportView::setOutOfDate(const QString& reason) {
    if (reason == outOfDateReason) {
        return;
    }
    outOfDateReason = reason;
    applyPalette();
    setToolTip(toolTipText(reason));
    setAccessibleDescription(reason);
}

void ReportView::setDesignWidth(int column, int designPixels) {
    columns[static_cast<std::size_t>(column)].wanted =
        static_cast<int>(std::lround(designPixels * scale));
    fitColumn(column);
}

void ReportView::reserveWidth(int column, const QString& widestText) {
    Column& reserving = columns[static_cast<std::size_t>(column)];
    reserving.wanted = std::max(reserving.wanted, textWidth(widestText));
    reserving.reserved = true;
    fitColumn(column);
}

// The margins the style leaves on either side of a cell's text when it draws it.
int ReportView::textMargins() {
    if (margins < 0) {
        margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    }
    return margins;
}

// As the style lays a cell's text out to draw it: the text's width to the next whole pixel
// (a text a fraction of a pixel wider than its room is cut short), with the margins.
int ReportView::textWidth(const QString& text) {
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text))) +
           textMargins();
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
    Column& measured = columns[static_cast<std::size_t>(column)];
    const int widestCell = measured.cells.empty()
                               ? 0
                               : *std::max_element(measured.cells.begin(), measured.cells.end());
    const int width = std::max({measured.wanted, measured.heading, widestCell});
    if (measured.fitted != width) {
        measured.fitted = width;
        spreadLastColumn();
        updateGeometry();
    }
}

// The last column takes what room the others leave, and never less than its texts need; the
// others are as wide as their texts (a column that was the last one, before another came,
// gives its spread back).
void ReportView::spreadLastColumn() {
    if (columns.empty()) {
        return;
    }
    int others = 0;
    for (std::size_t column = 0; column + 1 < columns.size(); ++column) {
        others += columns[column].fitted;
        if (columnWidth(static_cast<int>(column)) != columns[column].fitted) {
            setColumnWidth(static_cast<int>(column), columns[column].fitted);
        }
    }
    const int last = columnCount() - 1;
    const int width = std::max(columns.back().fitted, viewport()->width() - others);
    if (columnWidth(last) != width) {
        setColumnWidth(last, width);
    }
}

void ReportView::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    spreadLastColumn();
}

// The window's palette, but for two things: the texts keep their colour without the focus,
// and they are dimmed while out of date.
void ReportView::applyPalette() {
    if (applyingPalette) {
        return;
    }
    applyingPalette = true;
    QPalette own = parentWidget() != nullptr ? parentWidget()->palette() : QApplication::palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText}) {
        own.setColor(QPalette::Inactive, role, own.color(QPalette::Active, role));
    }
    if (!outOfDateReason.isEmpty()) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            own.setColor(group, QPalette::Text, own.color(QPalette::Disabled, QPalette::Text));
        }
    }
    setPalette(own);
    applyingPalette = false;
}

void ReportView::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::StyleChange) {
        applyPalette();
    }
}

QSize ReportView::sizeHint() const {
    return sizeFor(false);
}

QSize ReportView::minimumSizeHint() const {
    return sizeFor(true);
}

QSize ReportView::sizeFor(bool usualWidths) const {
    int width = 2 * frameWidth();
    for (const Column& column : columns) {
        width += usualWidths && column.reserved ? std::max(column.wanted, column.heading)
                                                : column.fitted;
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

std::vector<int> ReportView::rowsToCopy(bool everyRow) const {
    std::set<int> selected;
    if (!everyRow) {
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            selected.insert(index.row());
        }
    }
    std::vector<int> rows(selected.begin(), selected.end());
    if (rows.empty()) {
        for (int row = 0; row < rowCount(); ++row) {
            rows.push_back(row);
        }
    }
    return rows;
}

void ReportView::setCopyPreamble(std::function<CopyPreamble()> preamble) {
    copyPreamble = std::move(preamble);
}

void ReportView::copyRows(bool everyRow) const {
    const CopyPreamble preamble = copyPreamble ? copyPreamble() : CopyPreamble{};
    TableCopy::Table table{preamble.sentence, window()->windowTitle(), preamble.rows, {}, {}};
    for (int column = 0; column < columnCount(); ++column) {
        table.headings << horizontalHeaderItem(column)->text();
    }
    for (const int row : rowsToCopy(everyRow)) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            cells << (cell != nullptr ? cell->text() : QString());
        }
        table.rows.push_back(cells);
    }
    TableCopy::toClipboard(table);
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    if (TableCopy::answersKey(*this, *event, [this](bool everyRow) { copyRows(everyRow); })) {
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
    showContextMenu(event->globalPos());
}

void ReportView::showContextMenu(QPoint at) {
    TableCopy::showMenu(*this, at, [this](bool everyRow) { copyRows(everyRow); });
}

// The frame goes round the whole current row: a row that stops being current, or the list
// losing the focus, repaints all of the row, not only the cells the view would.
void ReportView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    updateRow(previous.row());
    updateRow(current.row());
}

void ReportView::focusInEvent(QFocusEvent* event) {
    if (!currentIndex().isValid() && rowCount() > 0 && columnCount() > 0) {
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    QTableWidget::focusInEvent(event);
    updateRow(currentIndex().row());
}

void ReportView::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    updateRow(currentIndex().row());
}

void ReportView::updateRow(int row) {
    if (row >= 0 && row < rowCount() && columnCount() > 0) {
        viewport()->update(visualRect(model()->index(row, 0))
                               .united(visualRect(model()->index(row, columnCount() - 1))));
    }
}

void ReportView::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid() || columnCount() == 0) {
        return;
    }
    const QRect row = visualRect(model()->index(current.row(), 0))
                          .united(visualRect(model()->index(current.row(), columnCount() - 1)));
    const bool selected = selectionModel()->isRowSelected(current.row(), QModelIndex());
    const QColor background = palette().color(selected ? QPalette::Highlight : QPalette::Base);
    QPainter painter(viewport());
    painter.setPen(QPen(MarkColour::outline(palette(), background), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(row.adjusted(1, 1, -1, -1));
}

// While the texts are out of date, every tool tip says so first.
bool ReportView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !outOfDateReason.isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QTableWidgetItem* cell = itemAt(help->pos());
        const QString detail = cell != nullptr ? cell->toolTip() : QString();
        QToolTip::showText(
            help->globalPos(),
            toolTipText(detail.isEmpty() ? outOfDateReason : outOfDateReason + "\n\n" + detail),
            viewport());
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

} // namespace fenwake
