#include "framework/profile/profile.h"

#include "framework/language/translation.h"
#include "framework/profile/profile_file.h"
#include "framework/text/blanks.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <charconv>
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

// $XDG_STATE_HOME, or ~/.local/state, as the XDG base directories have it.
std::string stateFolder() {
    const QString home = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(home) ? home.toStdString()
                                      : QDir::homePath().toStdString() + "/.local/state";
}

// The section a profile's own file always has, and what it is to the person, by kind.
std::string ownSection(Profile::Kind kind) {
    return kind == Profile::Kind::State ? "Window" : "Settings";
}

ProfileWriter::Wording wording(Profile::Kind kind) {
    if (kind == Profile::Kind::State) {
        return {TRANSLATABLE("window size not saved: %1"),
                TRANSLATABLE("closing without the window size saved (%1); the file is left as it "
                             "was"),
                TRANSLATABLE("closing before the disk confirmed the window size (%1); the file "
                             "holds either it or the size before")};
    }
    return {TRANSLATABLE("settings not saved: %1"),
            TRANSLATABLE("closing without the last values saved (%1); the file is left as it was"),
            TRANSLATABLE("closing before the disk confirmed the last values (%1); the file holds "
                         "either them or the values before")};
}

std::string profilePath(std::string_view company, std::string_view application,
                        Profile::Kind kind) {
    if (company.empty()) {
        return {};
    }
    const std::string folder =
        kind == Profile::Kind::State
            ? stateFolder()
            : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    return folder + '/' + std::string(company) + '/' + std::string(application) +
           (kind == Profile::Kind::State ? ".state" : ".conf");
}

} // namespace

std::string Profile::pathFor(std::string_view company, std::string_view application, Kind kind) {
    return profilePath(company, application, kind);
}

Profile::Profile(std::string_view company, std::string_view application, Kind kind,
                 const Pacing& pacing)
    : path(profilePath(company, application, kind)), kind(kind),
      writer(path, ownSection(kind), wording(kind), pacing) {
    // The writer's thread says that the trouble changed; the listener hears it here.
    writer.setTroubleCallback([this, news = troubleNews.address()](const std::string& trouble) {
        news.post([this, trouble] {
            if (troubleListener) {
                troubleListener(trouble);
            }
        });
    });
}

Profile::~Profile() {
    finish();
}

const ProfileFileFormat::Entries& Profile::stored() {
    if (loaded || path.empty()) {
        return fileValues;
    }
    loaded = true;
    const ProfileFile::Contents contents = ProfileFile(path, ownSection(kind)).read();
    if (contents.state == ProfileFile::State::Refused) {
        writer.reportTrouble(Translation::fill(
            kind == Kind::State
                ? translated("window size not read: %1; the window opens at its own size, and "
                             "the file is left as it is")
                : translated("settings not read: %1; starting from the defaults, and the file "
                             "is left as it is"),
            {contents.problem}));
        return fileValues;
    }
    writer.rememberText(contents.text);
    fileValues = ProfileFileFormat::parse(contents.text);
    return fileValues;
}

std::string Profile::readText(std::string_view section, std::string_view key,
                              std::string_view defaultText) {
    const std::string name = fullKey(section, key);
    if (const auto found = written.find(name); found != written.end()) {
        return found->second;
    }
    const ProfileFileFormat::Entries& values = stored();
    const auto found = values.find(name);
    return found == values.end() ? std::string(defaultText) : found->second;
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
    const std::string name = fullKey(section, key);
    written[name] = text;
    held.emplace_back(name, std::move(text));
    if (batchDepth == 0) {
        handOver();
    }
}

void Profile::handOver() {
    if (!held.empty()) {
        writer.hand(held);
        held.clear();
    }
}

void Profile::beginBatch() {
    ++batchDepth;
}

void Profile::endBatch() {
    if (batchDepth > 0) {
        --batchDepth;
    }
    // A batch inside a handler's batch belongs to the handler: only the outermost hands over.
    if (batchDepth == 0) {
        handOver();
    }
}

bool Profile::waitUntilWritten(std::chrono::milliseconds timeout) {
    return writer.waitUntilWritten(timeout);
}

void Profile::finish(std::chrono::milliseconds timeout) {
    handOver();
    writer.finish(timeout);
}

void Profile::setWriteListener(WriteListener listener) {
    writeListener = std::move(listener);
}

void Profile::setTroubleListener(TroubleListener listener) {
    troubleListener = std::move(listener);
}

} // namespace fenwake
