#include "framework/formats/profile_file_format.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <random>
#include <string>

namespace fenwake {
namespace {

std::string writerSettingsPath() {
    return std::string(std::getenv("XDG_CONFIG_HOME")) + "/Kestrova/settings_writer.conf";
}

using Settings = std::map<std::string, std::string>;

Settings readWriterSettings() {
    QFile file(QString::fromStdString(writerSettingsPath()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return ProfileFileFormat::parse(std::string_view(bytes.constData(), bytes.size()));
}

class SharedFileWriter {
public:
    SharedFileWriter() { process.start(SETTINGS_WRITER, {"serve"}); }
    ~SharedFileWriter() {
        process.closeWriteChannel();
        process.waitForFinished();
    }

    void store(const std::string& key, const std::string& text) {
        process.write((key + " " + text + "\n").c_str());
        ASSERT_TRUE(process.waitForReadyRead(30000));
        ASSERT_EQ(process.readLine().trimmed().toStdString(), "ok");
    }

private:
    QProcess process;
};

QStringList temporaryFiles(const QDir& folder) {
    return folder.entryList({"settings_writer.conf.saving-??????"}, QDir::Files);
}

// Killed at any moment, a writer leaves either the file as it was or the file with one
// whole round more: never a torn, empty or mixed file, and never an older round. A kill in
// the middle of a replace leaves its temporary file, which the next writer removes.
TEST(CrashSafety, KilledWritersNeverLeaveATornOrMixedFile) {
    std::mt19937 random(20261207);
    long long lastRound = 0;
    int killsThatLeftATemporary = 0;
    const QDir folder(QFileInfo(QString::fromStdString(writerSettingsPath())).path());
    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        writer.start(SETTINGS_WRITER, {"forever"});
        ASSERT_TRUE(writer.waitForReadyRead(30000)) << "kill " << kill;
        QThread::usleep(random() % 8000);
        writer.kill();
        writer.waitForFinished();

        const Settings entries = readWriterSettings();
        SCOPED_TRACE("after kill " + std::to_string(kill));
        ASSERT_EQ(entries.size(), 4u);
        const std::string waist = entries.at("Settings/Waist");
        ASSERT_EQ(entries.at("Settings/Weight"), waist);
        ASSERT_EQ(entries.at("Settings/Height"), waist);
        ASSERT_EQ(waist.substr(waist.size() - 3), ".00");
        const long long round = std::stoll(waist);
        ASSERT_EQ(entries.at("Settings/Metric"), round % 2 == 1 ? "1" : "0");
        ASSERT_GE(round, lastRound);
        lastRound = round;
        ASSERT_LE(temporaryFiles(folder).size(), 1) << "an earlier one was not removed";
        killsThatLeftATemporary += temporaryFiles(folder).size();
    }
    EXPECT_GT(lastRound, 200);
    EXPECT_GT(killsThatLeftATemporary, 0);

    // Only temporary files of the writers' own making are removed: named as theirs are, with
    // six letters, neither fewer nor more.
    QFile(folder.filePath("settings_writer.conf.saving-kept")).open(QIODevice::WriteOnly);
    QFile(folder.filePath("settings_writer.conf.saving-1234567")).open(QIODevice::WriteOnly);
    {
        SharedFileWriter writer;
        writer.store("Waist", "1.00");
    }
    EXPECT_EQ(folder.entryList(QDir::Files).join(' ').toStdString(),
              "settings_writer.conf settings_writer.conf.lock settings_writer.conf.saving-1234567 "
              "settings_writer.conf.saving-kept");
}

// Two programs open on the same settings, writing in turn: each keeps what the other wrote.
TEST(SharedSettings, TwoWritersKeepEachOthersKeys) {
    SharedFileWriter first;
    SharedFileWriter second;
    first.store("Waist", "34.00");
    second.store("Weight", "180.00");
    first.store("Height", "70.00");
    second.store("Female", "1");
    first.store("Waist", "35.00");
    // The second takes over a key the first stored; the first's next commit leaves it be.
    second.store("Waist", "36.00");
    first.store("Height", "71.00");
    EXPECT_EQ(readWriterSettings(), (Settings{{"Settings/Female", "1"},
                                              {"Settings/Height", "71.00"},
                                              {"Settings/Waist", "36.00"},
                                              {"Settings/Weight", "180.00"}}));
}

// Two instances typing into different fields as fast as they can: every commit merges into the
// file as it is under the lock, so neither ever writes back an old value of the other's key.
TEST(SharedSettings, TwoInstancesNeverRewriteTheOthersKeyWithAnOldValue) {
    QProcess waist;
    QProcess weight;
    waist.start(SETTINGS_WRITER, {"race", "Waist", "1500"});
    weight.start(SETTINGS_WRITER, {"race", "Weight", "1500"});
    for (QProcess* writer : {&waist, &weight}) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0);
        EXPECT_EQ(writer->readAllStandardOutput().trimmed().toStdString(), "stale 0");
    }
    EXPECT_EQ(readWriterSettings(),
              (Settings{{"Settings/Waist", "1500"}, {"Settings/Weight", "1500"}}));
}

} // namespace
} // namespace fenwake
