// The history's store: what it says it did is on disk, what it cannot do yet it does on its own
// later, and at the end it says what it could not do.
#include "history/history_store.h"
#include "history/iso_time.h"
#include "tests/history/history_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {
namespace {

using namespace std::chrono_literals;
using test::bytesOf;
using test::entryOnDay;
using test::HistoryFolder;
using test::readAll;
using test::sameEntries;

// What the store told, collected from its thread.
class Heard {
public:
    HistoryStore::Listener listener(const std::string& path) {
        HistoryStore::Listener heard;
        heard.loaded = [this](std::vector<HistoryEntry> entries) {
            tell([&] { loaded = std::move(entries); });
        };
        heard.added = [this, path](std::uint64_t token, const HistoryEntry& entry) {
            // Said only once it is on disk: another reader finds it there now.
            const std::vector<HistoryEntry> onDisk = readAll(path);
            const bool found = std::any_of(onDisk.begin(), onDisk.end(), [&](const auto& kept) {
                return kept.sameAs(entry) && kept.id == entry.id;
            });
            tell([&] {
                added.emplace_back(token, entry);
                everyAddedOnDisk = everyAddedOnDisk && found;
            });
        };
        heard.removed = [this](std::vector<std::int64_t> ids, std::size_t missing) {
            tell([&] {
                removed.push_back(ids);
                removedElsewhere += missing;
            });
        };
        heard.restored = [this](std::vector<HistoryEntry> entries) {
            tell([&] { restored.push_back(entries); });
        };
        heard.previewed = [this](HistoryStore::Preview preview) {
            tell([&] { previewed.push_back(std::move(preview)); });
        };
        heard.imported = [this](HistoryStore::Imported result) {
            tell([&] { imported.push_back(std::move(result)); });
        };
        heard.exported = [this](std::string file, std::size_t count, TranslatableText problem) {
            tell([&] { exported.emplace_back(file + " " + std::to_string(count), problem); });
        };
        heard.trouble = [this](TranslatableText said) {
            tell([&] { troubles.push_back(said); });
        };
        heard.gaveUp = [this](const HistoryStore::Change& change, TranslatableText why) {
            tell([&] { gaveUp.emplace_back(change.entries.size(), why); });
        };
        return heard;
    }

    // Waits for the condition, at most long enough that only a hang misses it.
    template <typename Condition>
    bool until(Condition condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 20s, [&] { return condition(); });
    }

    std::optional<std::vector<HistoryEntry>> loaded;
    std::vector<std::pair<std::uint64_t, HistoryEntry>> added;
    bool everyAddedOnDisk = true;
    std::vector<std::vector<std::int64_t>> removed;
    std::size_t removedElsewhere = 0;
    std::vector<std::vector<HistoryEntry>> restored;
    std::vector<HistoryStore::Preview> previewed;
    std::vector<HistoryStore::Imported> imported;
    std::vector<std::pair<std::string, TranslatableText>> exported;
    std::vector<TranslatableText> troubles;
    std::vector<std::pair<std::size_t, TranslatableText>> gaveUp; // entries, why

private:
    template <typename Change>
    void tell(Change change) {
        const std::lock_guard lock(mutex);
        change();
        changed.notify_all();
    }

    std::mutex mutex;
    std::condition_variable changed;
};

TEST(HistoryStore, OpensNothingUntilFirstAskedAndTellsOfAnEntryOnceItIsOnDisk) {
    HistoryFolder folder;
    const std::string path = folder.path("data/Kestrova/fenwake/history.sqlite");
    Heard heard;
    HistoryStore store(path, heard.listener(path));
    EXPECT_FALSE(std::filesystem::exists(folder.path("data")));
    for (int day = 0; day < 5; ++day) {
        store.add(100 + day, entryOnDay(day));
    }
    ASSERT_TRUE(heard.until([&] { return heard.added.size() == 5; }));
    EXPECT_TRUE(heard.everyAddedOnDisk);
    EXPECT_EQ(heard.added.front().first, 100u);
    EXPECT_EQ(heard.added.back().first, 104u);
    store.load();
    ASSERT_TRUE(heard.until([&] { return heard.loaded.has_value(); }));
    EXPECT_EQ(heard.loaded->size(), 5u);
    EXPECT_EQ(store.finish(1s).changes, 0u);
}

TEST(HistoryStore, RemovedAndRestoredEntriesReachTheDisk) {
    HistoryFolder folder;
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    for (int day = 0; day < 3; ++day) {
        store.add(day, entryOnDay(day));
    }
    ASSERT_TRUE(heard.until([&] { return heard.added.size() == 3; }));
    const HistoryEntry middle = heard.added[1].second;
    store.remove({middle.id});
    ASSERT_TRUE(heard.until([&] { return heard.removed.size() == 1; }));
    EXPECT_EQ(readAll(folder.path()).size(), 2u);
    store.restore({middle});
    ASSERT_TRUE(heard.until([&] { return heard.restored.size() == 1; }));
    const std::vector<HistoryEntry> back = readAll(folder.path());
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].id, middle.id);
}

// The history's folder cannot be made while a file stands where it should be; once the file is
// gone the entries are written without being asked again, and the trouble is over. The entries
// added while the first waits wait together, to be written in one go, each told with its token.
TEST(HistoryStore, WhatCannotBeWrittenYetIsWrittenOnItsOwnLater) {
    HistoryFolder folder;
    const std::string path = folder.path("blocked/history.sqlite");
    test::writeBytes(folder.path("blocked"), "in the way");
    Heard heard;
    HistoryStore store(path, heard.listener(path));
    for (int day = 1; day <= 4; ++day) {
        store.add(day, entryOnDay(day));
    }
    ASSERT_TRUE(heard.until([&] { return !heard.troubles.empty(); }));
    EXPECT_EQ(heard.troubles.front().id, "%1 cannot be examined: %2");
    EXPECT_TRUE(heard.added.empty());
    EXPECT_EQ(store.pending(), 2u);
    std::filesystem::remove(folder.path("blocked"));
    ASSERT_TRUE(heard.until([&] { return heard.added.size() == 4; }));
    ASSERT_TRUE(heard.until([&] { return heard.troubles.back().empty(); }));
    EXPECT_TRUE(heard.everyAddedOnDisk);
    for (std::uint64_t token = 1; token <= 4; ++token) {
        EXPECT_EQ(heard.added[token - 1].first, token);
        EXPECT_TRUE(heard.added[token - 1].second.sameAs(entryOnDay(static_cast<int>(token))));
    }
    EXPECT_EQ(readAll(path).size(), 4u);
}

// While a change cannot be made, the store tries it again less and less often: the pace its
// writer is given, here a short one, doubling to its last.
TEST(HistoryStore, TriesAgainLessAndLessOften) {
    HistoryFolder folder;
    const std::string path = folder.path("blocked/history.sqlite");
    test::writeBytes(folder.path("blocked"), "in the way");
    Heard heard;
    std::mutex mutex;
    std::condition_variable waited;
    std::vector<std::chrono::milliseconds> waits;
    Pacing pace;
    pace.first = 1ms;
    pace.last = 4ms;
    pace.waiting = [&](std::chrono::milliseconds wait) {
        const std::lock_guard lock(mutex);
        waits.push_back(wait);
        waited.notify_all();
    };
    HistoryStore store(path, heard.listener(path), pace);
    store.add(1, entryOnDay(1));
    std::unique_lock lock(mutex);
    ASSERT_TRUE(waited.wait_for(lock, 20s, [&] { return waits.size() >= 5; }));
    EXPECT_EQ(std::vector(waits.begin(), waits.begin() + 5),
              (std::vector<std::chrono::milliseconds>{1ms, 2ms, 4ms, 4ms, 4ms}));
    lock.unlock();
    EXPECT_EQ(store.finish(10ms).changes, 1u);
}

// A folder at the path is never ours: the entries are given up at once, each change told with
// why, and the end says so again.
TEST(HistoryStore, AtTheEndSaysHowManyEntriesWereNotKeptAndWhy) {
    HistoryFolder folder;
    std::filesystem::create_directory(folder.path());
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    store.add(1, entryOnDay(1));
    store.add(2, entryOnDay(2));
    store.add(3, entryOnDay(3));
    // The writer may take the three one by one or join those that wait: all are given up.
    const auto entriesGivenUp = [&] {
        std::size_t entries = 0;
        for (const auto& [count, why] : heard.gaveUp) {
            entries += count;
        }
        return entries;
    };
    ASSERT_TRUE(heard.until([&] { return entriesGivenUp() == 3; }));
    EXPECT_EQ(heard.gaveUp[0].second.id, "%1 is not a file");
    EXPECT_TRUE(heard.troubles.empty());
    const HistoryStore::Unmade unmade = store.finish(300ms);
    EXPECT_EQ(unmade.changes, heard.gaveUp.size());
    EXPECT_EQ(unmade.entries.size(), 3u);
    EXPECT_EQ(unmade.why.id, "%1 is not a file");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(HistoryStore, ExportedThenImportedIntoAnEmptyHistoryGivesTheSameEntries) {
    HistoryFolder folder;
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    std::vector<HistoryEntry> entries;
    for (int day = 0; day < 50; ++day) {
        entries.push_back(entryOnDay(day));
        entries.back().measurements.waist = 80.0 + day / 3.0; // no short decimal
    }
    const std::string file = folder.path("export.csv");
    store.exportFile(file, entries);
    ASSERT_TRUE(heard.until([&] { return heard.exported.size() == 1; }));
    EXPECT_TRUE(heard.exported[0].second.empty()) << heard.exported[0].second.id;
    EXPECT_EQ(heard.exported[0].first, file + " 50");
    EXPECT_FALSE(std::filesystem::exists(folder.path()));

    const std::string other = folder.path("other.sqlite");
    Heard second;
    HistoryStore empty(other, second.listener(other));
    empty.importFile(file);
    ASSERT_TRUE(second.until([&] { return second.imported.size() == 1; }));
    EXPECT_EQ(second.imported[0].added.size(), 50u);
    EXPECT_TRUE(sameEntries(readAll(other), entries));
    // Imported again, nothing is added twice.
    empty.importFile(file);
    ASSERT_TRUE(second.until([&] { return second.imported.size() == 2; }));
    EXPECT_TRUE(second.imported[1].added.empty());
    EXPECT_EQ(second.imported[1].keptAlready, 50u);
    EXPECT_EQ(readAll(other).size(), 50u);
}

// A look at a file writes nothing and counts what the history holds already; the import of what
// was looked at adds the rest, with what the file lacked as given, in one go.
TEST(HistoryStore, ALookWritesNothingAndTheImportAddsWhatWasLookedAt) {
    HistoryFolder folder;
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    HistoryEntry kept = entryOnDay(1);
    kept.measurements = {80.0, 70.5, 171.5, true, true, 0.0, 0.0, FatMethod::WaistAndWeight};
    store.add(1, kept);
    const std::string file = folder.path("weights.csv");
    test::writeBytes(file, "Date and time;Units;Waist;Weight\n" + IsoTime::format(kept.taken) +
                               ";metric;80;70,5\n2026-03-09T08:00Z;metric;81;79,5\n");
    const HistoryCsv::Given given{true, true, 0.0, 0.0, 171.5};
    store.previewImport(file, given);
    ASSERT_TRUE(heard.until([&] { return heard.previewed.size() == 1; }));
    const HistoryStore::Preview& look = heard.previewed[0];
    EXPECT_EQ(look.reading->entries.size(), 2u);
    EXPECT_EQ(look.keptAlready, 1u);
    EXPECT_TRUE(look.reading->lacking.female && look.reading->lacking.height);
    EXPECT_EQ(readAll(folder.path()).size(), 1u) << "a look wrote";
    store.importReading(look.reading, given);
    ASSERT_TRUE(heard.until([&] { return heard.imported.size() == 1; }));
    EXPECT_EQ(heard.imported[0].added.size(), 1u);
    EXPECT_EQ(heard.imported[0].keptAlready, 1u);
    const std::vector<HistoryEntry> all = readAll(folder.path());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].measurements.weight, 79.5);
    EXPECT_EQ(all[1].measurements.height, 171.5);
}

// What is no file of entries is answered at once, without being read: a pipe nobody writes to,
// a device that never ends, a file larger than any history, a folder.
struct Unreadable {
    const char* name;
    std::function<std::string(HistoryFolder&)> make;
    const char* says; // in the reason
};

void PrintTo(const Unreadable& u, std::ostream* out) {
    *out << u.name;
}

class LookAtUnreadable : public ::testing::TestWithParam<Unreadable> {};

INSTANTIATE_TEST_SUITE_P(
    HistoryStore, LookAtUnreadable,
    ::testing::Values(Unreadable{"a_pipe",
                                 [](HistoryFolder& folder) {
                                     const std::string path = folder.path("pipe.csv");
                                     EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
                                     return path;
                                 },
                                 "pipe.csv"},
                      Unreadable{"a_device",
                                 [](HistoryFolder&) { return std::string("/dev/zero"); },
                                 "/dev/zero"},
                      Unreadable{"a_gigabyte",
                                 [](HistoryFolder& folder) {
                                     const std::string path = folder.path("huge.csv");
                                     test::writeBytes(path, "Date,Weight\n");
                                     std::filesystem::resize_file(path, std::uintmax_t{1} << 30);
                                     return path;
                                 },
                                 "huge.csv"},
                      Unreadable{"a_folder",
                                 [](HistoryFolder& folder) {
                                     std::filesystem::create_directories(folder.path("folder.csv"));
                                     return folder.path("folder.csv");
                                 },
                                 "folder.csv"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LookAtUnreadable, IsAnsweredWithoutReadingIt) {
    HistoryFolder folder;
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    store.previewImport(GetParam().make(folder), {});
    ASSERT_TRUE(heard.until([&] { return heard.previewed.size() == 1; }));
    const TranslatableText& why = heard.previewed[0].reading->notEntries;
    ASSERT_FALSE(why.empty());
    std::string said = why.id;
    for (const std::string& argument : why.arguments) {
        said += " " + argument;
    }
    EXPECT_NE(said.find(GetParam().says), std::string::npos) << said;
    EXPECT_TRUE(heard.previewed[0].reading->entries.empty());
}

// Files that cannot be taken in or written: the history is as it was, and the listener hears why.
TEST(HistoryStore, AFileThatIsNoCsvOfEntriesChangesNothing) {
    HistoryFolder folder;
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    store.add(1, entryOnDay(1));
    test::writeBytes(folder.path("notes.csv"), "Name,Score\r\nAda,3\r\n");
    store.importFile(folder.path("notes.csv"));
    store.importFile(folder.path("missing.csv"));
    store.importFile(folder.path()); // the history itself: no CSV
    store.exportFile(folder.path("no/such/folder.csv"), {entryOnDay(2)});
    ASSERT_TRUE(
        heard.until([&] { return heard.imported.size() == 3 && heard.exported.size() == 1; }));
    EXPECT_EQ(heard.imported[0].notImported.id,
              "its first line names no column of the date and time (such as “Date and time”, "
              "“Date” or “dateTime”); it names %1");
    EXPECT_EQ(heard.imported[1].notImported.id, "%1 cannot be opened: %2");
    EXPECT_FALSE(heard.imported[2].notImported.empty());
    EXPECT_EQ(heard.exported[0].second.id, "cannot create a file beside %1: %2");
    EXPECT_EQ(readAll(folder.path()).size(), 1u);
}

TEST(HistoryStore, AnExportReplacesTheFileWholeKeepingItsPermissions) {
    HistoryFolder folder;
    const std::string file = folder.path("export.csv");
    test::writeBytes(file, "an older export");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    store.exportFile(file, {entryOnDay(1)});
    ASSERT_TRUE(heard.until([&] { return heard.exported.size() == 1; }));
    EXPECT_EQ(bytesOf(file), HistoryCsv::write({entryOnDay(1)}));
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path("")),
                            std::filesystem::directory_iterator()),
              1); // no file left beside it
}

// The same instant twice in one file, written with two offsets: one entry, the other found kept,
// and what is added after the import is kept too.
TEST(HistoryStore, OneInstantTwiceInAFileIsImportedOnceAndHoldsNothingBack) {
    HistoryFolder folder;
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    const std::string file = folder.path("twice.csv");
    test::writeBytes(file, "Date and time,Units,Female,Waist,Weight,Height\r\n"
                           "2026-03-01T10:00+01:00,metric,no,85,80,178\r\n"
                           "2026-03-01T09:00Z,metric,no,85,80,178\r\n");
    store.importFile(file);
    store.add(7, entryOnDay(7));
    ASSERT_TRUE(heard.until([&] { return heard.imported.size() == 1 && heard.added.size() == 1; }));
    EXPECT_TRUE(heard.imported[0].notImported.empty()) << heard.imported[0].notImported.id;
    EXPECT_EQ(heard.imported[0].added.size(), 1u);
    EXPECT_EQ(heard.imported[0].keptAlready, 1u);
    EXPECT_TRUE(heard.troubles.empty());
    EXPECT_TRUE(heard.gaveUp.empty());
    EXPECT_EQ(readAll(folder.path()).size(), 2u);
    EXPECT_EQ(store.finish(1s).changes, 0u);
}

// The file taken away while the history is open: nothing more is written, nothing more said kept,
// and the end names what was not kept. What was there before keeps its own log.
struct Underneath {
    const char* name;
    std::function<void(const std::string& path)> change;
    const char* why;

    friend void PrintTo(const Underneath& what, std::ostream* out) { *out << what.name; }
};

class ChangedUnderneath : public ::testing::TestWithParam<Underneath> {};

TEST_P(ChangedUnderneath, TheFileIsWrittenNoMoreAndTheEntriesAreSaidNotKept) {
    HistoryFolder folder;
    const std::string path = folder.path();
    Heard heard;
    HistoryStore store(path, heard.listener(path));
    store.add(1, entryOnDay(1));
    ASSERT_TRUE(heard.until([&] { return heard.added.size() == 1; }));
    GetParam().change(path);
    const bool there = std::filesystem::exists(path);
    const std::string bytes = there ? bytesOf(path) : "";
    store.add(2, entryOnDay(2));
    store.add(3, entryOnDay(3));
    ASSERT_TRUE(heard.until([&] { return !heard.gaveUp.empty(); }));
    EXPECT_EQ(heard.gaveUp.front().second.id, GetParam().why);
    const HistoryStore::Unmade unmade = store.finish(1s);
    EXPECT_EQ(heard.added.size(), 1u);
    ASSERT_EQ(unmade.entries.size(), 2u);
    EXPECT_TRUE(unmade.entries[0].sameAs(entryOnDay(2)));
    EXPECT_EQ(std::filesystem::exists(path), there);
    if (there) {
        EXPECT_TRUE(bytesOf(path) == bytes) << "what is there now was written";
    }
    EXPECT_FALSE(std::filesystem::exists(path + "-wal")) << "a log left beside what is there now";
}

INSTANTIATE_TEST_SUITE_P(
    WhileOpen, ChangedUnderneath,
    ::testing::Values(Underneath{"removed",
                                 [](const std::string& path) { std::filesystem::remove(path); },
                                 "%1 was removed while Fenwake had it open"},
                      Underneath{"replaced_by_another_programs_database",
                                 [](const std::string& path) {
                                     const std::string other = path + ".theirs";
                                     sqlite3* database = nullptr;
                                     ASSERT_EQ(sqlite3_open(other.c_str(), &database), SQLITE_OK);
                                     sqlite3_exec(database, "CREATE TABLE notes(text);", nullptr,
                                                  nullptr, nullptr);
                                     sqlite3_close(database);
                                     std::filesystem::rename(other, path);
                                 },
                                 "%1 was replaced by another file while Fenwake had it open"},
                      Underneath{"emptied",
                                 [](const std::string& path) { truncate(path.c_str(), 0); },
                                 "%1 was emptied or overwritten while Fenwake had it open"}),
    [](const auto& info) { return std::string(info.param.name); });

// An export is written as the settings are: through the person's own link, keeping it; never
// over a file with other names, another user's, or one protected against writing; a new file
// with the modes the user's mask gives.
struct ExportTarget {
    const char* name;
    // Makes what is at the path; gives the file whose text must stay, or be the export.
    std::function<std::string(const std::string& folder, const std::string& path)> make;
    const char* refusal; // empty: written
    bool rootOnly = false;

    friend void PrintTo(const ExportTarget& target, std::ostream* out) { *out << target.name; }
};

class Export : public ::testing::TestWithParam<ExportTarget> {};

TEST_P(Export, GoesWhereTheSettingsWouldOrIsRefusedWithItsReason) {
    if (GetParam().rootOnly && geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    HistoryFolder folder;
    const std::string path = folder.path("export.csv");
    const mode_t mask = umask(027);
    const std::string watched = GetParam().make(folder.path(""), path);
    const std::string before = bytesOf(watched);
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    store.exportFile(path, {entryOnDay(1)});
    ASSERT_TRUE(heard.until([&] { return heard.exported.size() == 1; }));
    umask(mask);
    const TranslatableText& problem = heard.exported[0].second;
    EXPECT_EQ(problem.id, GetParam().refusal);
    EXPECT_EQ(bytesOf(watched), problem.empty() ? HistoryCsv::write({entryOnDay(1)}) : before);
}

constexpr auto oldText = "an older export";

INSTANTIATE_TEST_SUITE_P(
    Targets, Export,
    ::testing::Values(
        ExportTarget{"a_new_file_with_the_users_mask",
                     [](const std::string&, const std::string& path) { return path; }, ""},
        ExportTarget{"through_the_persons_own_link",
                     [](const std::string& folder, const std::string& path) {
                         test::writeBytes(folder + "real.csv", oldText);
                         std::filesystem::create_symlink("real.csv", path);
                         return folder + "real.csv";
                     },
                     ""},
        ExportTarget{"a_file_with_another_name",
                     [](const std::string& folder, const std::string& path) {
                         test::writeBytes(path, oldText);
                         std::filesystem::create_hard_link(path, folder + "other-name.csv");
                         return folder + "other-name.csv";
                     },
                     "%1 has other names (hard links), which would keep the old text: it is not "
                     "replaced"},
        ExportTarget{"a_protected_file",
                     [](const std::string&, const std::string& path) {
                         test::writeBytes(path, oldText);
                         chmod(path.c_str(), 0444);
                         return path;
                     },
                     "%1 is protected against writing: it is not replaced"},
        ExportTarget{"another_users_file_in_a_shared_folder",
                     [](const std::string&, const std::string& path) {
                         test::writeBytes(path, oldText);
                         chmod(std::filesystem::path(path).parent_path().c_str(), 0777);
                         const passwd* nobody = getpwnam("nobody");
                         EXPECT_NE(nobody, nullptr);
                         EXPECT_EQ(chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
                         return path;
                     },
                     "%1 is a file that belongs to another user", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryStore, ANewExportTakesItsModesFromTheUsersMask) {
    HistoryFolder folder;
    const std::string path = folder.path("export.csv");
    const mode_t mask = umask(027);
    Heard heard;
    HistoryStore store(folder.path(), heard.listener(folder.path()));
    store.exportFile(path, {entryOnDay(1)});
    ASSERT_TRUE(heard.until([&] { return heard.exported.size() == 1; }));
    umask(mask);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

} // namespace
} // namespace fenwake
