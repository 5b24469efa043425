#include "history/history_database.h"

#include "history/sqlite_library.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

// The method's name in the database, as in the settings, in the order of FatMethod.
constexpr const char* methodNames[] = {"YMCA", "Navy", "RFM"};

FatMethod methodNamed(const unsigned char* name) {
    for (std::size_t method = 0; method < std::size(methodNames); ++method) {
        if (name != nullptr &&
            std::strcmp(reinterpret_cast<const char*>(name), methodNames[method]) == 0) {
            return static_cast<FatMethod>(method);
        }
    }
    return FatMethod::WaistAndWeight;
}

TranslatableText said(const char* id, std::vector<std::string> arguments = {}) {
    return {id, std::move(arguments)};
}

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
    Statement(sqlite3* database, const char* text) {
        sqlite().prepare_v2(database, text, -1, &statement, nullptr);
    }
    ~Statement() { sqlite().finalize(statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return statement; }
    bool ready() const { return statement != nullptr; }

private:
    sqlite3_stmt* statement = nullptr;
};

void bindEntry(sqlite3_stmt* insert, const HistoryEntry& entry, int first) {
    const Measurements& m = entry.measurements;
    sqlite().bind_int64(insert, first, entry.taken.utcMilliseconds);
    sqlite().bind_int(insert, first + 1, entry.taken.utcOffsetMinutes);
    sqlite().bind_double(insert, first + 2, m.waist);
    sqlite().bind_double(insert, first + 3, m.weight);
    sqlite().bind_double(insert, first + 4, m.height);
    sqlite().bind_int(insert, first + 5, m.female ? 1 : 0);
    sqlite().bind_int(insert, first + 6, m.metric ? 1 : 0);
    sqlite().bind_text(insert, first + 7, methodNames[static_cast<int>(m.method)], -1,
                       SQLITE_STATIC);
    sqlite().bind_double(insert, first + 8, m.neck);
    sqlite().bind_double(insert, first + 9, m.hip);
}

// The step from each version to the next. The first made the history of the waist and weight
// method; the second gave room for the other methods' measurements, every entry made before
// them keeping the method it was made with.
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
};

constexpr const char* entryColumns =
    "taken_ms, utc_offset_minutes, waist, weight, height, female, metric, method, neck, hip";

} // namespace

HistoryDatabase::HistoryDatabase(std::string path) : filePath(std::move(path)) {}

HistoryDatabase::~HistoryDatabase() {
    close();
}

void HistoryDatabase::close() {
    if (database != nullptr) {
        sqlite().close_v2(database);
        database = nullptr;
    }
}

// Looked at before SQLite is let near the file: what is there, if anything, must be a regular
// file of the user's own (through links of the user's own) that is an SQLite database.
HistoryDatabase::Outcome HistoryDatabase::refusal(TranslatableText& problem) const {
    struct stat status {};
    if (lstat(filePath.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return Outcome::Done;
        }
        problem = said(TRANSLATABLE("%1 cannot be examined: %2"), {filePath, std::strerror(errno)});
        return Outcome::Failed;
    }
    if (S_ISLNK(status.st_mode)) {
        struct stat target {};
        if (status.st_uid != geteuid() || stat(filePath.c_str(), &target) != 0 ||
            target.st_uid != geteuid()) {
            problem = said(TRANSLATABLE("%1 is a link to a file of another user's, or to "
                                        "nothing"),
                           {filePath});
            return Outcome::Refused;
        }
        status = target;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = said(TRANSLATABLE("%1 is not a file"), {filePath});
        return Outcome::Refused;
    }
    if (status.st_uid != geteuid()) {
        problem = said(TRANSLATABLE("%1 belongs to another user"), {filePath});
        return Outcome::Refused;
    }
    if (status.st_size == 0) {
        return Outcome::Done; // nothing to lose: made anew
    }
    // Whether the file is ours SQLite tells (what a commit not yet copied back from the journal
    // says counts); that it is an SQLite database at all is seen here.
    unsigned char header[16] = {};
    const int fd = ::open(filePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    const ssize_t count = fd >= 0 ? ::read(fd, header, sizeof header) : -1;
    if (fd >= 0) {
        ::close(fd);
    }
    if (count < 0) {
        problem = said(TRANSLATABLE("%1 cannot be read: %2"), {filePath, std::strerror(errno)});
        return Outcome::Failed;
    }
    if (count < static_cast<ssize_t>(sizeof header) ||
        std::memcmp(header, "SQLite format 3", 16) != 0) {
        problem =
            said(TRANSLATABLE("%1 is no history of Fenwake's: not an SQLite database"), {filePath});
        return Outcome::Refused;
    }
    return Outcome::Done;
}

HistoryDatabase::Outcome HistoryDatabase::open(TranslatableText& problem) {
    if (database != nullptr) {
        return Outcome::Done;
    }
    if (std::string why; SqliteLibrary::load(why) == nullptr) {
        problem = said(TRANSLATABLE("the history cannot be used without SQLite: %1"), {why});
        return Outcome::Failed;
    }
    if (const Outcome refused = refusal(problem); refused != Outcome::Done) {
        return refused;
    }
    if (!makeFolders(filePath)) {
        problem = said(TRANSLATABLE("cannot make the folder of %1: %2"),
                       {filePath, std::strerror(errno)});
        return Outcome::Failed;
    }
    char* real = realpath(filePath.c_str(), nullptr);
    openedPath = real != nullptr ? real : filePath;
    std::free(real);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite().open_v2(openedPath.c_str(), &database, flags, nullptr) != SQLITE_OK) {
        const Outcome failed = failure(problem, TRANSLATABLE("cannot open %1: %2"));
        close();
        return failed;
    }
    sqlite().busy_timeout(database, busyMilliseconds);
    sqlite().extended_result_codes(database, 1);
    // A damaged file, or another's, is found before anything is written to it, the journal
    // mode included.
    if (const Outcome checked = identify(problem); checked != Outcome::Done) {
        close();
        return checked;
    }
    // WAL where the file system allows it; every commit synced either way.
    TranslatableText ignored;
    execute("PRAGMA journal_mode = WAL", ignored);
    if (const Outcome set = execute("PRAGMA synchronous = FULL", problem); set != Outcome::Done) {
        close();
        return set;
    }
    const Outcome migrated = migrate(problem);
    if (migrated != Outcome::Done) {
        close();
    }
    return migrated;
}

// Undamaged, and ours: marked with our application id, or nothing in it yet; of a version this
// Fenwake knows.
HistoryDatabase::Outcome HistoryDatabase::identify(TranslatableText& problem) {
    std::string verdict;
    std::int64_t ours = 0;
    std::int64_t version = 0;
    std::int64_t tables = 0;
    if (!single("PRAGMA quick_check(1)", verdict) || !single("PRAGMA application_id", ours) ||
        !single("PRAGMA user_version", version) ||
        !single("SELECT count(*) FROM sqlite_master", tables)) {
        const Outcome failed = failure(problem, TRANSLATABLE("cannot read %1: %2"));
        if (failed == Outcome::Refused) {
            problem = said(TRANSLATABLE("%1 is damaged: %2"), {filePath, problem.arguments[1]});
        }
        return failed;
    }
    if (verdict != "ok") {
        problem = said(TRANSLATABLE("%1 is damaged: %2"), {filePath, verdict});
        return Outcome::Refused;
    }
    if (ours != applicationId && (ours != 0 || tables != 0)) {
        problem = said(TRANSLATABLE("%1 is another program's database"), {filePath});
        return Outcome::Refused;
    }
    if (version > schemaVersion) {
        problem = said(TRANSLATABLE("%1 was made by a newer Fenwake"), {filePath});
        return Outcome::Refused;
    }
    return Outcome::Done;
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

// From the version the file has to this one, each step in a transaction of its own.
HistoryDatabase::Outcome HistoryDatabase::migrate(TranslatableText& problem) {
    for (;;) {
        int current = -1;
        {
            // Done with before a step changes the schema, which no statement may be reading.
            Statement version(database, "PRAGMA user_version");
            if (!version.ready() || sqlite().step(version.get()) != SQLITE_ROW) {
                return failure(problem, TRANSLATABLE("cannot read %1: %2"));
            }
            current = sqlite().column_int(version.get(), 0);
        }
        if (current == schemaVersion) {
            return Outcome::Done;
        }
        if (current < 0 || current > schemaVersion) {
            problem = said(TRANSLATABLE("%1 was made by a newer Fenwake"), {filePath});
            return Outcome::Refused;
        }
        const std::string step =
            std::string("BEGIN IMMEDIATE;") + migrations[static_cast<std::size_t>(current)] +
            "PRAGMA application_id = " + std::to_string(applicationId) +
            "; PRAGMA user_version = " + std::to_string(current + 1) + "; COMMIT;";
        if (const Outcome done = execute(step.c_str(), problem); done != Outcome::Done) {
            TranslatableText ignored;
            execute("ROLLBACK", ignored);
            return done;
        }
    }
}

HistoryDatabase::Outcome HistoryDatabase::execute(const char* statement,
                                                  TranslatableText& problem) {
    if (sqlite().exec(database, statement, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return failure(problem, TRANSLATABLE("cannot write %1: %2"));
    }
    return Outcome::Done;
}

// What SQLite said, as trouble: a full disk or a busy database may pass, a damaged file not.
HistoryDatabase::Outcome HistoryDatabase::failure(TranslatableText& problem,
                                                  const char* doing) const {
    const int code = database != nullptr ? sqlite().extended_errcode(database) : SQLITE_CANTOPEN;
    const char* message = database != nullptr ? sqlite().errmsg(database) : sqlite().errstr(code);
    problem = said(doing, {filePath, message});
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB ? Outcome::Refused
                                                                 : Outcome::Failed;
}

HistoryDatabase::Outcome HistoryDatabase::read(std::vector<HistoryEntry>& entries,
                                               TranslatableText& problem) {
    if (const Outcome opened = open(problem); opened != Outcome::Done) {
        return opened;
    }
    const std::string selectText =
        std::string("SELECT id, ") + entryColumns + " FROM entries ORDER BY taken_ms, id";
    Statement select(database, selectText.c_str());
    if (!select.ready()) {
        return failure(problem, TRANSLATABLE("cannot read %1: %2"));
    }
    entries.clear();
    int step = SQLITE_ROW;
    while ((step = sqlite().step(select.get())) == SQLITE_ROW) {
        sqlite3_stmt* row = select.get();
        HistoryEntry entry;
        entry.id = sqlite().column_int64(row, 0);
        entry.taken = {sqlite().column_int64(row, 1), sqlite().column_int(row, 2)};
        Measurements& m = entry.measurements;
        m.waist = sqlite().column_double(row, 3);
        m.weight = sqlite().column_double(row, 4);
        m.height = sqlite().column_double(row, 5);
        m.female = sqlite().column_int(row, 6) != 0;
        m.metric = sqlite().column_int(row, 7) != 0;
        m.method = methodNamed(sqlite().column_text(row, 8));
        m.neck = sqlite().column_double(row, 9);
        m.hip = sqlite().column_double(row, 10);
        entries.push_back(entry);
    }
    return step == SQLITE_DONE ? Outcome::Done
                               : failure(problem, TRANSLATABLE("cannot read %1: %2"));
}

HistoryDatabase::Outcome HistoryDatabase::add(std::vector<HistoryEntry>& entries,
                                              std::vector<bool>& fresh, TranslatableText& problem) {
    std::vector<std::int64_t> ids;
    std::vector<bool> added;
    const Outcome outcome =
        inTransaction(problem, [&] { return insertEntries(entries, ids, added); });
    if (outcome != Outcome::Done) {
        return outcome;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].id = ids[i];
    }
    fresh = std::move(added);
    return Outcome::Done;
}

// Each entry inserted, or found kept already; its id either way.
bool HistoryDatabase::insertEntries(const std::vector<HistoryEntry>& entries,
                                    std::vector<std::int64_t>& ids, std::vector<bool>& added) {
    const std::string insertText = std::string("INSERT OR IGNORE INTO entries (") + entryColumns +
                                   ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    Statement insert(database, insertText.c_str());
    Statement find(database,
                   "SELECT id FROM entries WHERE taken_ms = ? AND "
                   "utc_offset_minutes = ? AND waist = ? AND weight = ? AND height = ? "
                   "AND female = ? AND metric = ? AND method = ? AND neck = ? AND hip = ?");
    bool written = insert.ready() && find.ready();
    for (std::size_t i = 0; written && i < entries.size(); ++i) {
        sqlite().reset(insert.get());
        bindEntry(insert.get(), entries[i], 1);
        written = sqlite().step(insert.get()) == SQLITE_DONE;
        added.push_back(sqlite().changes(database) > 0);
        if (written && added.back()) {
            ids.push_back(sqlite().last_insert_rowid(database));
            continue;
        }
        // Kept already: by an earlier commit that was not known to have landed, or in the file
        // being imported again.
        sqlite().reset(find.get());
        bindEntry(find.get(), entries[i], 1);
        written = written && sqlite().step(find.get()) == SQLITE_ROW;
        ids.push_back(written ? sqlite().column_int64(find.get(), 0) : 0);
    }
    return written;
}

HistoryDatabase::Outcome HistoryDatabase::remove(const std::vector<std::int64_t>& ids,
                                                 TranslatableText& problem) {
    return inTransaction(problem, [&] {
        Statement erase(database, "DELETE FROM entries WHERE id = ?");
        bool removed = erase.ready();
        for (std::size_t i = 0; removed && i < ids.size(); ++i) {
            sqlite().reset(erase.get());
            sqlite().bind_int64(erase.get(), 1, ids[i]);
            removed = sqlite().step(erase.get()) == SQLITE_DONE;
        }
        return removed;
    });
}

HistoryDatabase::Outcome HistoryDatabase::restore(const std::vector<HistoryEntry>& entries,
                                                  TranslatableText& problem) {
    return inTransaction(problem, [&] {
        const std::string insertText = std::string("INSERT OR IGNORE INTO entries (id, ") +
                                       entryColumns + ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
        Statement insert(database, insertText.c_str());
        bool written = insert.ready();
        for (std::size_t i = 0; written && i < entries.size(); ++i) {
            sqlite().reset(insert.get());
            sqlite().bind_int64(insert.get(), 1, entries[i].id);
            bindEntry(insert.get(), entries[i], 2);
            written = sqlite().step(insert.get()) == SQLITE_DONE;
        }
        return written;
    });
}

// Opens the database, and does the writes in one transaction: all of them are committed, or
// none.
HistoryDatabase::Outcome HistoryDatabase::inTransaction(TranslatableText& problem,
                                                        const std::function<bool()>& writes) {
    if (const Outcome opened = open(problem); opened != Outcome::Done) {
        return opened;
    }
    if (const Outcome begun = execute("BEGIN IMMEDIATE", problem); begun != Outcome::Done) {
        return begun;
    }
    const Outcome outcome = writes() ? execute("COMMIT", problem)
                                     : failure(problem, TRANSLATABLE("cannot write %1: %2"));
    if (outcome != Outcome::Done) {
        TranslatableText ignored;
        execute("ROLLBACK", ignored);
    }
    return outcome;
}

bool HistoryDatabase::isIntact() {
    TranslatableText problem;
    if (open(problem) != Outcome::Done) {
        return false;
    }
    Statement check(database, "PRAGMA integrity_check");
    return check.ready() && sqlite().step(check.get()) == SQLITE_ROW &&
           std::strcmp(reinterpret_cast<const char*>(sqlite().column_text(check.get(), 0)), "ok") ==
               0;
}

} // namespace fenwake
