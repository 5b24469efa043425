#pragma once

#include "framework/text/translatable.h"
#include "history/history_entry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct sqlite3;

namespace fenwake {

// The history's SQLite database: one table of entries, WAL journal, every commit synced to disk
// (synchronous FULL) before it is said to be done, so that what is kept survives a crash and a
// power cut. Its schema version is PRAGMA user_version, and each older version is brought up
// to date by its own step when it is opened; its application id marks the file as Fenwake's.
//
// A file at the path that is not a history of the user's own (not a regular file, another
// user's, reached through another user's link, no SQLite database, another program's, or one
// a newer Fenwake made) is refused before SQLite opens it, and left byte for byte. Blocking:
// for the history's own thread.
class HistoryDatabase {
public:
    static constexpr int schemaVersion = 2;
    static constexpr std::uint32_t applicationId = 0x46574B48; // "FWKH"

    // Why an operation did not happen: Failed may pass (a full disk, a lock held by another
    // instance); Refused will not (the file is none of ours).
    enum class Outcome { Done, Failed, Refused };

    explicit HistoryDatabase(std::string path);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // Opens the database, making it (and its folders) when there is none. Done at once when open.
    Outcome open(TranslatableText& problem);
    const std::string& path() const { return filePath; }

    // Every entry, oldest first.
    Outcome read(std::vector<HistoryEntry>& entries, TranslatableText& problem);
    // Adds the entries in one transaction and gives them their ids. An entry the history holds
    // already (the same moment and numbers) is not added twice: it gets the kept one's id, and
    // false in fresh, so that a commit tried again, or a file imported again, adds nothing.
    Outcome add(std::vector<HistoryEntry>& entries, std::vector<bool>& fresh,
                TranslatableText& problem);
    // Removes the entries of these ids, in one transaction.
    Outcome remove(const std::vector<std::int64_t>& ids, TranslatableText& problem);
    // Puts removed entries back under their own ids, in one transaction.
    Outcome restore(const std::vector<HistoryEntry>& entries, TranslatableText& problem);
    // PRAGMA integrity_check says "ok".
    bool isIntact();

private:
    Outcome refusal(TranslatableText& problem) const;
    Outcome identify(TranslatableText& problem);
    bool single(const char* query, std::string& value);
    bool single(const char* query, std::int64_t& value);
    Outcome migrate(TranslatableText& problem);
    Outcome execute(const char* statement, TranslatableText& problem);
    Outcome inTransaction(TranslatableText& problem, const std::function<bool()>& writes);
    bool insertEntries(const std::vector<HistoryEntry>& entries, std::vector<std::int64_t>& ids,
                       std::vector<bool>& added);
    Outcome failure(TranslatableText& problem, const char* doing) const;
    void close();

    std::string filePath;
    std::string openedPath; // the real file, once every link to it was found to be the user's
    sqlite3* database = nullptr;
};

} // namespace fenwake
