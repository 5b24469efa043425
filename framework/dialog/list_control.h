#pragma once

#include "framework/message/message_target.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace fenwake {

class ReportView;

// A report-view list: columns with headings, rows of text cells. The object wraps the list
// control of a dialog once a form update has bound it; before that, and after the window is
// gone, every operation does nothing and reports failure. No text in it is ever cut. Ctrl+C,
// and Copy in its context menu (the Menu key or Shift+F10), copy the selected rows (all rows
// when none is selected) as tab-separated lines and as HTML tables, headed as the preamble
// says; Copy All copies every row.
class ListControl : public MessageTarget {
public:
    ListControl();
    ~ListControl() override;
    ListControl(const ListControl&) = delete;
    ListControl& operator=(const ListControl&) = delete;

    // Binds to a list-view control; binding again to the same control changes nothing.
    bool attach(QWidget* listView);

    // The whole extended style; full-row selection is the one bit understood.
    void setExtendedStyle(std::uint32_t style);
    // Inserts a left-aligned column with no width of its own; returns its index or -1.
    int insertColumn(int index, std::string_view heading);
    // Inserts a row with the text of its first cell; returns its index or -1.
    int insertItem(int row, std::string_view text);
    bool setItemText(int row, int column, std::string_view text);
    // The cell's text as the list shows it; empty for a cell without one.
    std::string itemText(int row, int column) const;
    // The width in pixels of the template's design font: the list scales it to the window's
    // font, and makes no column narrower than its heading and its texts in any case.
    bool setColumnWidth(int column, int width);
    // Keeps the column wide enough for that text, shown or not, so that the figures a column
    // can hold fit from the start.
    bool reserveColumnWidth(int column, std::string_view widestText);

    // What a row or a column heading means, in a sentence or two: its tool tip, and what a
    // screen reader says with it.
    bool setItemDescription(int row, std::string_view description);
    bool setColumnDescription(int column, std::string_view description);
    // While the texts are out of date they show dimmed, and the reason comes first in the
    // list's tool tips.
    void setOutOfDate(bool outOfDate, std::string_view reason);

    // What a copy of the rows begins with, asked for as the copy is made: a sentence (or
    // nothing), and rows of cells such as the entries the figures came from. The copy goes on
    // with the window's title and the date and time, the columns' headings, and the rows.
    struct CopyPreamble {
        std::string sentence;
        std::vector<std::vector<std::string>> rows;
    };
    void setCopyPreamble(std::function<CopyPreamble()> preamble);

protected:
    // The default handling of the left button: the list's own selection.
    void onLeftButtonDown(unsigned keyFlags, Point point);

    const MessageMap* messageMap() const override;
    static const MessageMap messages;

private:
    ReportView* viewWithColumn(int column) const;

    struct Binding;
    std::unique_ptr<Binding> binding;
};

} // namespace fenwake
