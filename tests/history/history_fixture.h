#pragma once

// What the history's tests share: a folder of their own, entries to keep, and the file's bytes.
#include "engine/history_entry.h"
#include "history/history_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fenwake::test {

class HistoryFolder {
public:
    HistoryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fenwake-history-XXXXXX");
        folder = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~HistoryFolder() {
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder, ignored);
    }
    HistoryFolder(const HistoryFolder&) = delete;
    HistoryFolder& operator=(const HistoryFolder&) = delete;

    std::string path(const std::string& name = "history.sqlite") const {
        return folder + '/' + name;
    }

private:
    std::string folder;
};

// A file's bytes; a folder's names, so that a folder left alone reads the same.
inline std::string bytesOf(const std::string& path) {
    if (std::filesystem::is_directory(path)) {
        std::string names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            names += entry.path().filename().string() + '\n';
        }
        return names;
    }
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    file.close();
    EXPECT_TRUE(file.good()) << "cannot write " << path;
}

// An entry a day from 1 March 2026, its numbers all different.
inline HistoryEntry entryOnDay(int day, double waist = 80.0) {
    HistoryEntry entry;
    entry.taken = {1772352000000 + std::int64_t{day} * 86'400'000, 60};
    entry.measurements = {
        waist + day * 0.1,        70.0 + day * 0.01, 170.0, day % 2 == 0, true, 0.0, 0.0,
        FatMethod::WaistAndWeight};
    return entry;
}

inline std::vector<HistoryEntry> readAll(const std::string& path) {
    HistoryDatabase database(path);
    std::vector<HistoryEntry> entries;
    const Problem problem = database.read(entries);
    EXPECT_TRUE(problem.empty()) << problem.text.id;
    return entries;
}

// Same moments and numbers to the bit, in the same order.
inline ::testing::AssertionResult sameEntries(const std::vector<HistoryEntry>& a,
                                              const std::vector<HistoryEntry>& b) {
    if (a.size() != b.size()) {
        return ::testing::AssertionFailure() << a.size() << " entries against " << b.size();
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!a[i].sameAs(b[i])) {
            return ::testing::AssertionFailure() << "entry " << i << " differs";
        }
    }
    return ::testing::AssertionSuccess();
}

// Another program holding the history's write lock, as the sqlite3 tool with BEGIN EXCLUSIVE
// does, until it lets go.
class HeldHistory {
public:
    explicit HeldHistory(const std::string& path) {
        EXPECT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(database, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~HeldHistory() { letGo(); }
    HeldHistory(const HeldHistory&) = delete;
    HeldHistory& operator=(const HeldHistory&) = delete;

    void letGo() {
        if (database != nullptr) {
            sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(database);
            database = nullptr;
        }
    }

private:
    sqlite3* database = nullptr;
};

} // namespace fenwake::test
