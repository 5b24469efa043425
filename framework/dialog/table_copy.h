#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAbstractItemView;
class QKeyEvent;
class QWidget;

namespace fenwake {

// A table's rows on the clipboard, as a spreadsheet and a word processor take them: tab-separated
// text and an HTML table, after a line that says where they came from and when, and the menu
// that offers the copy (Copy, the selected rows; Copy All), also from Shift+F10 and the Menu key.
class TableCopy {
public:
    struct Table {
        QString sentence;                // before all else, when there is one
        QString title;                   // the window's: said with the moment of the copy
        std::vector<QStringList> before; // rows of cells before the table (the entries, say)
        QStringList headings;
        std::vector<QStringList> rows;
    };
    static void toClipboard(const Table& table);

    // Copy and Copy All at the point; `copy` is told which was chosen.
    static void showMenu(QWidget& over, QPoint at, const std::function<void(bool everyRow)>& copy);
    // Shift+F10, which opens the menu as the Menu key does.
    static bool opensMenu(const QKeyEvent& event);
    // Ctrl+C (the chosen rows) and Shift+F10 (the menu, at the current row) over a view: whether
    // the key was one of them.
    static bool answersKey(QAbstractItemView& view, const QKeyEvent& event,
                           const std::function<void(bool everyRow)>& copy);

private:
    // Where the keyboard's menu opens over a view: at its current row, else in its middle.
    static QPoint menuPlace(const QAbstractItemView& view);
};

} // namespace fenwake
