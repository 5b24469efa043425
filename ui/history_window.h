#pragma once

#include "engine/measurements.h"
#include "framework/dialog/record_window.h"
#include "history/history_entry.h"
#include "history/history_store.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fenwake {

class Dialog;

// The person's history as the program shows it: Add to History from the main window, and the
// History window beside it, with its table, its chart, Delete and Ctrl+Z, Export and Import.
// The store is made, and the database opened, only when the history is first used; from then
// on everything it does reaches the window's thread through WindowThread, and the window never
// waits for it.
class HistoryWindow {
public:
    // What the main window hears: an entry kept on disk, and why entries are not being kept
    // (empty once they are again).
    struct Listener {
        std::function<void(const HistoryEntry& entry)> kept;
        std::function<void(const std::string& trouble)> trouble;
        // An entry given up: it can never be kept, and why.
        std::function<void(const std::string& text)> notKept;
    };

    explicit HistoryWindow(std::string path = HistoryStore::defaultPath());
    ~HistoryWindow();
    HistoryWindow(const HistoryWindow&) = delete;
    HistoryWindow& operator=(const HistoryWindow&) = delete;

    void setListener(Listener heard);

    // Keeps the entries as they stand now, with the moment now.
    void add(const Measurements& measured);
    // Opens the window beside the owner, or brings it to the front; shown in the owner's units.
    void open(const Dialog& owner, bool metric);
    // The main window's units changed: the table and chart follow.
    void setUnits(bool metric);

private:
    struct Shared;
    void ensureStore();
    void showAll();
    void showRows();
    void showChart();
    void showStatus();
    std::string cell(std::size_t row, int column) const;
    std::string rowDescription(std::size_t row) const;
    const HistoryEntry& entryAt(std::size_t row) const;

    void onLoaded(std::vector<HistoryEntry> all);
    void onAdded(const HistoryEntry& entry);
    void onImported(HistoryStore::Imported imported);
    void onExported(const std::string& file, std::size_t exported, const TranslatableText& problem);
    void onTrouble(const TranslatableText& trouble);
    void onRemovedElsewhere(std::size_t missing);
    void onRestored(const std::vector<HistoryEntry>& back);
    void onGaveUp(HistoryStore::Change::Kind kind, const std::vector<HistoryEntry>& given,
                  const TranslatableText& why);

    void pressed(int button);
    void removeRows(const std::vector<std::size_t>& rows);
    void undo();
    void exportEntries();
    void importEntries();

    std::string path;
    std::shared_ptr<Shared> shared;
    std::shared_ptr<HistoryStore> store;
    RecordWindow window;
    Listener listener;
    bool metric = true;
    bool loaded = false;
    std::string readTrouble;           // why the history could not be read, while it cannot
    std::vector<HistoryEntry> entries; // oldest first, once loaded
    std::vector<std::vector<HistoryEntry>> removals; // what Ctrl+Z brings back, latest last
    std::deque<std::vector<std::int64_t>> restoring; // the ids asked back, oldest first
    std::uint64_t nextToken = 1;
};

} // namespace fenwake
