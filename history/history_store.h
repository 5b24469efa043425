#pragma once

#include "framework/text/translatable.h"
#include "history/history_csv.h"
#include "history/history_database.h"
#include "history/history_entry.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fenwake {

// The history as the window uses it: every change handed over here is done by a thread of the
// store's own, in the order it came, so that the window never waits for the database or the
// disk. Nothing is opened before the first thing is asked of it.
//
// A change that cannot be made yet (a full disk, a database another Fenwake holds busy, a file
// that is not ours at the path) stays pending and is tried again on its own after a back-off
// that grows from firstRetry to lastRetry; the trouble is told once it starts and again once
// it is over. What the store says it did is on disk.
class HistoryStore {
public:
    static constexpr std::chrono::milliseconds firstRetry{250};
    static constexpr std::chrono::milliseconds lastRetry{5000};

    struct Imported {
        TranslatableText
            notEntries; // the file was not read as a CSV of entries: nothing else is set
        std::vector<HistoryEntry> added; // with their ids, oldest first
        std::size_t keptAlready = 0;
        std::vector<HistoryCsv::Refusal> refused;
    };

    // What the store did, said on its own thread; the listener takes it to the window's.
    struct Listener {
        std::function<void(std::vector<HistoryEntry> entries)> loaded; // all, oldest first
        std::function<void(std::uint64_t token, const HistoryEntry& entry)> added;
        std::function<void(std::vector<std::int64_t> ids)> removed;
        std::function<void(std::vector<HistoryEntry> entries)> restored;
        std::function<void(Imported imported)> imported;
        // How many entries were written to the file; the problem is empty once they are.
        std::function<void(std::string path, std::size_t count, TranslatableText problem)> exported;
        // Why changes are pending; empty once they are made again.
        std::function<void(TranslatableText trouble)> trouble;
    };

    // $XDG_DATA_HOME/Kestrova/fenwake/history.sqlite, or under ~/.local/share.
    static std::string defaultPath();

    HistoryStore(std::string path, Listener listener);
    ~HistoryStore(); // finishes, as finish() does, if that has not happened yet
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    void load();
    // The token comes back with the entry once it is kept.
    void add(std::uint64_t token, const HistoryEntry& entry);
    void remove(std::vector<std::int64_t> ids);
    void restore(std::vector<HistoryEntry> entries);
    void importFile(std::string path);
    // Writes the entries as CSV to the file, replacing it whole or not at all.
    void exportFile(std::string path, std::vector<HistoryEntry> entries);

    // Changes handed over and not yet made.
    std::size_t pending() const;

    // What finish() could not make in its time: how many changes, how many of them entries
    // being added, and why.
    struct Unmade {
        std::size_t changes = 0;
        std::size_t entries = 0;
        TranslatableText why;
    };
    // Makes what is pending and stops, trying again at once what waits out a back-off. What is
    // not made in the time is given up and told back; the listener hears nothing after this.
    Unmade finish(std::chrono::milliseconds timeout);

private:
    struct State;
    struct Job;
    static void run(const std::shared_ptr<State>& shared);
    static HistoryDatabase::Outcome perform(State& state, HistoryDatabase& database, Job& job,
                                            TranslatableText& problem);
    static HistoryDatabase::Outcome importInto(State& state, HistoryDatabase& database, Job& job,
                                               TranslatableText& problem);
    static void setTrouble(State& state, const TranslatableText& trouble);
    void hand(Job job);

    std::shared_ptr<State> state;
};

} // namespace fenwake
