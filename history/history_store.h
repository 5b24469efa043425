#pragma once

#include "engine/history_entry.h"
#include "framework/storage/background_writer.h"
#include "history/history_csv.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fenwake {

// The history as the window uses it: every change handed over here is done by the history's
// background writer, in the order it came, so that the window never waits for the database or
// the disk. Nothing is opened before the first thing is asked of it.
//
// A change that cannot be made yet (a full disk, a database another Fenwake holds busy) stays
// pending and is tried again on its own; the trouble is told once it starts and again once it
// is over. A change that can never be made (the file at the path is none of ours, or went from
// under the history, an import larger than the disk) is given up at once, told with its
// reason, and the changes after it go on. What the store says it did is on disk, in the file
// at the history's path; at the end it says what it did not keep.
class HistoryStore {
public:
    struct Imported {
        // The file was not read as a CSV of entries, or its entries could not be added: nothing
        // else is set, and the history is as it was.
        TranslatableText notImported;
        std::vector<HistoryEntry> added; // with their ids, oldest first
        std::size_t keptAlready = 0;
        HistoryCsv::Refusals refused;
    };

    // What a file to import holds, read before anything is written: its reading, and how many
    // of its entries the history holds already (with what it lacks as the defaults give it).
    struct Preview {
        std::string path;
        std::shared_ptr<const HistoryCsv::Reading> reading;
        std::size_t keptAlready = 0;
    };

    // A change handed over, as the store keeps it until it is made.
    struct Change {
        enum class Kind { Load, Refresh, Add, Remove, Restore, Preview, Import, Export, SaveImage };
        Kind kind = Kind::Load;
        std::vector<std::uint64_t> tokens; // an addition's, one for each of its entries
        std::vector<HistoryEntry> entries;
        std::vector<std::int64_t> ids;
        std::string path;
        // An import's file, once read: a commit tried again does not read it again.
        std::shared_ptr<const HistoryCsv::Reading> reading;
        // What the person gives for what the file lacks.
        HistoryCsv::Given given;
        std::string bytes; // an image to save
    };

    // What the store did, said on its own thread; the listener takes it to the window's.
    struct Listener {
        std::function<void(std::vector<HistoryEntry> entries)> loaded; // all, oldest first
        std::function<void(std::uint64_t token, const HistoryEntry& entry)> added;
        // The ids asked for, and how many of them another Fenwake had removed already.
        std::function<void(std::vector<std::int64_t> ids, std::size_t missing)> removed;
        // Back in the history, with the ids they have there now.
        std::function<void(std::vector<HistoryEntry> entries)> restored;
        std::function<void(Preview preview)> previewed;
        std::function<void(Imported imported)> imported;
        // How many entries were written to the file; the problem is empty once they are.
        std::function<void(std::string path, std::size_t count, TranslatableText problem)> exported;
        std::function<void(std::string path, TranslatableText problem)> savedImage;
        // Why changes are pending; empty once they are made again.
        std::function<void(TranslatableText trouble)> trouble;
        // A change that can never be made, given up.
        std::function<void(const Change& change, TranslatableText why)> gaveUp;
    };

    // $XDG_DATA_HOME/Kestrova/fenwake/history.sqlite, or under ~/.local/share.
    static std::string defaultPath();

    HistoryStore(std::string path, Listener listener, const Pacing& pacing = {});
    ~HistoryStore(); // finishes, as finish() does, if that has not happened yet
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    void load();
    // Reads the history again, and tells it as loaded, if another Fenwake changed it.
    void refresh();
    // The token comes back with the entry once it is kept.
    void add(std::uint64_t token, const HistoryEntry& entry);
    void remove(std::vector<std::int64_t> ids);
    void restore(std::vector<HistoryEntry> entries);
    // Reads the file and says what it holds, writing nothing.
    void previewImport(std::string path, const HistoryCsv::Given& defaults);
    // Adds the entries of a file read, with what it lacks as given, in one transaction.
    void importReading(std::shared_ptr<const HistoryCsv::Reading> reading,
                       const HistoryCsv::Given& given);
    void importFile(std::string path);
    // Writes the entries as CSV to the file, replacing it whole or not at all.
    void exportFile(std::string path, std::vector<HistoryEntry> entries);
    // Writes an image of the history (its chart) to the file, as an export is written.
    void saveImage(std::string path, std::string bytes);

    // Changes handed over and not yet made or given up.
    std::size_t pending() const;

    // What was not kept: the changes not made in the time finish() had or given up before, the
    // entries among them that were being added, and why.
    struct Unmade {
        std::size_t changes = 0;
        std::vector<HistoryEntry> entries;
        TranslatableText why;
    };
    // Makes what is pending and stops, trying again at once what waits out a back-off. What is
    // not made in the time is given up; the listener hears nothing after this.
    Unmade finish(std::chrono::milliseconds timeout);

private:
    struct Shared;
    using Writer = BackgroundWriter<Change>;
    static Problem perform(Shared& shared, Change& change, Writer::Attempt& attempt);
    static Problem importInto(Shared& shared, Change& change, Writer::Attempt& attempt);
    static Problem preview(Shared& shared, Change& change, Writer::Attempt& attempt);

    std::shared_ptr<Shared> shared;
    std::unique_ptr<Writer> writer;
};

} // namespace fenwake
