// The history against real faults: a writer killed with SIGKILL while adding, two writers at
// once, and a disk that fills or fails under strace's fault injection. Every entry a writer was
// told is kept is in the database afterwards, which passes SQLite's integrity check; and every
// entry it was not told so of, it says at its end it did not keep.
#include "history/history_database.h"
#include "tests/history/history_fixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fenwake {
namespace {

using test::HistoryFolder;
using test::readAll;

// The writer's day of each entry kept: its waist says it.
std::set<int> daysIn(const std::string& path) {
    std::set<int> days;
    for (const HistoryEntry& entry : readAll(path)) {
        days.insert(static_cast<int>((entry.taken.utcMilliseconds - 1772352000000) / 86'400'000));
    }
    return days;
}

// A writer process, its standard output read line by line.
class Writer {
public:
    explicit Writer(std::vector<std::string> words) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        output = fdopen(pipeEnds[0], "r");
    }
    ~Writer() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (output != nullptr) {
            fclose(output);
        }
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // The next line, without its end; false at the end of the output.
    bool line(std::string& text) {
        char buffer[512];
        if (output == nullptr || std::fgets(buffer, sizeof buffer, output) == nullptr) {
            return false;
        }
        text = buffer;
        if (!text.empty() && text.back() == '\n') {
            text.pop_back();
        }
        lines.push_back(text);
        return true;
    }
    // Every line to the end, and the exit status.
    int finish() {
        std::string text;
        while (line(text)) {
        }
        int status = 0;
        waitpid(pid, &status, 0);
        pid = -1;
        return status;
    }
    void killNow() {
        kill(pid, SIGKILL);
        std::string text;
        while (line(text)) { // what it said before it died
        }
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    std::set<int> keptDays() const {
        std::set<int> days;
        for (const std::string& text : lines) {
            if (text.rfind("kept ", 0) == 0) {
                days.insert(std::stoi(text.substr(5)));
            }
        }
        return days;
    }
    // "unmade <changes> <entries> <why>": how many entries it said it did not keep.
    std::optional<std::size_t> unmadeEntries() const {
        for (const std::string& text : lines) {
            if (text.rfind("unmade ", 0) == 0) {
                std::istringstream words(text.substr(7));
                std::size_t changes = 0;
                std::size_t entries = 0;
                words >> changes >> entries;
                return entries;
            }
        }
        return std::nullopt;
    }
    bool said(const std::string& start) const {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& text) { return text.rfind(start, 0) == 0; });
    }

    std::vector<std::string> lines;

private:
    pid_t pid = -1;
    FILE* output = nullptr;
};

// The writer's words: it waits `patience` for all to be kept, then finishes in `finish`.
std::vector<std::string> writerWords(const std::string& path, int first, int count,
                                     int finish = 3000, int patience = 20000) {
    return {HISTORY_WRITER,         path,
            std::to_string(first),  std::to_string(count),
            std::to_string(finish), std::to_string(patience)};
}

TEST(HistoryUnderFaults, KilledWhileAddingKeepsEveryEntryItSaidWasKept) {
    HistoryFolder folder;
    std::set<int> kept;
    for (int round = 0; round < 3; ++round) {
        // Killed in the middle of its adds, the next one finds what it left.
        Writer writer(writerWords(folder.path(), round * 100'000, 100'000));
        std::string text;
        int heard = 0;
        while (heard < 20 + 15 * round && writer.line(text)) {
            heard += text.rfind("kept ", 0) == 0 ? 1 : 0;
        }
        writer.killNow();
        const std::set<int> said = writer.keptDays();
        ASSERT_GE(said.size(), 20u);
        kept.insert(said.begin(), said.end());
        const std::set<int> onDisk = daysIn(folder.path());
        for (const int day : kept) {
            EXPECT_TRUE(onDisk.contains(day)) << "round " << round << ": day " << day << " lost";
        }
        EXPECT_TRUE(HistoryDatabase(folder.path()).isIntact());
    }
}

TEST(HistoryUnderFaults, TwoWritersAddingAtOnceKeepBoth) {
    HistoryFolder folder;
    Writer first(writerWords(folder.path(), 0, 80));
    Writer second(writerWords(folder.path(), 1000, 80));
    EXPECT_EQ(first.finish(), 0);
    EXPECT_EQ(second.finish(), 0);
    EXPECT_EQ(first.keptDays().size(), 80u);
    EXPECT_EQ(second.keptDays().size(), 80u);
    EXPECT_EQ(daysIn(folder.path()).size(), 160u);
    EXPECT_TRUE(HistoryDatabase(folder.path()).isIntact());
}

// Without a usable SQLite library (here a file of that name that is none), nothing is kept,
// the writer says why, and at the end how many entries were not kept; nothing crashes.
TEST(HistoryUnderFaults, WithoutSQLiteNothingIsKeptAndTheEndSaysSo) {
    HistoryFolder folder;
    const std::string libraries = folder.path("lib");
    std::filesystem::create_directories(libraries);
    test::writeBytes(libraries + "/libsqlite3.so.0", "not a library");
    std::vector<std::string> words{"env", "LD_LIBRARY_PATH=" + libraries};
    for (const std::string& word : writerWords(folder.path("history.sqlite"), 0, 3, 300, 1000)) {
        words.push_back(word);
    }
    Writer writer(words);
    const int status = writer.finish();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_TRUE(writer.said("gave up the history cannot be used without SQLite: %1"));
    EXPECT_TRUE(writer.keptDays().empty());
    EXPECT_EQ(writer.unmadeEntries(), std::optional<std::size_t>(3));
    EXPECT_FALSE(std::filesystem::exists(folder.path("history.sqlite")));
}

// A disk that fails, for a while or from a call on, as strace makes it fail.
struct DiskFault {
    const char* name;
    const char* trace;  // the calls strace watches
    const char* inject; // strace's -e inject=...
    bool passes;        // over before the writer's end

    friend void PrintTo(const DiskFault& fault, std::ostream* out) { *out << fault.name; }
};

class InjectedFault : public ::testing::TestWithParam<DiskFault> {};

TEST_P(InjectedFault, EveryEntrySaidKeptIsKeptAndTheRestIsSaidNotToBe) {
    HistoryFolder folder;
    const int count = 20;
    // A sanitizer build's leak check cannot run under ptrace and would end the writer with 1.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    std::vector<std::string> words{
        "env",
        "ASAN_OPTIONS=" + (sanitizer != nullptr ? std::string(sanitizer) + ":" : "") +
            "detect_leaks=0",
        "strace",
        "-f",
        "-qq",
        "-o",
        "/dev/null",
        std::string("-e") + "trace=" + GetParam().trace,
        std::string("-e") + "inject=" + GetParam().inject};
    // A fault that passes is outlived within the back-off's first steps.
    const int patience = GetParam().passes ? 15000 : 2000;
    for (const std::string& word : writerWords(folder.path(), 0, count, 500, patience)) {
        words.push_back(word);
    }
    Writer writer(words);
    const int status = writer.finish();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    ASSERT_TRUE(writer.unmadeEntries().has_value()) << "the writer did not come to its end";
    EXPECT_TRUE(writer.said("trouble ")) << "the fault was never met: the test tested nothing";
    const std::set<int> kept = writer.keptDays();
    const std::set<int> onDisk = daysIn(folder.path());
    for (const int day : kept) {
        EXPECT_TRUE(onDisk.contains(day)) << "day " << day << " was said kept and is lost";
    }
    EXPECT_EQ(kept.size() + *writer.unmadeEntries(), static_cast<std::size_t>(count));
    EXPECT_TRUE(HistoryDatabase(folder.path()).isIntact());
    if (GetParam().passes) {
        EXPECT_EQ(kept.size(), static_cast<std::size_t>(count)) << "not tried again on its own";
        EXPECT_TRUE(writer.said("trouble ") && writer.lines.size() > 1);
    } else {
        EXPECT_LT(kept.size(), static_cast<std::size_t>(count));
    }
}

INSTANTIATE_TEST_SUITE_P(Strace, InjectedFault,
                         ::testing::Values(DiskFault{"disk_full_for_a_while", "pwrite64",
                                                     "pwrite64:error=ENOSPC:when=60..63", true},
                                           DiskFault{"disk_full_from_then_on", "pwrite64",
                                                     "pwrite64:error=ENOSPC:when=60+", false},
                                           DiskFault{"sync_failing_for_a_while", "fsync,fdatasync",
                                                     "fsync,fdatasync:error=EIO:when=12..13", true},
                                           DiskFault{"sync_failing_from_then_on", "fsync,fdatasync",
                                                     "fsync,fdatasync:error=EIO:when=12+", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace fenwake
