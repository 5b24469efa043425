#include "history/history_store.h"

#include "history/history_database.h"
#include "history/text_file.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

namespace fenwake {

namespace {

using Clock = std::chrono::steady_clock;
using Outcome = HistoryDatabase::Outcome;
using namespace std::chrono_literals;

constexpr auto finishingRetry = 50ms;

} // namespace

struct HistoryStore::Job {
    enum class Kind { Load, Add, Remove, Restore, Import, Export };
    Kind kind = Kind::Load;
    std::vector<std::uint64_t> tokens; // an addition's, one for each of its entries
    std::vector<HistoryEntry> entries;
    std::vector<std::int64_t> ids;
    std::string path;
    // An import's file, once read: a commit tried again does not read it again.
    std::optional<HistoryStore::Imported> reading;

    std::size_t entriesAdded() const {
        if (kind == Kind::Add) {
            return entries.size();
        }
        return kind == Kind::Import && reading ? reading->added.size() : 0;
    }
};

struct HistoryStore::State {
    State(std::string filePath, Listener heard)
        : path(std::move(filePath)), listener(std::move(heard)) {}

    const std::string path;
    const Listener listener;

    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs; // the first is the one being done
    bool running = false;
    bool hurry = false;     // finishing: the back-off under way is cut short
    bool stopping = false;  // finishing: nothing more is handed over
    bool abandoned = false; // finish() gave up: the thread ends after what it is doing
    TranslatableText trouble;

    // Held while the listener is told anything, so that after finish() it never is again.
    std::mutex telling;
    bool silenced = false;

    template <typename Tell>
    void tell(Tell&& what) {
        const std::lock_guard guard(telling);
        if (!silenced) {
            what(listener);
        }
    }
};

std::string HistoryStore::defaultPath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string folder;
    if (data != nullptr && data[0] == '/') {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home != nullptr ? home : "") + "/.local/share";
    }
    return folder + "/Kestrova/fenwake/history.sqlite";
}

HistoryStore::HistoryStore(std::string path, Listener listener)
    : state(std::make_shared<State>(std::move(path), std::move(listener))) {}

HistoryStore::~HistoryStore() {
    finish(std::chrono::milliseconds{3000});
}

void HistoryStore::load() {
    hand(Job{Job::Kind::Load, {}, {}, {}, {}, {}});
}

void HistoryStore::add(std::uint64_t token, const HistoryEntry& entry) {
    hand(Job{Job::Kind::Add, {token}, {entry}, {}, {}, {}});
}

void HistoryStore::remove(std::vector<std::int64_t> ids) {
    hand(Job{Job::Kind::Remove, {}, {}, std::move(ids), {}, {}});
}

void HistoryStore::restore(std::vector<HistoryEntry> entries) {
    hand(Job{Job::Kind::Restore, {}, std::move(entries), {}, {}, {}});
}

void HistoryStore::importFile(std::string path) {
    hand(Job{Job::Kind::Import, {}, {}, {}, std::move(path), {}});
}

void HistoryStore::exportFile(std::string path, std::vector<HistoryEntry> entries) {
    hand(Job{Job::Kind::Export, {}, std::move(entries), {}, std::move(path), {}});
}

void HistoryStore::hand(Job job) {
    const std::lock_guard lock(state->mutex);
    if (state->stopping) {
        return;
    }
    // Entries added while the disk is busy wait together and go in one transaction: a slow
    // sync is paid once for them all. The first job is the one being done and is not joined.
    if (job.kind == Job::Kind::Add && state->jobs.size() > 1 &&
        state->jobs.back().kind == Job::Kind::Add) {
        Job& waiting = state->jobs.back();
        waiting.tokens.push_back(job.tokens.front());
        waiting.entries.push_back(job.entries.front());
    } else {
        state->jobs.push_back(std::move(job));
    }
    if (!state->running) {
        state->running = true;
        std::thread(run, state).detach();
    }
    state->changed.notify_all();
}

std::size_t HistoryStore::pending() const {
    const std::lock_guard lock(state->mutex);
    return state->jobs.size();
}

// Does the job and tells the listener; Done also for what trying again would not mend (a file
// to import that cannot be read, one to export that cannot be written), which it is told.
Outcome HistoryStore::perform(State& state, HistoryDatabase& database, Job& job,
                              TranslatableText& problem) {
    Outcome outcome = Outcome::Done;
    switch (job.kind) {
    case Job::Kind::Load: {
        std::vector<HistoryEntry> entries;
        outcome = database.read(entries, problem);
        if (outcome == Outcome::Done) {
            state.tell([&](const Listener& listener) { listener.loaded(std::move(entries)); });
        }
        return outcome;
    }
    case Job::Kind::Add: {
        std::vector<bool> fresh;
        outcome = database.add(job.entries, fresh, problem);
        if (outcome == Outcome::Done) {
            state.tell([&](const Listener& listener) {
                for (std::size_t i = 0; i < job.entries.size(); ++i) {
                    listener.added(job.tokens[i], job.entries[i]);
                }
            });
        }
        return outcome;
    }
    case Job::Kind::Remove:
        outcome = database.remove(job.ids, problem);
        if (outcome == Outcome::Done) {
            state.tell([&](const Listener& listener) { listener.removed(job.ids); });
        }
        return outcome;
    case Job::Kind::Restore:
        outcome = database.restore(job.entries, problem);
        if (outcome == Outcome::Done) {
            state.tell([&](const Listener& listener) { listener.restored(job.entries); });
        }
        return outcome;
    case Job::Kind::Import:
        return importInto(state, database, job, problem);
    case Job::Kind::Export: {
        TranslatableText written = TextFile::replace(job.path, HistoryCsv::write(job.entries));
        state.tell([&](const Listener& l) {
            l.exported(job.path, job.entries.size(), std::move(written));
        });
        return Outcome::Done;
    }
    }
    return outcome;
}

// The file is read once; its entries are added in one transaction, those kept already left out.
Outcome HistoryStore::importInto(State& state, HistoryDatabase& database, Job& job,
                                 TranslatableText& problem) {
    if (!job.reading) {
        Imported reading;
        std::string text;
        reading.notEntries = TextFile::read(job.path, HistoryCsv::largestFile, text);
        if (reading.notEntries.empty()) {
            HistoryCsv::Reading csv = HistoryCsv::read(text);
            reading.notEntries = std::move(csv.notEntries);
            reading.added = std::move(csv.entries);
            reading.refused = std::move(csv.refused);
        }
        job.reading = std::move(reading);
    }
    Imported& imported = *job.reading;
    if (imported.notEntries.empty()) {
        std::vector<HistoryEntry> entries = imported.added;
        std::vector<bool> fresh;
        if (const Outcome outcome = database.add(entries, fresh, problem);
            outcome != Outcome::Done) {
            return outcome;
        }
        imported.added.clear();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (fresh[i]) {
                imported.added.push_back(entries[i]);
            } else {
                ++imported.keptAlready;
            }
        }
    }
    state.tell([&](const Listener& listener) { listener.imported(std::move(imported)); });
    return Outcome::Done;
}

void HistoryStore::setTrouble(State& state, const TranslatableText& trouble) {
    if (trouble.id == state.trouble.id && trouble.arguments == state.trouble.arguments) {
        return;
    }
    state.trouble = trouble;
    state.tell([&](const Listener& listener) { listener.trouble(trouble); });
}

// The store's thread: one job at a time, in order, none of them under the mutex.
void HistoryStore::run(const std::shared_ptr<State>& shared) {
    State& state = *shared;
    HistoryDatabase database(state.path);
    std::chrono::milliseconds backOff = firstRetry;
    std::unique_lock lock(state.mutex);
    for (;;) {
        state.changed.wait(lock, [&] { return !state.jobs.empty() || state.stopping; });
        if (state.jobs.empty()) {
            break;
        }
        Job job = state.jobs.front();
        lock.unlock();
        TranslatableText problem;
        const Outcome outcome = perform(state, database, job, problem);
        lock.lock();
        if (state.abandoned) {
            break;
        }
        if (outcome == Outcome::Done) {
            state.jobs.pop_front();
            backOff = firstRetry;
            setTrouble(state, {});
            state.changed.notify_all();
            continue;
        }
        state.jobs.front().reading = std::move(job.reading);
        setTrouble(state, problem);
        state.changed.notify_all();
        // While finishing, tried again as often as a try can pass (a moment for the disk).
        state.changed.wait_for(lock, state.stopping ? finishingRetry : backOff,
                               [&] { return state.hurry; });
        state.hurry = false;
        backOff = std::min(backOff * 2, lastRetry);
    }
    state.running = false;
    state.changed.notify_all();
}

HistoryStore::Unmade HistoryStore::finish(std::chrono::milliseconds timeout) {
    State& shared = *state;
    const auto deadline = Clock::now() + timeout;
    Unmade unmade;
    {
        std::unique_lock lock(shared.mutex);
        shared.stopping = true;
        shared.hurry = true;
        shared.changed.notify_all();
        shared.changed.wait_until(lock, deadline, [&] { return !shared.running; });
        for (const Job& job : shared.jobs) {
            ++unmade.changes;
            unmade.entries += job.entriesAdded();
        }
        unmade.why = shared.trouble;
        shared.jobs.clear(); // what is being tried now is its last try
        shared.abandoned = true;
    }
    const std::lock_guard guard(shared.telling);
    shared.silenced = true;
    return unmade;
}

} // namespace fenwake
