#include "history/history_database.h"

#include "history/entry_fields.h"
#include "history/iso_time.h"
#include "history/sqlite_library.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fenwake {

namespace {

// SQLite's functions, once open() has found the library loaded (looked up once: they are called
// for every row and column).
const SqliteLibrary& sqlite() {
    static const SqliteLibrary* const library = [] {
        std::string ignored;
        return SqliteLibrary::load(ignored);
    }();
    return *library;
}

// How long a commit waits for another Fenwake that is writing the same history.
constexpr int busyMilliseconds = 2000;

bool makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (mkdir(path.substr(0, slash).c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

// One statement, finalised whatever happens.
class Statement {
public:
    Statement(sqlite3* database, const std::string& text) {
        sqlite().prepare_v2(database, text.c_str(), -1, &statement, nullptr);
    }
    ~Statement() { sqlite().finalize(statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return statement; }
    bool ready() const { return statement != nullptr; }

private:
    sqlite3_stmt* statement = nullptr;
};

// The entry's columns, and their parameters, from its fields: every field, or those that make an
// entry the entry it is.
std::string columnList(bool identifyingOnly, std::string_view separator,
                       std::string_view after = "") {
    std::string list;
    for (const EntryField& field : EntryFields::all()) {
        if (!identifyingOnly || field.identifies) {
            list.append(list.empty() ? "" : separator).append(field.column).append(after);
        }
    }
    return list;
}

std::string parameters(std::size_t count) {
    std::string list;
    for (std::size_t i = 0; i < count; ++i) {
        list += i == 0 ? "?" : ", ?";
    }
    return list;
}

// Binds the entry's fields, or its identifying ones, from parameter `first` on.
void bindEntry(sqlite3_stmt* statement, const HistoryEntry& entry, int first,
               bool identifyingOnly) {
    int at = first;
    for (const EntryField& field : EntryFields::all()) {
        if (identifyingOnly && !field.identifies) {
            continue;
        }
        const EntryFields::Value value = EntryFields::valueOf(field, entry);
        if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            sqlite().bind_int64(statement, at, *integer);
        } else if (const auto* number = std::get_if<double>(&value)) {
            sqlite().bind_double(statement, at, *number);
        } else {
            const std::string_view text = std::get<std::string_view>(value);
            sqlite().bind_text(statement, at, text.data(), static_cast<int>(text.size()),
                               SQLITE_STATIC);
        }
        ++at;
    }
}

// An entry from a row whose columns, from `first` on, are all the entry's fields.
HistoryEntry readEntry(sqlite3_stmt* row, int first) {
    HistoryEntry entry;
    int at = first;
    for (const EntryField& field : EntryFields::all()) {
        switch (field.form) {
        case EntryField::Form::Number:
            EntryFields::setValue(field, entry, sqlite().column_double(row, at));
            break;
        case EntryField::Form::Method: {
            const auto* text = reinterpret_cast<const char*>(sqlite().column_text(row, at));
            EntryFields::setValue(field, entry, std::string_view(text != nullptr ? text : ""));
            break;
        }
        default:
            EntryFields::setValue(field, entry, std::int64_t{sqlite().column_int64(row, at)});
        }
        ++at;
    }
    return entry;
}

// The step from each version to the next. The first made the history of the waist and weight
// method; the second gave room for the other methods' measurements, every entry made before
// them keeping the method it was made with; the third made ids that are never given again,
// so that an entry removed and brought back, or removed by another Fenwake, is never taken for
// another one.
constexpr std::array<const char*, HistoryDatabase::schemaVersion> migrations{
    "CREATE TABLE entries ("
    " id INTEGER PRIMARY KEY,"
    " taken_ms INTEGER NOT NULL,"           // milliseconds since 1970, UTC
    " utc_offset_minutes INTEGER NOT NULL," // the wall clock's offset then
    " waist REAL NOT NULL, weight REAL NOT NULL, height REAL NOT NULL,"
    " female INTEGER NOT NULL, metric INTEGER NOT NULL);"
    "CREATE UNIQUE INDEX entries_once ON entries"
    " (taken_ms, waist, weight, height, female, metric);"
    "CREATE INDEX entries_by_time ON entries (taken_ms);",

    "ALTER TABLE entries ADD COLUMN method TEXT NOT NULL DEFAULT 'YMCA';"
    "ALTER TABLE entries ADD COLUMN neck REAL NOT NULL DEFAULT 0;"
    "ALTER TABLE entries ADD COLUMN hip REAL NOT NULL DEFAULT 0;"
    "DROP INDEX entries_once;"
    "CREATE UNIQUE INDEX entries_once ON entries"
    " (taken_ms, waist, weight, height, female, metric, method, neck, hip);",

    "CREATE TABLE entries_kept ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " taken_ms INTEGER NOT NULL, utc_offset_minutes INTEGER NOT NULL,"
    " waist REAL NOT NULL, weight REAL NOT NULL, height REAL NOT NULL,"
    " female INTEGER NOT NULL, metric INTEGER NOT NULL,"
    " method TEXT NOT NULL DEFAULT 'YMCA', neck REAL NOT NULL DEFAULT 0,"
    " hip REAL NOT NULL DEFAULT 0);"
    "INSERT INTO entries_kept SELECT id, taken_ms, utc_offset_minutes, waist, weight, height,"
    " female, metric, method, neck, hip FROM entries;"
    "DROP TABLE entries;"
    "ALTER TABLE entries_kept RENAME TO entries;"
    "CREATE UNIQUE INDEX entries_once ON entries"
    " (taken_ms, metric, female, method, waist, weight, height, neck, hip);"
    "CREATE INDEX entries_by_time ON entries (taken_ms);",
};

} // namespace

HistoryDatabase::HistoryDatabase(std::string path) : filePath(std::move(path)) {}

HistoryDatabase::~HistoryDatabase() {
    close();
}

// A log at the path that is no longer the one opened belongs to whatever is there now: the
// connection then closes without copying its own log into its file, and so without removing
// the log at the path. Once the file went from under the history, its log is copied into
// nothing, and removed where it is still ours: left, it would be read as the log of whatever
// file is at the path next.
void HistoryDatabase::close() {
    if (database == nullptr) {
        return;
    }
    const std::string log = openedPath + "-wal";
    const std::string shared = openedPath + "-shm";
    const bool logIsOurs = HistoryFile::identityOf(log) == openedLog;
    const bool sharedIsOurs = HistoryFile::identityOf(shared) == openedShared;
    if (!logIsOurs || !lostWhy.empty()) {
        sqlite().db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    sqlite().close_v2(database);
    database = nullptr;
    if (!lostWhy.empty() && openedLog) {
        if (logIsOurs) {
            ::unlink(log.c_str());
        }
        if (sharedIsOurs) {
            ::unlink(shared.c_str());
        }
    }
}

Problem HistoryDatabase::open() {
    if (database != nullptr) {
        return {};
    }
    if (!lostWhy.empty()) {
        return Problem::lasting(lostWhy);
    }
    if (std::string why; SqliteLibrary::load(why) == nullptr) {
        return Problem::lasting(
            sentence(TRANSLATABLE("the history cannot be used without SQLite: %1"), {why}));
    }
    const HistoryFile::Examined examined =
        HistoryFile::examine(filePath, applicationId, schemaVersion);
    if (!examined.refusal.empty()) {
        return examined.mayPass ? Problem::passing(examined.refusal)
                                : Problem::lasting(examined.refusal);
    }
    if (!makeFolders(filePath)) {
        return Problem::passing(sentence(TRANSLATABLE("cannot make the folder of %1: %2"),
                                         {filePath, std::strerror(errno)}));
    }
    openedPath = examined.realPath;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite().open_v2(openedPath.c_str(), &database, flags, nullptr) != SQLITE_OK) {
        Problem failed = failure(TRANSLATABLE("cannot open %1: %2"));
        sqlite().close_v2(database);
        database = nullptr;
        return failed;
    }
    // Until the file is known to be an undamaged history of ours, closing leaves its log alone.
    sqlite().db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite().busy_timeout(database, busyMilliseconds);
    sqlite().extended_result_codes(database, 1);
    openedFile = HistoryFile::identityOf(openedPath);
    if (Problem checked = identify(); !checked.empty()) {
        sqlite().close_v2(database);
        database = nullptr;
        return checked;
    }
    sqlite().db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    // WAL where the file system allows it; every commit synced either way.
    execute("PRAGMA journal_mode = WAL");
    Problem problem = execute("PRAGMA synchronous = FULL");
    if (problem.empty()) {
        problem = migrate();
    }
    openedFile = HistoryFile::identityOf(openedPath);
    openedLog = HistoryFile::identityOf(openedPath + "-wal");
    openedShared = HistoryFile::identityOf(openedPath + "-shm");
    if (problem.empty() && !single("PRAGMA data_version", dataVersion)) {
        problem = failure(TRANSLATABLE("cannot read %1: %2"));
    }
    if (!problem.empty()) {
        close();
    }
    return problem;
}

// Undamaged, and ours: marked with our application id, or nothing in it yet; of a version this
// Fenwake knows. What the bytes said, SQLite confirms, a log it has recovered included.
Problem HistoryDatabase::identify() {
    std::string verdict;
    std::int64_t ours = 0;
    std::int64_t version = 0;
    std::int64_t tables = 0;
    if (!single("PRAGMA quick_check(1)", verdict) || !single("PRAGMA application_id", ours) ||
        !single("PRAGMA user_version", version) ||
        !single("SELECT count(*) FROM sqlite_master", tables)) {
        Problem failed = failure(TRANSLATABLE("cannot read %1: %2"));
        if (failed.isLasting()) {
            failed.text =
                sentence(TRANSLATABLE("%1 is damaged: %2"), {filePath, failed.text.arguments[1]});
        }
        return failed;
    }
    if (verdict != "ok") {
        return Problem::lasting(sentence(TRANSLATABLE("%1 is damaged: %2"), {filePath, verdict}));
    }
    if (ours != applicationId && (ours != 0 || tables != 0)) {
        return Problem::lasting(
            sentence(TRANSLATABLE("%1 is another program's database"), {filePath}));
    }
    if (version > schemaVersion) {
        return Problem::lasting(
            sentence(TRANSLATABLE("%1 was made by a newer Fenwake"), {filePath}));
    }
    return {};
}

bool HistoryDatabase::single(const char* query, std::string& value) {
    Statement statement(database, query);
    if (!statement.ready() || sqlite().step(statement.get()) != SQLITE_ROW) {
        return false;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite().column_text(statement.get(), 0));
    value = text != nullptr ? text : "";
    return true;
}

bool HistoryDatabase::single(const char* query, std::int64_t& value) {
    Statement statement(database, query);
    if (!statement.ready() || sqlite().step(statement.get()) != SQLITE_ROW) {
        return false;
    }
    value = sqlite().column_int64(statement.get(), 0);
    return true;
}

// From the version the file has to this one, each step in a transaction of its own, the
// version read inside it: another Fenwake may have taken the same step a moment before.
Problem HistoryDatabase::migrate() {
    for (;;) {
        if (Problem begun = execute("BEGIN IMMEDIATE"); !begun.empty()) {
            return begun;
        }
        std::int64_t current = -1;
        Problem problem;
        if (!single("PRAGMA user_version", current)) {
            problem = failure(TRANSLATABLE("cannot read %1: %2"));
        } else if (current < 0 || current > schemaVersion) {
            problem = Problem::lasting(
                sentence(TRANSLATABLE("%1 was made by a newer Fenwake"), {filePath}));
        } else if (current == schemaVersion) {
            return execute("COMMIT");
        } else {
            const std::string step =
                migrations[static_cast<std::size_t>(current)] +
                std::string("PRAGMA application_id = ") + std::to_string(applicationId) +
                "; PRAGMA user_version = " + std::to_string(current + 1) + "; COMMIT;";
            problem = execute(step.c_str());
        }
        if (!problem.empty()) {
            execute("ROLLBACK");
            return problem;
        }
    }
}

Problem HistoryDatabase::execute(const char* statement) {
    if (sqlite().exec(database, statement, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return failure(TRANSLATABLE("cannot write %1: %2"));
    }
    return {};
}

// What SQLite said, as trouble: a full disk, a busy database or a failing device may pass; a
// damaged file, or a change the database refuses, will not.
Problem HistoryDatabase::failure(const char* doing) {
    const int code = database != nullptr ? sqlite().extended_errcode(database) : SQLITE_CANTOPEN;
    const char* message = database != nullptr ? sqlite().errmsg(database) : sqlite().errstr(code);
    const int primary = code & 0xFF;
    lastFull = primary == SQLITE_FULL;
    TranslatableText text = sentence(doing, {filePath, message});
    switch (primary) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
    case SQLITE_ERROR:
        return Problem::lasting(std::move(text));
    default:
        return Problem::passing(std::move(text));
    }
}

// The file went from under the history: nothing more is written, in this run, to whatever is
// at the path now.
Problem HistoryDatabase::lost(TranslatableText why) {
    lostWhy = std::move(why);
    close();
    return Problem::lasting(lostWhy);
}

Problem HistoryDatabase::read(std::vector<HistoryEntry>& entries) {
    if (Problem opened = open(); !opened.empty()) {
        return opened;
    }
    changedElsewhere(); // what is read now is the history as it is
    Statement select(database, "SELECT id, " + columnList(false, ", ") +
                                   " FROM entries ORDER BY taken_ms, id");
    if (!select.ready()) {
        return failure(TRANSLATABLE("cannot read %1: %2"));
    }
    entries.clear();
    int step = SQLITE_ROW;
    while ((step = sqlite().step(select.get())) == SQLITE_ROW) {
        HistoryEntry entry = readEntry(select.get(), 1);
        entry.id = sqlite().column_int64(select.get(), 0);
        entries.push_back(entry);
    }
    return step == SQLITE_DONE ? Problem{} : failure(TRANSLATABLE("cannot read %1: %2"));
}

bool HistoryDatabase::changedElsewhere() {
    std::int64_t version = -1;
    if (!open().empty() || !single("PRAGMA data_version", version)) {
        return false;
    }
    const bool changed = version != dataVersion;
    dataVersion = version;
    return changed;
}

Problem HistoryDatabase::add(std::vector<HistoryEntry>& entries, std::vector<bool>& fresh) {
    std::vector<HistoryEntry> kept = entries;
    std::vector<bool> added;
    Problem problem = inTransaction([&] { return insertEntries(kept, added); });
    if (problem.empty()) {
        entries = std::move(kept);
        fresh = std::move(added);
    }
    return problem;
}

// Each entry inserted, or found kept already; its id either way.
Problem HistoryDatabase::insertEntries(std::vector<HistoryEntry>& entries,
                                       std::vector<bool>& added) {
    const std::string columns = columnList(false, ", ");
    Statement insert(database, "INSERT OR IGNORE INTO entries (" + columns + ") VALUES (" +
                                   parameters(EntryFields::all().size()) + ")");
    Statement find(database, "SELECT id FROM entries WHERE " + columnList(true, " AND ", " = ?"));
    if (!insert.ready() || !find.ready()) {
        return failure(TRANSLATABLE("cannot write %1: %2"));
    }
    for (HistoryEntry& entry : entries) {
        sqlite().reset(insert.get());
        bindEntry(insert.get(), entry, 1, false);
        if (sqlite().step(insert.get()) != SQLITE_DONE) {
            return failure(TRANSLATABLE("cannot write %1: %2"));
        }
        added.push_back(sqlite().changes(database) > 0);
        if (added.back()) {
            entry.id = sqlite().last_insert_rowid(database);
            continue;
        }
        // Kept already: by an earlier commit that was not known to have landed, or in the file
        // being imported again.
        sqlite().reset(find.get());
        bindEntry(find.get(), entry, 1, true);
        const int found = sqlite().step(find.get());
        if (found == SQLITE_ROW) {
            entry.id = sqlite().column_int64(find.get(), 0);
        } else if (found == SQLITE_DONE) {
            return Problem::lasting(
                sentence(TRANSLATABLE("the entry of %1 can be neither added to %2 "
                                      "nor found in it"),
                         {IsoTime::format(entry.taken), filePath}));
        } else {
            return failure(TRANSLATABLE("cannot read %1: %2"));
        }
    }
    return {};
}

Problem HistoryDatabase::remove(const std::vector<std::int64_t>& ids, std::size_t& removed) {
    std::size_t count = 0;
    Problem problem = inTransaction([&] {
        Statement erase(database, "DELETE FROM entries WHERE id = ?");
        if (!erase.ready()) {
            return failure(TRANSLATABLE("cannot write %1: %2"));
        }
        for (const std::int64_t id : ids) {
            sqlite().reset(erase.get());
            sqlite().bind_int64(erase.get(), 1, id);
            if (sqlite().step(erase.get()) != SQLITE_DONE) {
                return failure(TRANSLATABLE("cannot write %1: %2"));
            }
            count += static_cast<std::size_t>(sqlite().changes(database));
        }
        return Problem{};
    });
    if (problem.empty()) {
        removed = count;
    }
    return problem;
}

Problem HistoryDatabase::restore(std::vector<HistoryEntry>& entries) {
    std::vector<HistoryEntry> back = entries;
    Problem problem = inTransaction([&] {
        Statement insert(database, "INSERT OR IGNORE INTO entries (id, " + columnList(false, ", ") +
                                       ") VALUES (?, " + parameters(EntryFields::all().size()) +
                                       ")");
        if (!insert.ready()) {
            return failure(TRANSLATABLE("cannot write %1: %2"));
        }
        std::vector<HistoryEntry> again;
        for (const HistoryEntry& entry : back) {
            sqlite().reset(insert.get());
            sqlite().bind_int64(insert.get(), 1, entry.id);
            bindEntry(insert.get(), entry, 2, false);
            if (sqlite().step(insert.get()) != SQLITE_DONE) {
                return failure(TRANSLATABLE("cannot write %1: %2"));
            }
            if (sqlite().changes(database) == 0) {
                again.push_back(entry);
            }
        }
        // Kept again meanwhile: the id it has now.
        std::vector<bool> fresh;
        if (Problem found = insertEntries(again, fresh); !found.empty()) {
            return found;
        }
        for (HistoryEntry& entry : back) {
            for (const HistoryEntry& kept : again) {
                if (kept.sameAs(entry)) {
                    entry.id = kept.id;
                }
            }
        }
        return Problem{};
    });
    if (problem.empty()) {
        entries = std::move(back);
    }
    return problem;
}

// Opens the database, makes sure it is still the file at the path, and does the writes in one
// transaction: all of them are committed, or none. A commit that went to a file no longer at
// the path is not said to be done.
Problem HistoryDatabase::inTransaction(const std::function<Problem()>& writes) {
    if (Problem opened = open(); !opened.empty()) {
        return opened;
    }
    if (TranslatableText gone = whereItWas(); !gone.empty()) {
        return lost(std::move(gone));
    }
    if (Problem begun = execute("BEGIN IMMEDIATE"); !begun.empty()) {
        return begun;
    }
    Problem problem = writes();
    if (problem.empty()) {
        problem = execute("COMMIT");
    }
    if (!problem.empty()) {
        const bool full = lastFull;
        execute("ROLLBACK");
        lastFull = full;
        return problem;
    }
    if (TranslatableText gone = whereItWas(); !gone.empty()) {
        return lost(std::move(gone));
    }
    return {};
}

// Empty while the path leads to the file opened and it still begins as a database; read
// through SQLite's own descriptor, which a descriptor of ours closed would rob of its locks.
TranslatableText HistoryDatabase::whereItWas() {
    if (TranslatableText gone = HistoryFile::stillThere(openedPath, *openedFile); !gone.empty()) {
        return gone;
    }
    sqlite3_file* file = nullptr;
    unsigned char start[16] = {};
    if (sqlite().file_control(database, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        file == nullptr || file->pMethods == nullptr ||
        file->pMethods->xRead(file, start, sizeof start, 0) != SQLITE_OK ||
        !HistoryFile::isDatabaseStart(start, sizeof start)) {
        return sentence(TRANSLATABLE("%1 was emptied or overwritten while Fenwake had it open"),
                        {filePath});
    }
    return {};
}

// About what an entry takes on disk while it is added: its page in the log, then in the file,
// with its share of the indexes.
constexpr std::uint64_t bytesAnEntryNeeds = 240;
constexpr std::uint64_t bytesToSpare = std::uint64_t{1} << 20;

Problem HistoryDatabase::roomFor(std::size_t entries) {
    if (Problem opened = open(); !opened.empty()) {
        return opened;
    }
    struct statvfs disk {};
    const std::string folder = openedPath.substr(0, openedPath.rfind('/') + 1);
    if (statvfs(folder.c_str(), &disk) != 0) {
        return {}; // nothing known: the commit will tell
    }
    const std::uint64_t free = std::uint64_t{disk.f_bavail} * disk.f_frsize;
    const std::uint64_t needed = entries * bytesAnEntryNeeds + bytesToSpare;
    if (free >= needed) {
        return {};
    }
    const std::uint64_t fitting =
        free > bytesToSpare ? (free - bytesToSpare) / bytesAnEntryNeeds : 0;
    return Problem::lasting(
        sentence(TRANSLATABLE("the disk of %1 has room for about %2 of these %3 "
                              "entries"),
                 {filePath, std::to_string(fitting), std::to_string(entries)}));
}

void HistoryDatabase::releaseLogSpace() {
    if (database != nullptr) {
        execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
}

bool HistoryDatabase::isIntact() {
    if (!open().empty()) {
        return false;
    }
    Statement check(database, "PRAGMA integrity_check");
    return check.ready() && sqlite().step(check.get()) == SQLITE_ROW &&
           std::strcmp(reinterpret_cast<const char*>(sqlite().column_text(check.get(), 0)), "ok") ==
               0;
}

} // namespace fenwake
