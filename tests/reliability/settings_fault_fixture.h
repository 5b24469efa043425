#pragma once

// What the suites of the settings against real faults share: the stored file they start from,
// the folders around it, and a window whose writer they wait on.
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <fstream>
#include <string>
#include <sys/types.h>

namespace fenwake::test::settings_fault {

inline const std::string stored = "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n";
// The same with 5 typed behind the waist and 1 behind the weight.
inline const std::string storedAfterTyping =
    "[Settings]\nWaist=345.00\nWeight=1801.00\nHeight=70.00\n";
// The stored file with 5 typed behind the waist.
inline const std::string storedAfterFive =
    "[Settings]\nWaist=345.00\nWeight=180.00\nHeight=70.00\n";
inline const std::string shellFile = "# ~/.bashrc\nalias ll='ls -l'\nif [ -x /usr/bin/x ]; then\n"
                                     "    . /usr/bin/x\nfi\n";
inline constexpr uid_t anotherUser = 65534;

inline std::string settingsFolder() {
    return settingsPath().substr(0, settingsPath().rfind('/'));
}

inline std::string lockPath() {
    return settingsPath() + ".lock";
}

// Outside the settings folder: where a dotfile manager keeps the real files.
inline std::string dotfilesFolder() {
    const std::string folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/../dotfiles";
    QDir().mkpath(QString::fromStdString(folder));
    return folder;
}

inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Our own lines on standard error; Qt may add its own.
inline long ownLines(const std::string& warnings) {
    long lines = 0;
    for (std::size_t at = warnings.find("fenwake: "); at != std::string::npos;
         at = warnings.find("fenwake: ", at + 1)) {
        ++lines;
    }
    return lines;
}

class SettingsFaultTest : public MainWindowTest {
protected:
    void typeInto(int id, const char* keys) {
        focusField(id);
        type(keys);
    }
    // The writer works on its own; these wait for what it does, ten seconds at most.
    bool noticeBecomes(const std::string& text, int milliseconds = 10000) {
        return QTest::qWaitFor([&] { return notice() == text; }, milliseconds);
    }
    bool detailSays(const std::string& words) {
        return QTest::qWaitFor([&] { return noticeDetail().find(words) != std::string::npos; },
                               10000);
    }
    static bool fileBecomes(const std::string& text) {
        return QTest::qWaitFor([&] { return readSettingsFileNow() == text; }, 10000);
    }
    static QStringList filesInFolder() {
        return QDir(QString::fromStdString(settingsFolder())).entryList(QDir::Files);
    }
    // What the folder holds between commits: the settings, and the lock file, which stays for
    // whoever waits on it.
    static QStringList fileAndLock() {
        const QString name = QFileInfo(QString::fromStdString(settingsPath())).fileName();
        return {name, name + ".lock"};
    }
};

} // namespace fenwake::test::settings_fault
