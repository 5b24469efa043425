#include "framework/profile.h"

#include "framework/blanks.h"
#include "framework/profile_file_format.h"
#include "framework/qt_text.h"

#include <QFile>
#include <QIODevice>
#include <QLockFile>
#include <QSettings>
#include <QString>
#include <QThread>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace fenwake {

namespace {

bool readProfileFile(QIODevice& device, QSettings::SettingsMap& map) {
    const QByteArray bytes = device.readAll();
    for (const auto& [key, value] :
         ProfileFileFormat::parse(std::string_view(bytes.constData(), bytes.size()))) {
        map.insert(QString::fromStdString(key), QString::fromStdString(value));
    }
    return true;
}

bool writeProfileFile(QIODevice& device, const QSettings::SettingsMap& map) {
    ProfileFileFormat::Entries entries;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        entries[it.key().toStdString()] = it.value().toString().toStdString();
    }
    const std::string text = ProfileFileFormat::render(entries);
    return device.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

// Our own reader and writer on the ".conf" path that the native format would use: the same
// file, but values come back as the raw text that was stored.
QSettings::Format profileFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat("conf", readProfileFile, writeProfileFile);
    return format;
}

QString keyPath(std::string_view section, std::string_view key) {
    return qtText(section) + '/' + qtText(key);
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

// QSettings locks the file while it replaces it. A writer killed between creating the lock
// file and writing its process id into it leaves a lock that nobody can judge, and the next
// write would wait half a minute for it to go stale. A live writer fills its lock at once,
// so a lock still unreadable a moment later was abandoned and can go.
void clearAbandonedLock(const QString& settingsPath) {
    const QString lockPath = settingsPath + ".lock";
    const auto unreadable = [&lockPath] {
        qint64 pid = 0;
        QString host;
        QString application;
        return QFile::exists(lockPath) &&
               !QLockFile(lockPath).getLockInfo(&pid, &host, &application);
    };
    if (unreadable()) {
        QThread::msleep(50);
        if (unreadable()) {
            QFile::remove(lockPath);
        }
    }
}

} // namespace

struct Profile::Store {
    QString company;
    QString application;
    // Created for a run of writes and dropped once they are on disk, so that the status it
    // reports belongs to those writes alone.
    std::unique_ptr<QSettings> pending;

    std::unique_ptr<QSettings> open() const {
        auto settings = std::make_unique<QSettings>(profileFormat(), QSettings::UserScope, company,
                                                    application);
        settings->setAtomicSyncRequired(true);
        return settings;
    }
};

Profile::Profile(std::string_view company, std::string_view application)
    : store(std::make_unique<Store>()) {
    store->company = qtText(company);
    store->application = qtText(application);
}

Profile::~Profile() {
    // Nothing may be left unwritten, even when a batch was never closed.
    if (store->pending) {
        commit();
    }
}

std::string Profile::readText(std::string_view section, std::string_view key,
                              std::string_view defaultText) const {
    if (store->company.isEmpty()) {
        return std::string(defaultText);
    }
    const QVariant value =
        (store->pending ? *store->pending : *store->open()).value(keyPath(section, key));
    if (!value.isValid()) {
        return std::string(defaultText);
    }
    return value.toString().toStdString();
}

int Profile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string text = readText(section, key, {});
    return parseInteger(text).value_or(defaultValue);
}

void Profile::writeText(std::string_view section, std::string_view key, std::string_view text) {
    write(section, key, std::string(text));
}

void Profile::writeInteger(std::string_view section, std::string_view key, int value) {
    write(section, key, std::to_string(value));
}

void Profile::write(std::string_view section, std::string_view key, const std::string& text) {
    if (writeListener) {
        writeListener(section, key, text);
    }
    if (store->company.isEmpty()) {
        reportFailure("no company key was named for the profile");
        return;
    }
    if (!store->pending) {
        store->pending = store->open();
    }
    store->pending->setValue(keyPath(section, key), QString::fromStdString(text));
    if (batchDepth == 0) {
        commit();
    }
}

void Profile::setWriteListener(WriteListener listener) {
    writeListener = std::move(listener);
}

void Profile::beginBatch() {
    ++batchDepth;
}

void Profile::endBatch() {
    if (batchDepth > 0) {
        --batchDepth;
    }
    if (store->pending) {
        commit();
    }
}

void Profile::commit() {
    std::unique_ptr<QSettings> settings = std::move(store->pending);
    clearAbandonedLock(settings->fileName());
    settings->sync();
    writeSucceeded = settings->status() == QSettings::NoError;
    if (!writeSucceeded) {
        reportFailure("cannot write " + settings->fileName().toStdString());
    }
}

void Profile::reportFailure(const std::string& reason) {
    writeSucceeded = false;
    if (!failureReported) {
        failureReported = true;
        std::fprintf(stderr, "fenwake: settings not saved (%s); the window goes on working\n",
                     reason.c_str());
    }
}

std::string Profile::filePath() const {
    return store->company.isEmpty() ? std::string() : store->open()->fileName().toStdString();
}

bool Profile::lastWriteSucceeded() const {
    return writeSucceeded;
}

} // namespace fenwake
