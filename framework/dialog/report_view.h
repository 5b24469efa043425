#pragma once

#include <QHash>
#include <QTableWidget>

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace fenwake {

// The widget of a report-view list: a table without grid or row headers, one line per item.
// Column widths are given in the pixels of the template's design font and scaled to the
// window's font, as dialog units are; and no column is ever narrower than its heading and its
// widest cell with the style's margins, so no text is ever cut. A cell is measured when its
// text changes, never when it is painted.
//
// The last column reaches the list's right edge, so that its heading does too. Texts keep the
// palette's normal text colour while the list has no focus, as some styles would grey them.
//
// Rows are copied whole (Ctrl+C, and the context menu's Copy and Copy All, which the Menu key
// and Shift+F10 open too), as tab-separated lines and as an HTML table. The current row, while
// the list has the focus, is framed in a colour of the palette that stands out from the row; a
// list that takes the focus without a current row makes its first row current, unselected, so
// that a screen reader reads a row at once.
class ReportView : public QTableWidget {
public:
    // designScale: the window font's size against the template's design font.
    ReportView(double designScale, QWidget* parent);

    void addColumn(int index, const QString& heading);
    void addRow(int index, const QString& text);
    void setCellText(int row, int column, const QString& text);
    void setDesignWidth(int column, int designPixels);
    // The column stays wide enough for this text, whether a cell shows it yet or not.
    void reserveWidth(int column, const QString& widestText);
    // The tool tip and accessible description of every cell of the row.
    void setRowDescription(int row, const QString& description);
    // Texts that are out of date show dimmed, the reason first in every tool tip; an empty
    // reason ends it.
    void setOutOfDate(const QString& reason);
    // What a copy begins with, asked for as it is made: a sentence (or nothing) and rows of
    // cells, such as the entries that gave the figures.
    struct CopyPreamble {
        QString sentence;
        std::vector<QStringList> rows;
    };
    void setCopyPreamble(std::function<CopyPreamble()> preamble);
    // The rows as a person pastes them, as tab-separated lines and as HTML tables: the
    // preamble's sentence, the window's title with the date and time of the copy, the
    // preamble's rows, the columns' headings, and the rows.
    void copyRows(bool everyRow) const;

    // Every column and row whole, without scroll bars.
    QSize sizeHint() const override;
    // Every column at its usual width and every row: smaller, and a column would be cut. A
    // column that reserves room for its texts is usually as wide as that (a wider figure
    // scrolls); any other as its texts are.
    QSize minimumSizeHint() const override;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Column {
        int wanted = 0;        // the scaled design width, or a reserved text's
        int heading = 0;       // the heading with its margins
        int fitted = 0;        // what its texts need: its width, but for the last column's spread
        bool reserved = false; // wanted holds the texts it makes room for from the start
        std::vector<int> cells;
    };

    int cellWidth(int column, const QString& text);
    int textMargins();
    int textWidth(const QString& text);
    int widthAtMost(const QString& text);
    void fitColumn(int column);
    QTableWidgetItem* cellItem(int row, int column);
    void spreadLastColumn();
    void applyPalette();
    QSize sizeFor(bool usualWidths) const;
    std::vector<int> rowsToCopy(bool everyRow) const;
    void updateRow(int row);
    void showContextMenu(QPoint at);

    double scale;
    QString outOfDateReason;
    bool applyingPalette = false;
    std::vector<QString> rowDescriptions;
    int margins = -1; // what the style adds to a text's width in a cell; measured once
    QHash<char16_t, int> characterWidths;
    std::vector<Column> columns;
    std::function<CopyPreamble()> copyPreamble;
};

} // namespace fenwake
