#pragma once

#include "engine/history_entry.h"
#include "framework/storage/problem.h"
#include "history/history_file.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace fenwake {

// The history's SQLite database: one table of entries, WAL journal, every commit synced to disk
// (synchronous FULL) before it is said to be done, so that what is kept survives a crash and a
// power cut. Its schema version is PRAGMA user_version, and each older version is brought up
// to date by its own step when it is opened; its application id marks the file as Fenwake's.
// An entry's id is never given to another entry, even after it was removed, so that no stale
// view of the history, in this Fenwake or another, can name another entry by it.
//
// A file at the path that is not a history of the user's own (not a regular file, another
// user's, reached through another user's link, no SQLite database, another program's, or one
// a newer Fenwake made) is refused from its bytes and its log's before SQLite opens it, and is
// left byte for byte with its log; one found damaged once open is closed without its log being
// copied into it. While open, every write first makes sure the path is still the file opened:
// a file removed, replaced or overwritten underneath is written no more, and what was to go in
// it is said not to be kept. Blocking: for the history's own thread.
class HistoryDatabase {
public:
    static constexpr int schemaVersion = 3;
    static constexpr std::uint32_t applicationId = 0x46574B48; // "FWKH"

    explicit HistoryDatabase(std::string path);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // Opens the database, making it (and its folders) when there is none. Nothing to do once
    // open. Every operation below opens it first.
    Problem open();
    const std::string& path() const { return filePath; }

    // Every entry, oldest first.
    Problem read(std::vector<HistoryEntry>& entries);
    // Whether another connection (another Fenwake, the sqlite3 tool) changed the history since
    // this one last read it.
    bool changedElsewhere();
    // Adds the entries in one transaction and gives them their ids. An entry the history holds
    // already (the same instant and numbers) is not added twice: it gets the kept one's id, and
    // false in fresh, so that a commit tried again, or a file imported again, adds nothing.
    Problem add(std::vector<HistoryEntry>& entries, std::vector<bool>& fresh);
    // Removes the entries of these ids, in one transaction; `removed` says how many were there
    // to remove (another Fenwake may have removed the others).
    Problem remove(const std::vector<std::int64_t>& ids, std::size_t& removed);
    // Puts removed entries back under their own ids, in one transaction; one kept again
    // meanwhile under another id (imported again, say) keeps that one, which its id then says.
    Problem restore(std::vector<HistoryEntry>& entries);
    // Whether the disk has room for so many more entries, with room to spare for what is added
    // after them; a lasting problem that says how many would fit when it has not.
    Problem roomFor(std::size_t entries);
    // Whether the last problem was a full disk.
    bool diskWasFull() const { return lastFull; }
    // Gives back the space a rolled-back transaction took in the log, where nobody reads.
    void releaseLogSpace();
    // PRAGMA integrity_check says "ok".
    bool isIntact();

private:
    Problem identify();
    bool single(const char* query, std::string& value);
    bool single(const char* query, std::int64_t& value);
    Problem migrate();
    Problem execute(const char* statement);
    Problem inTransaction(const std::function<Problem()>& writes);
    Problem insertEntries(std::vector<HistoryEntry>& entries, std::vector<bool>& added);
    Problem failure(const char* doing);
    Problem lost(TranslatableText why);
    TranslatableText whereItWas();
    void close();

    std::string filePath;
    std::string openedPath; // the real file, once every link to it was found to be the user's
    sqlite3* database = nullptr;
    std::optional<HistoryFile::Identity> openedFile;
    std::optional<HistoryFile::Identity> openedLog;
    std::optional<HistoryFile::Identity> openedShared;
    TranslatableText lostWhy; // the file went from under the history: nothing more is written
    std::int64_t dataVersion = -1;
    bool lastFull = false;
};

} // namespace fenwake
