#include "history/history_store.h"

#include "framework/storage/atomic_file.h"
#include "history/entry_fields.h"
#include "history/history_database.h"

#include <cstdlib>
#include <mutex>
#include <unordered_set>
#include <variant>

namespace fenwake {

namespace {

using Kind = HistoryStore::Change::Kind;

// An export goes where the person chose: a folder shared with others will do, but a file that
// is another's, protected, or has other names is never replaced.
constexpr AtomicFile::Rules exportRules{false, true, true};

// What makes an entry the entry it is, as the database finds one kept already: its instant and
// its numbers, 0 and -0 alike.
std::string identityOf(const HistoryEntry& entry) {
    std::string identity;
    for (const EntryField& field : EntryFields::all()) {
        if (!field.identifies) {
            continue;
        }
        const EntryFields::Value value = EntryFields::valueOf(field, entry);
        if (const auto* number = std::get_if<double>(&value)) {
            const double same = *number == 0.0 ? 0.0 : *number;
            identity.append(reinterpret_cast<const char*>(&same), sizeof same);
        } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            identity.append(reinterpret_cast<const char*>(integer), sizeof *integer);
        } else {
            identity.append(std::get<std::string_view>(value)).push_back('\0');
        }
    }
    return identity;
}

} // namespace

// What the writer's thread works with, and what it was told it could never do.
struct HistoryStore::Shared {
    Shared(std::string path, Listener heard)
        : database(std::move(path)), listener(std::move(heard)) {}

    HistoryDatabase database; // the writer's thread's alone
    const Listener listener;

    std::mutex mutex;
    Unmade givenUp; // during the run
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

HistoryStore::HistoryStore(std::string path, Listener listener, const Pacing& pacing)
    : shared(std::make_shared<Shared>(std::move(path), std::move(listener))) {
    Writer::Client client;
    client.perform = [kept = shared](Change& change, Writer::Attempt& attempt) {
        return perform(*kept, change, attempt);
    };
    // Entries added while the disk is busy wait together and go in one transaction: a slow
    // sync is paid once for them all.
    client.join = [](Change& waiting, Change& next) {
        if (waiting.kind != Kind::Add || next.kind != Kind::Add) {
            return false;
        }
        waiting.tokens.push_back(next.tokens.front());
        waiting.entries.push_back(next.entries.front());
        return true;
    };
    client.troubleChanged = [kept = shared](const Problem& trouble) {
        kept->listener.trouble(trouble.text);
    };
    client.gaveUp = [kept = shared](const Change& change, const Problem& why) {
        {
            const std::lock_guard lock(kept->mutex);
            ++kept->givenUp.changes;
            if (change.kind == Kind::Add) {
                kept->givenUp.entries.insert(kept->givenUp.entries.end(), change.entries.begin(),
                                             change.entries.end());
            }
            kept->givenUp.why = why.text;
        }
        kept->listener.gaveUp(change, why.text);
    };
    writer = std::make_unique<Writer>(std::move(client), pacing);
}

HistoryStore::~HistoryStore() {
    finish(Writer::endingWait);
}

void HistoryStore::load() {
    writer->hand({Kind::Load, {}, {}, {}, {}, {}, {}, {}});
}

void HistoryStore::refresh() {
    writer->hand({Kind::Refresh, {}, {}, {}, {}, {}, {}, {}});
}

void HistoryStore::add(std::uint64_t token, const HistoryEntry& entry) {
    writer->hand({Kind::Add, {token}, {entry}, {}, {}, {}, {}, {}});
}

void HistoryStore::remove(std::vector<std::int64_t> ids) {
    writer->hand({Kind::Remove, {}, {}, std::move(ids), {}, {}, {}, {}});
}

void HistoryStore::restore(std::vector<HistoryEntry> entries) {
    writer->hand({Kind::Restore, {}, std::move(entries), {}, {}, {}, {}, {}});
}

void HistoryStore::previewImport(std::string path, const HistoryCsv::Given& defaults) {
    writer->hand({Kind::Preview, {}, {}, {}, std::move(path), {}, defaults, {}});
}

void HistoryStore::importReading(std::shared_ptr<const HistoryCsv::Reading> reading,
                                 const HistoryCsv::Given& given) {
    writer->hand({Kind::Import, {}, {}, {}, {}, std::move(reading), given, {}});
}

void HistoryStore::importFile(std::string path) {
    writer->hand({Kind::Import, {}, {}, {}, std::move(path), {}, {}, {}});
}

void HistoryStore::saveImage(std::string path, std::string bytes) {
    writer->hand({Kind::SaveImage, {}, {}, {}, std::move(path), {}, {}, std::move(bytes)});
}

void HistoryStore::exportFile(std::string path, std::vector<HistoryEntry> entries) {
    writer->hand({Kind::Export, {}, std::move(entries), {}, std::move(path), {}, {}, {}});
}

std::size_t HistoryStore::pending() const {
    return writer->pending();
}

// Does the change and tells the listener. Done also for what trying again would not mend (a
// file to import that cannot be read, one to export that cannot be written), which it is told.
Problem HistoryStore::perform(Shared& shared, Change& change, Writer::Attempt& attempt) {
    HistoryDatabase& database = shared.database;
    const Listener& listener = shared.listener;
    switch (change.kind) {
    case Kind::Load:
    case Kind::Refresh: {
        if (change.kind == Kind::Refresh && !database.changedElsewhere()) {
            return {};
        }
        std::vector<HistoryEntry> entries;
        Problem problem = database.read(entries);
        if (problem.empty()) {
            attempt.tell([&] { listener.loaded(std::move(entries)); });
        }
        return problem;
    }
    case Kind::Add: {
        std::vector<bool> fresh;
        Problem problem = database.add(change.entries, fresh);
        if (problem.empty()) {
            attempt.tell([&] {
                for (std::size_t i = 0; i < change.entries.size(); ++i) {
                    listener.added(change.tokens[i], change.entries[i]);
                }
            });
        }
        return problem;
    }
    case Kind::Remove: {
        std::size_t removed = 0;
        Problem problem = database.remove(change.ids, removed);
        if (problem.empty()) {
            attempt.tell([&] { listener.removed(change.ids, change.ids.size() - removed); });
        }
        return problem;
    }
    case Kind::Restore: {
        Problem problem = database.restore(change.entries);
        if (problem.empty()) {
            attempt.tell([&] { listener.restored(change.entries); });
        }
        return problem;
    }
    case Kind::Preview:
        return preview(shared, change, attempt);
    case Kind::Import:
        return importInto(shared, change, attempt);
    case Kind::Export: {
        TranslatableText written =
            AtomicFile(change.path, exportRules).replace(HistoryCsv::write(change.entries));
        attempt.tell(
            [&] { listener.exported(change.path, change.entries.size(), std::move(written)); });
        return {};
    }
    case Kind::SaveImage: {
        TranslatableText written = AtomicFile(change.path, exportRules).replace(change.bytes);
        attempt.tell([&] {
            if (listener.savedImage) {
                listener.savedImage(change.path, std::move(written));
            }
        });
        return {};
    }
    }
    return {};
}

// The file is read once; its entries are added in one transaction, those kept already left out.
// An import the disk has no room for is given up, and the room it took is given back, so that
// the entries added after it still fit.
Problem HistoryStore::importInto(Shared& shared, Change& change, Writer::Attempt& attempt) {
    if (!change.reading) {
        change.reading =
            std::make_shared<const HistoryCsv::Reading>(HistoryCsv::readFile(change.path));
    }
    const HistoryCsv::Reading& reading = *change.reading;
    Imported imported;
    imported.refused = reading.refused;
    imported.notImported = reading.notEntries;
    if (imported.notImported.empty()) {
        std::vector<HistoryEntry> entries = HistoryCsv::completed(reading, change.given);
        std::vector<bool> fresh;
        Problem problem = shared.database.roomFor(entries.size());
        if (problem.empty()) {
            problem = shared.database.add(entries, fresh);
        }
        if (!problem.empty() && shared.database.diskWasFull()) {
            shared.database.releaseLogSpace();
            problem.kind = Problem::Kind::Lasting;
        }
        if (problem.isLasting()) {
            imported.notImported = problem.text;
        } else if (!problem.empty()) {
            return problem;
        }
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            if (fresh[i]) {
                imported.added.push_back(entries[i]);
            } else {
                ++imported.keptAlready;
            }
        }
    }
    attempt.tell([&] { shared.listener.imported(std::move(imported)); });
    return {};
}

// The file is read, and its entries looked up among those kept, without a write.
Problem HistoryStore::preview(Shared& shared, Change& change, Writer::Attempt& attempt) {
    if (!change.reading) {
        change.reading =
            std::make_shared<const HistoryCsv::Reading>(HistoryCsv::readFile(change.path));
    }
    Preview preview{change.path, change.reading, 0};
    if (change.reading->notEntries.empty() && !change.reading->entries.empty()) {
        std::vector<HistoryEntry> kept;
        if (Problem problem = shared.database.read(kept); !problem.empty()) {
            return problem;
        }
        std::unordered_set<std::string> identities;
        for (const HistoryEntry& entry : kept) {
            identities.insert(identityOf(entry));
        }
        for (const HistoryEntry& entry : HistoryCsv::completed(*change.reading, change.given)) {
            preview.keptAlready += identities.contains(identityOf(entry)) ? 1 : 0;
        }
    }
    attempt.tell([&] {
        if (shared.listener.previewed) {
            shared.listener.previewed(std::move(preview));
        }
    });
    return {};
}

HistoryStore::Unmade HistoryStore::finish(std::chrono::milliseconds timeout) {
    Writer::Unfinished unfinished = writer->finish(timeout);
    const std::lock_guard lock(shared->mutex);
    Unmade unmade = shared->givenUp;
    unmade.changes += unfinished.jobs.size();
    for (const Change& change : unfinished.jobs) {
        if (change.kind == Kind::Add) {
            unmade.entries.insert(unmade.entries.end(), change.entries.begin(),
                                  change.entries.end());
        }
    }
    if (!unfinished.jobs.empty()) {
        unmade.why = unfinished.why.text;
    }
    shared->givenUp = {};
    return unmade;
}

} // namespace fenwake
