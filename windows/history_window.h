#pragma once

#include "framework/dialog/notice_board.h"
#include "windows/chart_data.h"
#include "windows/entry_table_model.h"
#include "windows/time_chart.h"

#include <QDialog>
#include <QPointer>

#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QUndoStack;

namespace fenwake {

class Announcer;

// The History window, beside the main window and blocking nothing: a chart of the entries over
// time above a table of them, newest first, a line under the chart for the day chosen on it, a
// line that says how many entries there are (or why there are none), a row of buttons, and the
// quiet notice lines along its foot. The table and the chart show one model, and choose the
// same entry. Delete removes the selected rows and Ctrl+Z brings them back, while the window is
// open; Ctrl+C and the table's context menu copy rows, the chart's copies or exports the chart;
// Escape and Ctrl+W close it, Ctrl+Q closes it and the window it belongs to.
class HistoryWindow : public QDialog {
public:
    // What the window asks of the history it shows; the changes are made there.
    class Keeper {
    public:
        virtual void remove(std::vector<HistoryEntry> entries) = 0;
        virtual void restore(std::vector<HistoryEntry> entries) = 0;
        virtual void exportTo(std::string path, std::vector<HistoryEntry> entries) = 0;
        virtual void importFrom(std::string path) = 0;
        // The chart as a PNG file's bytes.
        virtual void saveImage(std::string path, std::string png) = 0;
        // The person is back at the window: what another Fenwake changed is read.
        virtual void refresh() = 0;

    protected:
        ~Keeper() = default;
    };

    HistoryWindow(QWidget& owner, EntryTableModel& entries, Keeper& changes);

    // "1 entry", "3 entries", in the desktop's language.
    static std::string entriesText(std::size_t number);

    void setChart(ChartData data);
    void setStatus(std::string_view text);
    // The change in words: the rate, and when a goal may be reached.
    void setSummary(std::string_view text);
    // What the line under the chart says of a moment of it (an entry's index, oldest first).
    void setReadout(std::function<std::string(int moment)> readout);
    void showNotice(std::string_view matter, std::string_view text, std::string_view detail,
                    NoticeKind kind = NoticeKind::Warning);
    void clearNotice(std::string_view matter);
    void announce(std::string_view text);
    // Export and Delete have something to work on.
    void enableChanges(bool anything);

    // The rows chosen, oldest first, as entries.
    std::vector<HistoryEntry> selectedEntries() const;

protected:
    bool event(QEvent* event) override;

private:
    void build();
    QWidget* buttonRow();
    QWidget* spanRow();
    void showSpan(TimeChart::Span span);
    void connectSelection();
    void addShortcuts(QWidget& owner);
    void fitColumns();
    void removeSelected();
    enum class FileChoice { ExportEntries, ImportEntries, ExportChart };
    void chooseFile(FileChoice choice);
    void showChartMenu(QPoint at);
    void copyRows(bool everyRow) const;
    void showReadout(int moment);

    EntryTableModel& model;
    Keeper& keeper;
    TimeChart* chart = nullptr;
    QLabel* readout = nullptr;
    QLabel* summary = nullptr;
    std::vector<QPushButton*> spanButtons;
    QLabel* status = nullptr;
    QTableView* table = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QUndoStack* undoStack = nullptr;
    NoticeBoard notices;
    QPointer<Announcer> announcer;
    std::function<std::string(int)> readoutOf;
    bool selecting = false; // the chart and the table following each other
};

} // namespace fenwake
