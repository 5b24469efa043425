#pragma once

#include "engine/goal.h"
#include "engine/history_entry.h"
#include "history/history_store.h"

#include <functional>
#include <memory>
#include <string>

namespace fenwake {

class Dialog;

// The person's history as the program holds it: the entries kept, the writer that keeps them,
// and the History window that shows them, made when it is first opened. The main window adds
// entries to it, and hears what became of them. Nothing is opened before the history is first
// used; from then on everything its writer does reaches the windows' thread through a mailbox,
// and no window ever waits for it.
class History {
public:
    // What the main window hears: an entry kept on disk, why entries are not being kept (empty
    // once they are again), and an entry that can never be kept.
    struct Listener {
        std::function<void(const HistoryEntry& entry)> kept;
        std::function<void(const std::string& trouble)> trouble;
        std::function<void(const std::string& text)> notKept;
    };

    // How a method is named, in the desktop's language: alone ("US Navy") and in a sentence
    // ("by the US Navy method").
    struct MethodWords {
        std::function<std::string(FatMethod method)> name;
        std::function<std::string(FatMethod method)> byMethod;
    };

    explicit History(MethodWords methodWords, std::string path = HistoryStore::defaultPath());
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    void setListener(Listener heard);

    // Keeps the entries as they stand now, with the moment now.
    void add(const Measurements& measured);
    // Opens the History window beside the owner, or brings it to the front; shown in the
    // owner's units.
    void openWindow(const Dialog& owner, bool metric);
    // The main window's units changed: the window follows.
    void setUnits(bool metric);
    // The goal, in the units the main window shows: drawn on the chart, its dates said.
    void setGoal(const Goal& goal);
    // The main window's entries as they stand: what an import offers for what a file lacks.
    void setCurrentEntry(std::function<Measurements()> current);

private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};

} // namespace fenwake
