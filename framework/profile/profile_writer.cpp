#include "framework/profile/profile_writer.h"

#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/profile/profile_file.h"
#include "framework/profile/profile_lock.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <sys/stat.h>

namespace fenwake {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Polls of a lock held by someone else, or of a file being written again: often at first, then
// gently while it stays so.
constexpr auto quickPoll = 5ms;
constexpr auto slowPoll = 50ms;
// The last words of a closing writer are worth this much of a wait for standard error.
constexpr auto lastWordsWait = 250ms;

bool makeFolders(const std::string& path, std::string& problem) {
    const std::string folder = path.substr(0, path.rfind('/'));
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            problem = Translation::fill(translated("cannot create the folder %1: %2"),
                                        {part, std::strerror(errno)});
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

std::string leftAsItIs(const std::string& problem) {
    return Translation::fill(translated("%1, and it is left as it is"), {problem});
}

} // namespace

struct ProfileWriter::State {
    State(std::string filePath, std::string section, Wording said)
        : path(std::move(filePath)), ownSection(std::move(section)), wording(std::move(said)) {}

    struct Queued {
        std::string text;
        std::uint64_t sequence;
    };

    // Under the mutex. Said on standard error when an episode starts; the line is only handed
    // over there, so nothing here waits for whoever reads it.
    void setTrouble(const std::string& newTrouble) {
        if (newTrouble == trouble || abandoned) {
            return;
        }
        if (trouble.empty()) {
            StandardError::say(newTrouble + translated("; the window goes on working"));
        }
        trouble = newTrouble;
        if (onTrouble) {
            onTrouble(trouble);
        }
    }

    void setNotSaved(const std::string& why) {
        setTrouble(Translation::fill(translated(wording.notSaved), {why}));
    }

    const std::string path;
    const std::string ownSection;
    const Wording wording;
    mutable std::mutex mutex;
    std::condition_variable wake;    // the writer: new values, a hurry, the end
    std::condition_variable settled; // those who wait: a commit has ended
    std::map<std::string, Queued> queued;
    std::uint64_t nextSequence = 1;
    std::uint64_t attempts = 0;
    std::string lastSeenText; // the file as it was last read or written
    bool lastRefused = false; // the last commit found a file that is never replaced
    bool hurry = false;
    bool stopping = false;
    bool abandoned = false;
    bool replacing = false; // past the point where a commit can still be given up
    std::string trouble;
    std::function<void(const std::string&)> onTrouble;
};

ProfileWriter::ProfileWriter(std::string path, std::string ownSection, Wording wording)
    : state(std::make_shared<State>(std::move(path), std::move(ownSection), std::move(wording))) {}

ProfileWriter::~ProfileWriter() {
    finish(std::chrono::seconds(3));
}

void ProfileWriter::hand(const ProfileFileFormat::Changes& changes) {
    const std::lock_guard lock(state->mutex);
    if (state->path.empty()) {
        state->setNotSaved(translated("no company key was named for the profile"));
        return;
    }
    for (const auto& [key, text] : changes) {
        state->queued[key] = {text, state->nextSequence++};
    }
    if (!thread.joinable() && !state->abandoned) {
        state->stopping = false;
        thread = std::thread(run, state);
    }
    state->wake.notify_one();
}

void ProfileWriter::rememberText(const std::string& text) {
    const std::lock_guard lock(state->mutex);
    state->lastSeenText = text;
}

bool ProfileWriter::waitUntilWritten(std::chrono::milliseconds timeout) {
    std::unique_lock lock(state->mutex);
    state->hurry = true;
    state->wake.notify_one();
    return state->settled.wait_for(lock, timeout, [this] { return state->queued.empty(); });
}

void ProfileWriter::finish(std::chrono::milliseconds timeout) {
    if (!thread.joinable()) {
        return;
    }
    std::unique_lock lock(state->mutex);
    const std::uint64_t attemptsBefore = state->attempts;
    state->hurry = true;
    state->wake.notify_one();
    const bool written = state->settled.wait_for(lock, timeout, [&] {
        return state->queued.empty() || (state->attempts > attemptsBefore && state->lastRefused);
    });
    state->stopping = true;
    std::string lastWords;
    if (!state->queued.empty()) {
        const std::string why =
            written || !state->trouble.empty()
                ? state->trouble
                : Translation::fill(translated("the disk took longer than %1 ms"),
                                    {std::to_string(timeout.count())});
        lastWords = Translation::fill(translated(state->replacing ? state->wording.closingUnsure
                                                                  : state->wording.closingWithout),
                                      {why});
        state->abandoned = true;
    }
    state->wake.notify_one();
    const bool abandoned = state->abandoned;
    lock.unlock();
    if (!lastWords.empty()) {
        StandardError::say(lastWords);
        StandardError::flush(lastWordsWait);
    }
    // A writer stuck in a system call is left to it: it holds its own share of the state and
    // stops before it would rename anything it has not begun to rename.
    if (abandoned) {
        thread.detach();
    } else {
        thread.join();
    }
}

std::string ProfileWriter::trouble() const {
    const std::lock_guard lock(state->mutex);
    return state->trouble;
}

void ProfileWriter::reportTrouble(const std::string& trouble) {
    const std::lock_guard lock(state->mutex);
    state->setTrouble(trouble);
}

void ProfileWriter::setTroubleCallback(std::function<void(const std::string&)> callback) {
    const std::lock_guard lock(state->mutex);
    state->onTrouble = std::move(callback);
}

void ProfileWriter::run(const std::shared_ptr<State>& shared) {
    State& state = *shared;
    auto backOff = std::chrono::duration_cast<Clock::duration>(firstRetry);
    Clock::time_point retryAt{};
    std::unique_lock lock(state.mutex);
    while (!state.abandoned && !(state.stopping && state.queued.empty())) {
        if (state.queued.empty()) {
            state.wake.wait(lock);
            continue;
        }
        if (!state.hurry && Clock::now() < retryAt) {
            state.wake.wait_until(lock, retryAt);
            continue;
        }
        state.hurry = false;
        lock.unlock();
        std::string problem;
        const Outcome outcome = commit(state, problem);
        lock.lock();
        ++state.attempts;
        state.replacing = false;
        state.lastRefused = outcome == Outcome::Refused;
        if (outcome == Outcome::Committed) {
            backOff = firstRetry;
            retryAt = {};
            if (state.queued.empty()) {
                state.setTrouble({});
            }
        } else {
            retryAt = Clock::now() + backOff;
            backOff = std::min<Clock::duration>(backOff * 2, lastRetry);
            state.setNotSaved(problem);
        }
        state.settled.notify_all();
    }
}

bool ProfileWriter::takeLock(State& state, ProfileLock& lock, std::string& problem) {
    const Clock::time_point start = Clock::now();
    for (;;) {
        switch (lock.tryAcquire(problem)) {
        case ProfileLock::Outcome::Held:
            return true;
        case ProfileLock::Outcome::Failed:
            return false;
        case ProfileLock::Outcome::Busy:
            break;
        }
        const bool longWait = Clock::now() - start >= lockWait;
        {
            const std::lock_guard guard(state.mutex);
            if (state.abandoned) {
                problem = "given up";
                return false;
            }
            if (longWait) {
                state.setNotSaved(Translation::fill(
                    translated("the file is locked by a running program (%1)"), {lock.path()}));
            }
        }
        std::this_thread::sleep_for(longWait ? slowPoll : quickPoll);
    }
}

// The file as it is under the lock. An editor that writes the file in place empties it first
// and fills it a moment later: a file found empty that held something when last seen is given
// that moment, so that a commit never takes the emptied file for the person's and drops what
// the editor is about to write back. Still empty after it, the file was emptied on purpose.
// Nothing when the file may be committed to, else why not.
std::optional<ProfileWriter::Outcome> ProfileWriter::readCurrent(State& state,
                                                                 const ProfileFile& file,
                                                                 std::string& text,
                                                                 std::string& problem) {
    const Clock::time_point giveUp = Clock::now() + refillWait;
    for (;;) {
        const ProfileFile::Contents current = file.read();
        if (current.state == ProfileFile::State::Refused) {
            problem = leftAsItIs(current.problem);
            return Outcome::Refused;
        }
        text = current.text;
        const std::lock_guard guard(state.mutex);
        const bool emptied = current.state == ProfileFile::State::Read && text.empty() &&
                             !state.lastSeenText.empty();
        if (state.abandoned) {
            return Outcome::Failed;
        }
        if (!emptied || Clock::now() >= giveUp) {
            state.lastSeenText = text;
            return std::nullopt;
        }
        std::this_thread::sleep_for(slowPoll);
    }
}

// One locked read-merge-replace of everything queued.
ProfileWriter::Outcome ProfileWriter::commit(State& state, std::string& problem) {
    if (!makeFolders(state.path, problem)) {
        return Outcome::Failed;
    }
    // Looked at before the lock is made, so that no lock goes where nothing may be written;
    // and again once it is held, for what it finds then.
    if (problem = ProfileFile(state.path, state.ownSection).refusal(); !problem.empty()) {
        problem = leftAsItIs(problem);
        return Outcome::Refused;
    }
    ProfileLock lock(state.path);
    if (!takeLock(state, lock, problem)) {
        return Outcome::Failed;
    }
    const ProfileFile file(state.path, state.ownSection);
    file.removeLeftovers();
    std::string current;
    if (const std::optional<Outcome> failed = readCurrent(state, file, current, problem)) {
        return *failed;
    }
    const auto [changes, sequences] = queuedChanges(state);
    const std::optional<std::string> text = ProfileFileFormat::update(current, changes);
    if (!text) {
        problem = Translation::fill(translated("the values cannot be changed in %1 without "
                                               "changing its other values"),
                                    {state.path});
        problem = leftAsItIs(problem);
        return Outcome::Refused;
    }
    if (text->size() > ProfileFile::sizeLimit) {
        problem = leftAsItIs(translated("the file would grow past 1 MiB"));
        return Outcome::Refused;
    }
    // Once the rename is under way the commit can no longer be given up: from here a closing
    // writer says that the file may hold the new values.
    const auto mayRename = [&state] {
        const std::lock_guard guard(state.mutex);
        state.replacing = !state.abandoned;
        return state.replacing;
    };
    if (!file.replace(*text, problem, mayRename)) {
        return Outcome::Failed;
    }
    // A key typed again meanwhile stays queued with its newer text.
    const std::lock_guard guard(state.mutex);
    state.lastSeenText = *text;
    for (const auto& [key, sequence] : sequences) {
        if (const auto found = state.queued.find(key);
            found != state.queued.end() && found->second.sequence == sequence) {
            state.queued.erase(found);
        }
    }
    return Outcome::Committed;
}

// What is queued, in the order it was handed over, and which hand-over each text came from.
std::pair<ProfileFileFormat::Changes, std::map<std::string, std::uint64_t>>
ProfileWriter::queuedChanges(State& state) {
    const std::lock_guard guard(state.mutex);
    std::vector<std::pair<std::uint64_t, std::string>> order;
    std::map<std::string, std::uint64_t> sequences;
    for (const auto& [key, queued] : state.queued) {
        order.emplace_back(queued.sequence, key);
        sequences[key] = queued.sequence;
    }
    std::sort(order.begin(), order.end());
    ProfileFileFormat::Changes changes;
    for (const auto& [sequence, key] : order) {
        changes.emplace_back(key, state.queued.at(key).text);
    }
    return {changes, sequences};
}

} // namespace fenwake
