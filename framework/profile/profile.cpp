#include "framework/profile/profile.h"

#include "framework/profile/profile_file.h"
#include "framework/profile/profile_file_format.h"
#include "framework/profile/profile_lock.h"
#include "framework/text/blanks.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>

namespace fenwake {

namespace {

// How the file's keys are named: "section/key", or the key alone outside any section.
std::string fullKey(std::string_view section, std::string_view key) {
    return section.empty() ? std::string(key) : std::string(section) + '/' + std::string(key);
}

std::optional<int> parseInteger(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    constexpr long long lowest = std::numeric_limits<int>::min();
    constexpr long long highest = std::numeric_limits<int>::max();
    if (error == std::errc::result_out_of_range) {
        value = text.front() == '-' ? lowest : highest;
    }
    return static_cast<int>(std::clamp(value, lowest, highest));
}

std::string profilePath(std::string_view company, std::string_view application) {
    if (company.empty()) {
        return {};
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.toStdString() + '/' + std::string(company) + '/' + std::string(application) +
           ".conf";
}

} // namespace

Profile::Profile(std::string_view company, std::string_view application)
    : path(profilePath(company, application)) {}

Profile::~Profile() {
    commitPending();
}

std::string Profile::readText(std::string_view section, std::string_view key,
                              std::string_view defaultText) {
    const std::string name = fullKey(section, key);
    if (const auto held = pending.find(name); held != pending.end()) {
        return held->second;
    }
    if (path.empty()) {
        return std::string(defaultText);
    }
    const ProfileFile::Contents contents = ProfileFile(path).read();
    if (contents.state == ProfileFile::State::Refused) {
        reportTrouble("settings not read: " + contents.problem +
                      "; starting from the defaults, and the file is left as it is");
        return std::string(defaultText);
    }
    const ProfileFileFormat::Entries entries = ProfileFileFormat::parse(contents.text);
    const auto found = entries.find(name);
    return found == entries.end() ? std::string(defaultText) : found->second.text;
}

int Profile::readInteger(std::string_view section, std::string_view key, int defaultValue) {
    return parseInteger(readText(section, key, {})).value_or(defaultValue);
}

void Profile::writeText(std::string_view section, std::string_view key, std::string_view text) {
    write(section, key, std::string(text));
}

void Profile::writeInteger(std::string_view section, std::string_view key, int value) {
    write(section, key, std::to_string(value));
}

void Profile::write(std::string_view section, std::string_view key, std::string text) {
    if (writeListener) {
        writeListener(section, key, text);
    }
    pending[fullKey(section, key)] = std::move(text);
    if (batchDepth == 0) {
        commit();
    }
}

void Profile::beginBatch() {
    ++batchDepth;
}

void Profile::endBatch() {
    if (batchDepth > 0) {
        --batchDepth;
    }
    // A batch inside a handler's batch belongs to the handler: only the outermost commits.
    if (batchDepth == 0) {
        commit();
    }
}

void Profile::commitPending() {
    commit();
}

void Profile::setWriteListener(WriteListener listener) {
    writeListener = std::move(listener);
}

void Profile::setTroubleListener(TroubleListener listener) {
    troubleListener = std::move(listener);
}

void Profile::commit() {
    if (pending.empty()) {
        return;
    }
    std::string problem;
    if (!store(problem)) {
        reportTrouble("settings not saved: " + problem);
        return;
    }
    pending.clear();
    reportTrouble({});
}

// One locked read-merge-replace.
bool Profile::store(std::string& problem) const {
    if (path.empty()) {
        problem = "no company key was named for the profile";
        return false;
    }
    const QString folder = QString::fromStdString(path.substr(0, path.rfind('/')));
    if (!QDir().mkpath(folder)) {
        problem = "cannot create the folder " + folder.toStdString();
        return false;
    }
    ProfileLock lock(path);
    if (!lock.acquire(lockWait, problem)) {
        return false;
    }
    const ProfileFile file(path);
    const ProfileFile::Contents current = file.read();
    if (current.state == ProfileFile::State::Refused) {
        problem = current.problem + ", and it is left as it is";
        return false;
    }
    ProfileFileFormat::Entries entries = ProfileFileFormat::parse(current.text);
    for (const auto& [key, text] : pending) {
        entries[key] = {text, {}};
    }
    return file.replace(ProfileFileFormat::render(entries), problem);
}

// Said once on standard error when trouble starts; the listener hears every change.
void Profile::reportTrouble(const std::string& trouble) {
    if (trouble == currentTrouble) {
        return;
    }
    if (currentTrouble.empty()) {
        std::fprintf(stderr, "fenwake: %s; the window goes on working\n", trouble.c_str());
        std::fflush(stderr);
    }
    currentTrouble = trouble;
    if (troubleListener) {
        troubleListener(currentTrouble);
    }
}

} // namespace fenwake
