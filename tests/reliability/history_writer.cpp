// A process that adds entries to a history the way Fenwake does, through the history's store,
// and says on standard output each entry it was told is kept ("kept <day>"), each change of the
// trouble ("trouble <id>", "trouble" once over), and at the end what it could not keep
// ("unmade <changes> <entries>"), and each change given up ("gave up <why>"). For tests that kill
// it, fail its system calls, or run two. Each entry is added once the one before is kept, or 50 ms
// later if the disk is slow.
//
//   history_writer <database> <first day> <count> [<ms to finish in> [<ms to wait for all>]]
//
// With HISTORY_IMPORT=<file> in its environment it imports that file first, and says how it went.
#include "history/history_store.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

using namespace fenwake;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <database> <first day> <count> [<finish ms>]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const int first = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    const int finishMilliseconds = argc > 4 ? std::atoi(argv[4]) : 3000;
    const int patienceMilliseconds = argc > 5 ? std::atoi(argv[5]) : 20000;
    std::mutex mutex;
    std::condition_variable changed;
    int kept = 0;
    HistoryStore::Listener listener;
    listener.loaded = [](std::vector<HistoryEntry>) {
    };
    listener.added = [&](std::uint64_t day, const HistoryEntry&) {
        std::printf("kept %llu\n", static_cast<unsigned long long>(day));
        std::fflush(stdout);
        const std::lock_guard lock(mutex);
        ++kept;
        changed.notify_all();
    };
    listener.removed = [](std::vector<std::int64_t>, std::size_t) {
    };
    listener.restored = [](std::vector<HistoryEntry>) {
    };
    // An import first, when HISTORY_IMPORT names a file: "imported <added> <kept already>", or
    // "not imported <why>".
    int imports = 0;
    listener.imported = [&](HistoryStore::Imported imported) {
        if (imported.notImported.empty()) {
            std::printf("imported %zu %zu\n", imported.added.size(), imported.keptAlready);
        } else {
            std::printf("not imported %s\n", imported.notImported.id.c_str());
        }
        std::fflush(stdout);
        const std::lock_guard lock(mutex);
        ++imports;
        changed.notify_all();
    };
    listener.exported = [](std::string, std::size_t, TranslatableText) {
    };
    listener.trouble = [](TranslatableText trouble) {
        std::printf("trouble %s %s\n", trouble.id.c_str(),
                    trouble.arguments.empty() ? "" : trouble.arguments.back().c_str());
        std::fflush(stdout);
    };
    listener.gaveUp = [](const HistoryStore::Change&, TranslatableText why) {
        std::printf("gave up %s\n", why.id.c_str());
        std::fflush(stdout);
    };
    HistoryStore store(path, listener);
    if (const char* file = std::getenv("HISTORY_IMPORT")) {
        store.importFile(file);
        std::unique_lock lock(mutex);
        changed.wait_for(lock, std::chrono::milliseconds(patienceMilliseconds),
                         [&] { return imports == 1; });
    }
    for (int day = first; day < first + count; ++day) {
        HistoryEntry entry;
        entry.taken = {1772352000000 + std::int64_t{day} * 86'400'000, 60};
        entry.measurements = {80.0 + day * 0.001,       70.0, 170.0, false, true, 0.0, 0.0,
                              FatMethod::WaistAndWeight};
        store.add(static_cast<std::uint64_t>(day), entry);
        // As a person adds them, one after another: each has its own transaction unless the
        // disk keeps the last one waiting, and then they wait together.
        std::unique_lock lock(mutex);
        changed.wait_for(lock, std::chrono::milliseconds(50),
                         [&] { return kept == day - first + 1; });
    }
    {
        // Until all is kept, or the writer has been in trouble a while.
        std::unique_lock lock(mutex);
        changed.wait_for(lock, std::chrono::milliseconds(patienceMilliseconds),
                         [&] { return kept == count; });
    }
    const HistoryStore::Unmade unmade = store.finish(std::chrono::milliseconds(finishMilliseconds));
    std::printf("unmade %zu %zu %s\n", unmade.changes, unmade.entries.size(),
                unmade.why.id.c_str());
    return 0;
}
