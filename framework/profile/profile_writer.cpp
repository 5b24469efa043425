#include "framework/profile/profile_writer.h"

#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/profile/profile_file.h"
#include "framework/profile/profile_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>

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

// What the commits work with, shared with the writer's thread, and the trouble told of them.
struct ProfileWriter::Shared {
    Shared(std::string filePath, std::string section, Wording said)
        : path(std::move(filePath)), ownSection(std::move(section)), wording(std::move(said)) {}

    const std::string path;
    const std::string ownSection;
    const Wording wording;

    mutable std::mutex mutex;
    std::string lastSeenText; // the file as it was last read or written
    std::string trouble;
    bool troubleFromReading = false;
    std::function<void(const std::string&)> onTrouble;

    // Said on standard error when an episode starts; the line is only handed over there, so
    // nothing here waits for whoever reads it.
    void setTrouble(const std::string& newTrouble, bool fromReading = false) {
        std::function<void(const std::string&)> tell;
        {
            const std::lock_guard lock(mutex);
            if (newTrouble == trouble) {
                return;
            }
            if (trouble.empty()) {
                StandardError::say(newTrouble + translated("; the window goes on working"));
            }
            trouble = newTrouble;
            troubleFromReading = fromReading;
            tell = onTrouble;
        }
        if (tell) {
            tell(newTrouble);
        }
    }

    // A problem as the trouble says it: the values are not saved, and why.
    Problem notSaved(const std::string& why, Problem::Kind kind) const {
        return {asSaid(Translation::fill(translated(wording.notSaved), {why})), kind};
    }
};

ProfileWriter::ProfileWriter(std::string path, std::string ownSection, Wording wording,
                             const Pacing& pacing)
    : shared(std::make_shared<Shared>(std::move(path), std::move(ownSection), std::move(wording))) {
    Writer::Client client;
    client.perform = [kept = shared](ProfileFileFormat::Changes& changes,
                                     Writer::Attempt& attempt) {
        return commit(*kept, changes, attempt);
    };
    // A key handed again before it was written is written once, with its latest text, in the
    // place of its latest hand-over.
    client.join = [](ProfileFileFormat::Changes& waiting, ProfileFileFormat::Changes& next) {
        for (auto& change : next) {
            std::erase_if(waiting,
                          [&](const auto& queued) { return queued.first == change.first; });
            waiting.push_back(std::move(change));
        }
        return true;
    };
    client.troubleChanged = [kept = shared](const Problem& trouble) {
        kept->setTrouble(Translation::inWords(trouble.text));
    };
    writer = std::make_unique<Writer>(std::move(client), pacing);
}

ProfileWriter::~ProfileWriter() {
    finish(std::chrono::seconds(3));
}

void ProfileWriter::hand(const ProfileFileFormat::Changes& changes) {
    if (shared->path.empty()) {
        shared->setTrouble(Translation::fill(translated(shared->wording.notSaved),
                                             {translated("no company key was named for the "
                                                         "profile")}));
        return;
    }
    writer->hand(changes);
}

void ProfileWriter::rememberText(const std::string& text) {
    const std::lock_guard lock(shared->mutex);
    shared->lastSeenText = text;
}

bool ProfileWriter::waitUntilWritten(std::chrono::milliseconds timeout) {
    return writer->waitUntilDone(timeout);
}

void ProfileWriter::finish(std::chrono::milliseconds timeout) {
    const Writer::Unfinished unfinished = writer->finish(timeout);
    if (unfinished.jobs.empty()) {
        return;
    }
    const std::string why = unfinished.why.empty()
                                ? Translation::fill(translated("the disk took longer than %1 ms"),
                                                    {std::to_string(timeout.count())})
                                : trouble();
    StandardError::say(
        Translation::fill(translated(unfinished.mayHaveLanded ? shared->wording.closingUnsure
                                                              : shared->wording.closingWithout),
                          {why}));
    StandardError::flush(lastWordsWait);
}

std::string ProfileWriter::trouble() const {
    const std::lock_guard lock(shared->mutex);
    return shared->trouble;
}

void ProfileWriter::reportTrouble(const std::string& trouble) {
    shared->setTrouble(trouble, true);
}

void ProfileWriter::setTroubleCallback(std::function<void(const std::string&)> callback) {
    const std::lock_guard lock(shared->mutex);
    shared->onTrouble = std::move(callback);
}

namespace {

// A lock held by a running program is waited for; after a moment the wait is the trouble.
bool takeLock(ProfileLock& lock, std::string& problem,
              BackgroundWriter<ProfileFileFormat::Changes>::Attempt& attempt,
              const std::function<Problem(const std::string&)>& notSaved) {
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
        if (attempt.givenUp()) {
            problem = "given up";
            return false;
        }
        const bool longWait = Clock::now() - start >= ProfileWriter::lockWait;
        if (longWait) {
            attempt.meanwhile(notSaved(Translation::fill(
                translated("the file is locked by a running program (%1)"), {lock.path()})));
        }
        std::this_thread::sleep_for(longWait ? slowPoll : quickPoll);
    }
}

} // namespace

// One locked read-merge-replace of the changes. An editor that writes the file in place
// empties it first and fills it a moment later: a file found empty that held something when
// last seen is given that moment, so that a commit never takes the emptied file for the
// person's and drops what the editor is about to write back. Still empty after it, the file
// was emptied on purpose.
Problem ProfileWriter::commit(Shared& shared, const ProfileFileFormat::Changes& changes,
                              Writer::Attempt& attempt) {
    using Kind = Problem::Kind;
    std::string problem;
    if (!makeFolders(shared.path, problem)) {
        return shared.notSaved(problem, Kind::Passing);
    }
    // Looked at before the lock is made, so that no lock goes where nothing may be written;
    // and again once it is held, for what it finds then.
    if (problem = ProfileFile(shared.path, shared.ownSection).refusal(); !problem.empty()) {
        return shared.notSaved(leftAsItIs(problem), Kind::Blocking);
    }
    ProfileLock lock(shared.path);
    const auto notSaved = [&shared](const std::string& why) {
        return shared.notSaved(why, Kind::Passing);
    };
    if (!takeLock(lock, problem, attempt, notSaved)) {
        return notSaved(problem);
    }
    const ProfileFile file(shared.path, shared.ownSection);
    file.removeLeftovers();
    const Clock::time_point giveUp = Clock::now() + refillWait;
    std::string current;
    for (;;) {
        const ProfileFile::Contents contents = file.read();
        if (contents.state == ProfileFile::State::Refused) {
            return shared.notSaved(leftAsItIs(contents.problem), Kind::Blocking);
        }
        current = contents.text;
        const std::lock_guard guard(shared.mutex);
        const bool emptied = contents.state == ProfileFile::State::Read && current.empty() &&
                             !shared.lastSeenText.empty();
        if (attempt.givenUp()) {
            return notSaved("given up");
        }
        if (!emptied || Clock::now() >= giveUp) {
            shared.lastSeenText = current;
            break;
        }
        std::this_thread::sleep_for(slowPoll);
    }
    const std::optional<std::string> text = ProfileFileFormat::update(current, changes);
    if (!text) {
        return shared.notSaved(
            leftAsItIs(Translation::fill(translated("the values cannot be changed in %1 without "
                                                    "changing its other values"),
                                         {shared.path})),
            Kind::Blocking);
    }
    if (text->size() > ProfileFile::sizeLimit) {
        return shared.notSaved(leftAsItIs(translated("the file would grow past 1 MiB")),
                               Kind::Blocking);
    }
    // Once the rename is under way the commit can no longer be given up: from here a closing
    // writer says that the file may hold the new values.
    if (!file.replace(*text, problem, [&attempt] { return attempt.mayTakeLastStep(); })) {
        return notSaved(problem);
    }
    bool readTroubleOver = false;
    {
        const std::lock_guard guard(shared.mutex);
        shared.lastSeenText = *text;
        readTroubleOver = shared.troubleFromReading;
    }
    if (readTroubleOver) {
        shared.setTrouble({});
    }
    return {};
}

} // namespace fenwake
