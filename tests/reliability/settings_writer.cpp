// A helper process for the reliability tests. It stores settings the way the window does,
// through SettingsStore inside one batch per change:
//   forever           the four values of a unit switch, round after round, each on disk
//                     before the next (to be killed at a random moment)
//   serve             "<key> <text>" lines from standard input, each answered with "ok" once on
//                     disk or "trouble: <why>" when it could not be written within two seconds
//                     (to share the file with another, or to meet a full disk)
//   race <key> <n>    n new values of one key as fast as it can, checking on disk before and
//                     after each commit that the file holds its own latest one; prints how many
//                     times it did not ("stale <count>")
//   hold <file>       takes the lock of that settings file as another program would, says
//                     "held", and lets go when its standard input ends
//   qlock-gap <file>  takes the lock as QLockFile does (creates the file, locks it, writes its
//                     record), says "held", and at the first line of standard input lets go
//                     as QLockFile does, but stops between the two steps: closes the file, says
//                     "closed", and removes it only at the next line ("removed")
//   qsettings <file> <n>
//                     n rounds of QSettings writing [Other] count=<round> to that file and
//                     syncing it, as another Qt program sharing the file would
#include "framework/application/application.h"
#include "framework/formats/profile_file_format.h"
#include "framework/profile/profile.h"
#include "framework/profile/profile_batch.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSysInfo>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace {

class WriterApplication : public fenwake::Application {};

constexpr std::chrono::seconds longWait{10};

// What the file holds for the key right now, read past the profile's memory.
std::string onDisk(fenwake::Profile& profile, const std::string& key) {
    QFile file(QString::fromStdString(profile.filePath()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto entries =
        fenwake::ProfileFileFormat::parse(std::string_view(bytes.constData(), bytes.size()));
    const auto found = entries.find("Settings/" + key);
    return found == entries.end() ? std::string() : found->second;
}

// Each round stores a unit switch's four values; they must only ever be seen together.
[[noreturn]] void storeForever() {
    using fenwake::SettingsStore;
    long long round = static_cast<long long>(SettingsStore::loadWaist());
    for (;;) {
        ++round;
        {
            const fenwake::ProfileBatch batch(&fenwake::Application::current()->profile());
            SettingsStore::saveMetric(round % 2 == 1);
            SettingsStore::saveWaist(static_cast<double>(round));
            SettingsStore::saveWeight(static_cast<double>(round));
            SettingsStore::saveHeight(static_cast<double>(round));
        }
        fenwake::Application::current()->profile().waitUntilWritten(longWait);
        if (round % 16 == 1) {
            std::printf("%lld\n", round);
            std::fflush(stdout);
        }
    }
}

void storeOnCommand(fenwake::Application& application) {
    std::string key;
    std::string text;
    while (std::cin >> key >> text) {
        {
            const fenwake::ProfileBatch batch(&application.profile());
            application.writeProfileString("Settings", key, text);
        }
        application.profile().waitUntilWritten(std::chrono::seconds(2));
        const std::string trouble = application.profile().trouble();
        std::printf("%s\n", trouble.empty() ? "ok" : ("trouble: " + trouble).c_str());
        std::fflush(stdout);
    }
}

int race(fenwake::Application& application, const std::string& key, int commits) {
    fenwake::Profile& profile = application.profile();
    std::string latest = onDisk(profile, key);
    int stale = 0;
    for (int commit = 1; commit <= commits; ++commit) {
        stale += onDisk(profile, key) != latest ? 1 : 0;
        latest = std::to_string(commit);
        {
            const fenwake::ProfileBatch batch(&application.profile());
            application.writeProfileString("Settings", key, latest);
        }
        profile.waitUntilWritten(longWait);
        stale += onDisk(profile, key) != latest ? 1 : 0;
    }
    std::printf("stale %d\n", stale);
    return profile.trouble().empty() ? 0 : 1;
}

void say(const char* word) {
    std::printf("%s\n", word);
    std::fflush(stdout);
}

// QLockFile's own steps, with a pause where a busy machine may stop it: between letting go of
// the kernel lock and removing the file.
int holdWithGap(const std::string& settingsFile) {
    const std::string lock = settingsFile + ".lock";
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 1000; ++attempt) {
        fd = open(lock.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            QThread::msleep(10);
        }
    }
    if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return 1;
    }
    const QByteArray record =
        QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
        QSysInfo::machineHostName().toUtf8() + '\n';
    if (write(fd, record.constData(), static_cast<std::size_t>(record.size())) != record.size()) {
        return 1;
    }
    say("held");
    std::string line;
    std::getline(std::cin, line);
    close(fd);
    say("closed");
    std::getline(std::cin, line);
    unlink(lock.c_str());
    say("removed");
    return 0;
}

int writeWithQSettings(const std::string& settingsFile, int rounds) {
    for (int round = 1; round <= rounds; ++round) {
        QSettings settings(QString::fromStdString(settingsFile), QSettings::IniFormat);
        settings.setValue("Other/count", round);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return 1;
        }
    }
    return 0;
}

int hold(const std::string& settingsFile) {
    QLockFile lock(QString::fromStdString(settingsFile + ".lock"));
    if (!lock.tryLock(10000)) {
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qt(argc, argv);
    WriterApplication application;
    application.setRegistryKey("Kestrova");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "forever") {
        storeForever();
    }
    if (mode == "serve") {
        storeOnCommand(application);
        return 0;
    }
    if (mode == "race" && argc == 4) {
        return race(application, argv[2], std::atoi(argv[3]));
    }
    if (mode == "hold" && argc == 3) {
        return hold(argv[2]);
    }
    if (mode == "qlock-gap" && argc == 3) {
        return holdWithGap(argv[2]);
    }
    if (mode == "qsettings" && argc == 4) {
        return writeWithQSettings(argv[2], std::atoi(argv[3]));
    }
    std::fputs("usage: settings_writer forever|serve|race <key> <commits>|hold <file>|"
               "qlock-gap <file>|qsettings <file> <rounds>\n",
               stderr);
    return 2;
}
