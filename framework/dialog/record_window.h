#pragma once

#include "framework/dialog/chart_data.h"
#include "framework/dialog/notice_kind.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

class Dialog;

// A window of records beside the window it belongs to, which blocks nothing: a chart of them
// over time above a table of them, a line that says how many there are (or why there are
// none), a row of buttons, and the quiet notice lines along its foot. Its table asks for the
// text of a row only as it shows it, so that a hundred thousand rows open as fast as ten.
//
// Rows of the table and points of the chart go together: selecting a row marks its point, and
// a point chosen on the chart selects its row. Several rows can be selected; Delete asks for
// the selected rows to be removed, Ctrl+Z for the last removal to be undone. Escape and Ctrl+W
// close it; Ctrl+Q closes it and the window it belongs to.
class RecordWindow {
public:
    struct Button {
        int id;
        std::string label; // its access key is given as the dialogs give theirs
        std::string description;
    };
    struct Handlers {
        std::function<void(int id)> pressed;
        std::function<void(std::vector<std::size_t> rows)> removeRows;
        std::function<void()> undo;
        std::function<void()> closed;
        // The window became the active one: the person is back at it.
        std::function<void()> activated;
    };
    using Cell = std::function<std::string(std::size_t row, int column)>;
    using Description = std::function<std::string(std::size_t row)>;

    RecordWindow();
    ~RecordWindow();
    RecordWindow(const RecordWindow&) = delete;
    RecordWindow& operator=(const RecordWindow&) = delete;

    // Makes the window when it is not open, and brings it to the front. Does nothing when the
    // owner has no window.
    void open(const Dialog& owner, std::string_view title, const std::vector<Button>& buttons,
              Handlers handlers);
    bool isOpen() const;
    void close();

    void setColumns(const std::vector<std::string>& headings, std::string_view tableName);
    // The selection is kept, by row, as far as the rows reach.
    void setRows(std::size_t count, Cell cell, Description description);
    void setChart(ChartData data);
    void setStatus(std::string_view text);
    void enableButton(int id, bool enabled);

    std::vector<std::size_t> selectedRows() const;
    // Selects the row and makes it the current one, shown.
    void selectRow(std::size_t row);

    // The quiet lines along the window's foot, one a matter (see Dialog::showNotice).
    void showNotice(std::string_view matter, std::string_view text, std::string_view detail,
                    NoticeKind kind = NoticeKind::Warning);
    void clearNotice(std::string_view matter);
    void announce(std::string_view text);

    // The desktop's file dialog, over this window: the file to write (suggested: its name) or
    // to read, or nothing when the person cancels. `filter`: "CSV files (*.csv)", say.
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view name,
                                                std::string_view filter);
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter);

private:
    struct Window;
    std::unique_ptr<Window> window;
};

} // namespace fenwake
