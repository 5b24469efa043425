#pragma once

#include <QHash>
#include <QTableWidget>

#include <vector>

namespace fenwake {

// The widget of a report-view list: a table without grid or row headers, one line per item.
// Column widths are given in the pixels of the template's design font and scaled to the
// window's font, as dialog units are; and no column is ever narrower than its heading and its
// widest cell with the style's margins, so no text is ever cut. A cell is measured when its
// text changes, never when it is painted.
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

    // Every column and row whole, without scroll bars.
    QSize sizeHint() const override;

private:
    struct Column {
        int wanted = 0;  // the scaled design width, or a reserved text's
        int heading = 0; // the heading with its margins
        std::vector<int> cells;
    };

    int cellWidth(int column, const QString& text);
    int textMargins();
    int textWidth(const QString& text);
    int widthAtMost(const QString& text);
    void fitColumn(int column);

    double scale;
    int margins = -1; // what the style adds to a text's width in a cell; measured once
    QHash<char16_t, int> characterWidths;
    std::vector<Column> columns;
};

} // namespace fenwake
