// The history's database: every entry kept to the bit, each older schema brought up to date
// with every entry, and every file that is not a history of the user's own left as it is.
#include "history/history_database.h"

#include "engine/fat_method.h"
#include "history/entry_fields.h"
#include "tests/history/history_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fenwake {
namespace {

using test::bytesOf;
using test::entryOnDay;
using test::HistoryFolder;
using test::readAll;
using test::sameEntries;

// Runs SQL on a database of the test's own making.
void runSql(const std::string& path, const std::string& sql) {
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
    char* error = nullptr;
    const int result = sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(database);
    ASSERT_EQ(result, SQLITE_OK) << message;
}

std::string pragma(const std::string& path, const std::string& name) {
    sqlite3* database = nullptr;
    sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(database, ("PRAGMA " + name).c_str(), -1, &statement, nullptr);
    std::string value;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    sqlite3_close(database);
    return value;
}

// Any finite double, from its bits: subnormals, negative zero, the largest.
double anyFiniteDouble(std::mt19937_64& random) {
    for (;;) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) {
            return value;
        }
    }
}

TEST(HistoryDatabase, KeepsEveryEntryToTheBitInAFileMarkedAsOurs) {
    HistoryFolder folder;
    std::mt19937_64 random(21);
    std::vector<HistoryEntry> entries;
    for (int i = 0; i < 300; ++i) {
        HistoryEntry entry;
        entry.taken = {static_cast<std::int64_t>(random() % 4'000'000'000'000) + i,
                       static_cast<int>(random() % 1681) - 840};
        entry.measurements = {anyFiniteDouble(random), anyFiniteDouble(random),
                              anyFiniteDouble(random), (random() & 1) != 0,
                              (random() & 2) != 0,     anyFiniteDouble(random),
                              anyFiniteDouble(random), static_cast<FatMethod>(random() % 3)};
        entries.push_back(entry);
    }
    std::vector<HistoryEntry> added = entries;
    std::vector<bool> fresh;
    HistoryDatabase database(folder.path());
    ASSERT_TRUE(database.add(added, fresh).empty());
    EXPECT_EQ(std::count(fresh.begin(), fresh.end(), true), 300);
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.taken.utcMilliseconds < b.taken.utcMilliseconds;
    });
    EXPECT_TRUE(sameEntries(readAll(folder.path()), entries));
    EXPECT_EQ(pragma(folder.path(), "journal_mode"), "wal");
    EXPECT_EQ(pragma(folder.path(), "user_version"),
              std::to_string(HistoryDatabase::schemaVersion));
    EXPECT_EQ(pragma(folder.path(), "application_id"),
              std::to_string(HistoryDatabase::applicationId));
    EXPECT_TRUE(database.isIntact());
}

TEST(HistoryDatabase, AnEntryKeptAlreadyIsNotAddedTwice) {
    HistoryFolder folder;
    HistoryDatabase database(folder.path());
    std::vector<HistoryEntry> first{entryOnDay(1), entryOnDay(2)};
    std::vector<bool> fresh;
    ASSERT_TRUE(database.add(first, fresh).empty());
    std::vector<HistoryEntry> again{entryOnDay(2), entryOnDay(3)};
    ASSERT_TRUE(database.add(again, fresh).empty());
    EXPECT_EQ(fresh, (std::vector<bool>{false, true}));
    EXPECT_EQ(again[0].id, first[1].id);
    // The same moment with other numbers is another entry.
    std::vector<HistoryEntry> other{entryOnDay(3, 90.0)};
    ASSERT_TRUE(database.add(other, fresh).empty());
    EXPECT_EQ(fresh, std::vector<bool>{true});
    EXPECT_EQ(readAll(folder.path()).size(), 4u);
}

TEST(HistoryDatabase, RemovedEntriesComeBackUnderTheirOwnIds) {
    HistoryFolder folder;
    HistoryDatabase database(folder.path());
    std::vector<HistoryEntry> entries{entryOnDay(1), entryOnDay(2), entryOnDay(3)};
    std::vector<bool> fresh;
    ASSERT_TRUE(database.add(entries, fresh).empty());
    std::size_t removed = 0;
    ASSERT_TRUE(database.remove({entries[0].id, entries[2].id}, removed).empty());
    EXPECT_EQ(removed, 2u);
    EXPECT_TRUE(sameEntries(readAll(folder.path()), {entries[1]}));
    std::vector<HistoryEntry> removedOnes{entries[0], entries[2]};
    ASSERT_TRUE(database.restore(removedOnes).empty());
    const std::vector<HistoryEntry> back = readAll(folder.path());
    EXPECT_TRUE(sameEntries(back, entries));
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].id, entries[i].id);
    }
}

// Every version a history was ever written in, made as that version made it.
struct OldVersion {
    const char* name;
    std::function<void(const std::string& path)> make;
    std::vector<HistoryEntry> entries; // what it holds

    friend void PrintTo(const OldVersion& version, std::ostream* out) { *out << version.name; }
};

const std::string versionOneSchema =
    "CREATE TABLE entries (id INTEGER PRIMARY KEY, taken_ms INTEGER NOT NULL,"
    " utc_offset_minutes INTEGER NOT NULL, waist REAL NOT NULL, weight REAL NOT NULL,"
    " height REAL NOT NULL, female INTEGER NOT NULL, metric INTEGER NOT NULL);"
    "CREATE UNIQUE INDEX entries_once ON entries"
    " (taken_ms, waist, weight, height, female, metric);"
    "CREATE INDEX entries_by_time ON entries (taken_ms);"
    "PRAGMA application_id = " +
    std::to_string(HistoryDatabase::applicationId) + "; PRAGMA user_version = 1;";

std::string versionOneRow(const HistoryEntry& entry) {
    const Measurements& m = entry.measurements;
    char row[400];
    std::snprintf(row, sizeof row,
                  "INSERT INTO entries VALUES (NULL, %lld, %d, %.17g, %.17g, %.17g, %d, %d);",
                  static_cast<long long>(entry.taken.utcMilliseconds), entry.taken.utcOffsetMinutes,
                  m.waist, m.weight, m.height, m.female ? 1 : 0, m.metric ? 1 : 0);
    return row;
}

// A column list of the table as SQLite describes it.
std::vector<std::string> namesOf(const std::string& path, const std::string& pragma, int column) {
    sqlite3* database = nullptr;
    sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(database, ("PRAGMA " + pragma).c_str(), -1, &statement, nullptr);
    std::vector<std::string> names;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
    }
    sqlite3_finalize(statement);
    sqlite3_close(database);
    std::sort(names.begin(), names.end());
    return names;
}

class Migration : public ::testing::TestWithParam<OldVersion> {};

TEST_P(Migration, BringsEveryEntryToThisVersion) {
    HistoryFolder folder;
    GetParam().make(folder.path());
    std::vector<HistoryEntry> entries;
    HistoryDatabase database(folder.path());
    ASSERT_TRUE(database.read(entries).empty());
    EXPECT_TRUE(sameEntries(entries, GetParam().entries));
    EXPECT_EQ(pragma(folder.path(), "user_version"),
              std::to_string(HistoryDatabase::schemaVersion));
    // What the newest version has room for is kept from now on: the same moment and numbers
    // by another method, or with another neck, are other entries.
    const HistoryEntry plain = entryOnDay(9);
    HistoryEntry navy = plain;
    navy.measurements.method = FatMethod::Navy;
    navy.measurements.neck = 38.5;
    HistoryEntry otherNeck = navy;
    otherNeck.measurements.neck = 39.0;
    std::vector<HistoryEntry> added{plain, navy, otherNeck};
    std::vector<bool> fresh;
    ASSERT_TRUE(database.add(added, fresh).empty());
    EXPECT_EQ(fresh, (std::vector<bool>{true, true, true}));
    entries.insert(entries.end(), added.begin(), added.end());
    EXPECT_TRUE(sameEntries(readAll(folder.path()), entries));
    EXPECT_TRUE(database.isIntact());
    // The table holds the entry's fields, and its unique index those that make an entry the
    // entry it is.
    std::vector<std::string> columns{"id"};
    std::vector<std::string> identity;
    for (const EntryField& field : EntryFields::all()) {
        columns.emplace_back(field.column);
        if (field.identifies) {
            identity.emplace_back(field.column);
        }
    }
    std::sort(columns.begin(), columns.end());
    std::sort(identity.begin(), identity.end());
    EXPECT_EQ(namesOf(folder.path(), "table_info(entries)", 1), columns);
    EXPECT_EQ(namesOf(folder.path(), "index_info(entries_once)", 2), identity);
}

// Version 2, as it was made: version 1's table with the other methods' columns, its index over
// them; ids given again after a removal.
const std::string versionTwoSchema =
    "CREATE TABLE entries (id INTEGER PRIMARY KEY, taken_ms INTEGER NOT NULL,"
    " utc_offset_minutes INTEGER NOT NULL, waist REAL NOT NULL, weight REAL NOT NULL,"
    " height REAL NOT NULL, female INTEGER NOT NULL, metric INTEGER NOT NULL,"
    " method TEXT NOT NULL DEFAULT 'YMCA', neck REAL NOT NULL DEFAULT 0,"
    " hip REAL NOT NULL DEFAULT 0);"
    "CREATE UNIQUE INDEX entries_once ON entries"
    " (taken_ms, waist, weight, height, female, metric, method, neck, hip);"
    "CREATE INDEX entries_by_time ON entries (taken_ms);"
    "PRAGMA application_id = " +
    std::to_string(HistoryDatabase::applicationId) + "; PRAGMA user_version = 2;";

std::string versionTwoRow(const HistoryEntry& entry) {
    const Measurements& m = entry.measurements;
    char row[400];
    std::snprintf(row, sizeof row,
                  "INSERT INTO entries VALUES (NULL, %lld, %d, %.17g, %.17g, %.17g, %d, %d, '%s', "
                  "%.17g, %.17g);",
                  static_cast<long long>(entry.taken.utcMilliseconds), entry.taken.utcOffsetMinutes,
                  m.waist, m.weight, m.height, m.female ? 1 : 0, m.metric ? 1 : 0,
                  std::string(methodKey(m.method)).c_str(), m.neck, m.hip);
    return row;
}

std::vector<HistoryEntry> versionTwoEntries() {
    std::vector<HistoryEntry> entries{entryOnDay(1), entryOnDay(2), entryOnDay(3)};
    entries[1].measurements.method = FatMethod::Navy;
    entries[1].measurements.neck = 37.25;
    entries[2].measurements.method = FatMethod::RelativeFatMass;
    return entries;
}

std::vector<HistoryEntry> versionOneEntries() {
    return {entryOnDay(1), entryOnDay(2), entryOnDay(3)};
}

INSTANTIATE_TEST_SUITE_P(
    FromEachVersion, Migration,
    ::testing::Values(
        OldVersion{"no_file", [](const std::string&) {}, {}},
        OldVersion{"empty_file", [](const std::string& path) { test::writeBytes(path, ""); }, {}},
        // Made, marked as ours, and left before its first step (the process ended there).
        OldVersion{"version_0",
                   [](const std::string& path) {
                       runSql(path, "PRAGMA application_id = " +
                                        std::to_string(HistoryDatabase::applicationId) +
                                        "; CREATE TABLE t(x); DROP TABLE t;");
                   },
                   {}},
        OldVersion{"version_1",
                   [](const std::string& path) {
                       std::string sql = versionOneSchema;
                       for (const HistoryEntry& entry : versionOneEntries()) {
                           sql += versionOneRow(entry);
                       }
                       runSql(path, sql);
                   },
                   versionOneEntries()},
        OldVersion{"version_2",
                   [](const std::string& path) {
                       std::string sql = versionTwoSchema;
                       for (const HistoryEntry& entry : versionTwoEntries()) {
                           sql += versionTwoRow(entry);
                       }
                       runSql(path, sql);
                   },
                   versionTwoEntries()}),
    [](const auto& info) { return std::string(info.param.name); });

// An id is never given to another entry, even once the entry it named is removed: an undo
// brings back exactly what was removed, after any number of additions.
TEST(HistoryDatabase, AnIdIsNeverGivenAgain) {
    HistoryFolder folder;
    HistoryDatabase database(folder.path());
    std::vector<HistoryEntry> two{entryOnDay(1), entryOnDay(2)};
    std::vector<bool> fresh;
    ASSERT_TRUE(database.add(two, fresh).empty());
    std::size_t removed = 0;
    ASSERT_TRUE(database.remove({two[1].id}, removed).empty());
    std::vector<HistoryEntry> third{entryOnDay(3)};
    ASSERT_TRUE(database.add(third, fresh).empty());
    EXPECT_NE(third[0].id, two[1].id);
    std::vector<HistoryEntry> back{two[1]};
    ASSERT_TRUE(database.restore(back).empty());
    EXPECT_EQ(back[0].id, two[1].id);
    const std::vector<HistoryEntry> all = readAll(folder.path());
    EXPECT_TRUE(sameEntries(all, {two[0], two[1], third[0]}));
}

// Another Fenwake removed an entry and added one; this one, still showing the removed entry,
// removes it too: nothing else goes, and it learns that the entry was gone already.
TEST(HistoryDatabase, AStaleRemovalNeverRemovesAnotherEntry) {
    HistoryFolder folder;
    HistoryDatabase database(folder.path());
    std::vector<HistoryEntry> shown{entryOnDay(1), entryOnDay(2)};
    std::vector<bool> fresh;
    ASSERT_TRUE(database.add(shown, fresh).empty());
    EXPECT_FALSE(database.changedElsewhere());
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        HistoryDatabase elsewhere(folder.path());
        std::size_t removed = 0;
        std::vector<HistoryEntry> added{entryOnDay(3)};
        std::vector<bool> kept;
        const bool done = elsewhere.remove({shown[1].id}, removed).empty() && removed == 1 &&
                          elsewhere.add(added, kept).empty();
        std::_Exit(done ? 0 : 1);
    }
    int status = 0;
    waitpid(other, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(database.changedElsewhere());
    std::size_t removed = 0;
    ASSERT_TRUE(database.remove({shown[1].id}, removed).empty());
    EXPECT_EQ(removed, 0u);
    EXPECT_TRUE(sameEntries(readAll(folder.path()), {entryOnDay(1), entryOnDay(3)}));
}

// One instant is one entry, whatever offset its clock had: the second is found, not refused.
TEST(HistoryDatabase, OneInstantWithAnotherOffsetIsTheSameEntry) {
    HistoryFolder folder;
    HistoryDatabase database(folder.path());
    std::vector<HistoryEntry> first{entryOnDay(1)};
    std::vector<bool> fresh;
    ASSERT_TRUE(database.add(first, fresh).empty());
    HistoryEntry sameInstant = entryOnDay(1);
    sameInstant.taken.utcOffsetMinutes = 0;
    std::vector<HistoryEntry> again{sameInstant, entryOnDay(2)};
    const Problem problem = database.add(again, fresh);
    ASSERT_TRUE(problem.empty()) << problem.text.id;
    EXPECT_EQ(fresh, (std::vector<bool>{false, true}));
    EXPECT_EQ(again[0].id, first[0].id);
    EXPECT_EQ(readAll(folder.path()).size(), 2u);
}

// A file at the history's path that is none of ours.
struct Stranger {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* why; // the id of the sentence that says why

    friend void PrintTo(const Stranger& stranger, std::ostream* out) { *out << stranger.name; }
};

class Refusal : public ::testing::TestWithParam<Stranger> {};

TEST_P(Refusal, LeavesTheFileAsItIsAndSaysWhy) {
    if (std::string(GetParam().name) == "another_users_file" && geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    HistoryFolder folder;
    const std::string path = folder.path();
    GetParam().make(path);
    struct stat before {};
    lstat(path.c_str(), &before);
    const std::string bytes = bytesOf(path);
    const bool hadLog = std::filesystem::exists(path + "-wal");
    const std::string log = hadLog ? bytesOf(path + "-wal") : "";
    const std::string shared = hadLog ? bytesOf(path + "-shm") : "";
    std::vector<HistoryEntry> entries{entryOnDay(1)};
    std::vector<bool> fresh;
    HistoryDatabase database(path);
    const Problem problem = database.add(entries, fresh);
    EXPECT_TRUE(problem.isLasting());
    EXPECT_EQ(problem.text.id, GetParam().why);
    EXPECT_TRUE(database.read(entries).isLasting());
    struct stat after {};
    lstat(path.c_str(), &after);
    EXPECT_EQ(bytesOf(path), bytes);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(std::filesystem::exists(path + "-wal"), hadLog);
    EXPECT_EQ(std::filesystem::exists(path + "-shm"), hadLog);
    if (hadLog) {
        EXPECT_EQ(bytesOf(path + "-wal"), log) << "another's log was copied or changed";
        EXPECT_EQ(bytesOf(path + "-shm"), shared);
    }
    EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
}

// A database another program has open, in WAL mode: its newest pages are in its log, which
// stays beside it (made by a process that ends without closing it).
void runSqlLeavingTheLog(const std::string& path, const std::string& sql) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* database = nullptr;
        const bool done = sqlite3_open(path.c_str(), &database) == SQLITE_OK &&
                          sqlite3_exec(database, ("PRAGMA journal_mode = WAL;" + sql).c_str(),
                                       nullptr, nullptr, nullptr) == SQLITE_OK;
        std::_Exit(done ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(std::filesystem::exists(path + "-wal"));
}

INSTANTIATE_TEST_SUITE_P(
    AtThePath, Refusal,
    ::testing::Values(
        Stranger{"a_text_file",
                 [](const std::string& path) { test::writeBytes(path, "dear diary\n"); },
                 "%1 is no history of Fenwake's: not an SQLite database"},
        Stranger{"another_programs_database",
                 [](const std::string& path) { runSql(path, "CREATE TABLE notes(text);"); },
                 "%1 is another program's database"},
        Stranger{"another_programs_database_in_its_log",
                 [](const std::string& path) {
                     runSqlLeavingTheLog(path, "CREATE TABLE notes(text);"
                                               "INSERT INTO notes VALUES ('mine');");
                 },
                 "%1 is another program's database"},
        Stranger{"a_newer_fenwakes_history_in_its_log",
                 [](const std::string& path) {
                     runSqlLeavingTheLog(path, versionOneSchema + "PRAGMA user_version = 99;");
                 },
                 "%1 was made by a newer Fenwake"},
        Stranger{"a_newer_fenwakes_history",
                 [](const std::string& path) {
                     runSql(path, versionOneSchema + "PRAGMA user_version = 99;");
                 },
                 "%1 was made by a newer Fenwake"},
        Stranger{"a_damaged_history",
                 [](const std::string& path) {
                     std::string sql = versionOneSchema;
                     for (int day = 0; day < 400; ++day) {
                         sql += versionOneRow(entryOnDay(day));
                     }
                     runSql(path, sql + "PRAGMA journal_mode = DELETE;");
                     std::string bytes = bytesOf(path);
                     for (std::size_t at = 4096 + 8; at < bytes.size(); at += 97) {
                         bytes[at] = static_cast<char>(~bytes[at]);
                     }
                     test::writeBytes(path, bytes);
                 },
                 "%1 is damaged: %2"},
        Stranger{"a_folder",
                 [](const std::string& path) { std::filesystem::create_directory(path); },
                 "%1 is not a file"},
        Stranger{
            "a_link_to_nothing",
            [](const std::string& path) { std::filesystem::create_symlink(path + ".gone", path); },
            "%1 is a link to a file of another user's, or to nothing"},
        Stranger{"another_users_file",
                 [](const std::string& path) {
                     runSql(path, versionOneSchema);
                     const passwd* nobody = getpwnam("nobody");
                     ASSERT_NE(nobody, nullptr);
                     ASSERT_EQ(chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
                 },
                 "%1 belongs to another user"}),
    [](const auto& info) { return std::string(info.param.name); });

// Two Fenwakes adding at the same moment, each its own entries: the history keeps them all.
TEST(HistoryDatabase, TwoProcessesAddingAtOnceKeepEveryEntry) {
    HistoryFolder folder;
    {
        HistoryDatabase made(folder.path());
        std::vector<HistoryEntry> none;
        ASSERT_TRUE(made.read(none).empty());
    }
    std::vector<pid_t> children;
    for (int process = 0; process < 2; ++process) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            HistoryDatabase database(folder.path());
            std::vector<bool> fresh;
            int failed = 0;
            for (int day = 0; day < 60; ++day) {
                std::vector<HistoryEntry> one{entryOnDay(day, 50.0 + 100.0 * process)};
                failed += database.add(one, fresh).empty() ? 0 : 1;
            }
            std::_Exit(failed);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(readAll(folder.path()).size(), 120u);
    EXPECT_TRUE(HistoryDatabase(folder.path()).isIntact());
}

} // namespace
} // namespace fenwake
