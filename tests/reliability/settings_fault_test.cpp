// The window against a hostile disk, file and neighbour: system calls that fail at each step
// of a replace, things at the settings path that are no settings file, and locks held by
// other processes or made of the wrong stuff. Whatever happens, the file is never changed
// except by a whole, successful replace, the person is told in the window, and nothing typed
// is lost once the obstacle is gone.
#include "res/resource_ids.h"
#include "tests/support/failing_system_calls.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fenwake {
namespace {

using test::FileStep;
using test::MainWindowTest;
using test::readSettingsFile;
using test::settingsPath;
using test::writeSettingsFile;

const std::string stored = "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n";

std::string settingsFolder() {
    return settingsPath().substr(0, settingsPath().rfind('/'));
}

// Our own lines on standard error; Qt may add its own.
long ownLines(const std::string& warnings) {
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
};

struct StepFault {
    FileStep step;
    int error;
    const char* name;
};

void PrintTo(const StepFault& fault, std::ostream* out) {
    *out << fault.name;
}

class FailingStep : public SettingsFaultTest, public testing::WithParamInterface<StepFault> {};

INSTANTIATE_TEST_SUITE_P(SettingsFault, FailingStep,
                         testing::Values(StepFault{FileStep::Create, ENOSPC, "create_ENOSPC"},
                                         StepFault{FileStep::Create, EDQUOT, "create_EDQUOT"},
                                         StepFault{FileStep::Write, ENOSPC, "write_ENOSPC"},
                                         StepFault{FileStep::Write, EIO, "write_EIO"},
                                         StepFault{FileStep::Write, EDQUOT, "write_EDQUOT"},
                                         StepFault{FileStep::Sync, ENOSPC, "sync_ENOSPC"},
                                         StepFault{FileStep::Sync, EIO, "sync_EIO"},
                                         StepFault{FileStep::Sync, EDQUOT, "sync_EDQUOT"},
                                         StepFault{FileStep::Replace, ENOSPC, "replace_ENOSPC"},
                                         StepFault{FileStep::Replace, EIO, "replace_EIO"},
                                         StepFault{FileStep::Replace, EDQUOT, "replace_EDQUOT"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(FailingStep, LeavesTheFileAsItWasSaysSoAndStoresOnceItWorksAgain) {
    writeSettingsFile(stored);
    openWindow();
    test::failStep(GetParam().step, GetParam().error, settingsFolder());
    testing::internal::CaptureStderr();
    typeInto(IDC_WAIST, "5");
    const std::string warnings = testing::internal::GetCapturedStderr();
    test::stopFailing();

    EXPECT_GT(test::failedCalls(), 0);
    EXPECT_EQ(readSettingsFile(), stored);
    EXPECT_EQ(ownLines(warnings), 1) << warnings;
    EXPECT_NE(warnings.find("settings not saved"), std::string::npos) << warnings;
    EXPECT_EQ(notice(), "Settings are not being saved");
    EXPECT_NE(noticeDetail().find(std::strerror(GetParam().error)), std::string::npos)
        << noticeDetail();
    EXPECT_EQ(QDir(QString::fromStdString(settingsFolder())).entryList(QDir::Files),
              QStringList{QFileInfo(QString::fromStdString(settingsPath())).fileName()})
        << "a temporary file was left behind";

    typeInto(IDC_WEIGHT, "1");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nHeight=70.00\nWaist=345.00\nWeight=1801.00\n");
    EXPECT_EQ(notice(), "");
}

struct Obstacle {
    const char* name;
    std::function<void(const std::string& path)> make;
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) {
    *out << obstacle.name;
}

void sparseFile(const std::string& path, long long size) {
    std::ofstream(path).close();
    ASSERT_EQ(truncate(path.c_str(), size), 0);
}

class NotASettingsFile : public SettingsFaultTest, public testing::WithParamInterface<Obstacle> {};

INSTANTIATE_TEST_SUITE_P(
    SettingsFault, NotASettingsFile,
    testing::Values(Obstacle{"fifo",
                             [](const std::string& path) {
                                 ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
                             }},
                    Obstacle{"directory",
                             [](const std::string& path) {
                                 ASSERT_TRUE(QDir().mkpath(path.c_str()));
                             }},
                    Obstacle{"socket",
                             [](const std::string& path) {
                                 static QLocalServer server;
                                 server.setSocketOptions(QLocalServer::WorldAccessOption);
                                 ASSERT_TRUE(server.listen(QString::fromStdString(path)));
                             }},
                    Obstacle{"sparse_2GB",
                             [](const std::string& path) {
                                 sparseFile(path, 2LL << 30);
                             }},
                    Obstacle{"file_100MB",
                             [](const std::string& path) {
                                 sparseFile(path, 100LL << 20);
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

std::string describe(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return "missing";
    }
    return std::to_string(status.st_mode) + " " + std::to_string(status.st_size) + " " +
           std::to_string(status.st_ino) + " " + std::to_string(status.st_mtim.tv_nsec);
}

// Nothing is read from it and nothing replaces it: the window opens on the defaults, says
// why, and the thing at the path stays as it was for the person to look at.
TEST_P(NotASettingsFile, OpensOnTheDefaultsAndLeavesItAlone) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsFolder())));
    GetParam().make(settingsPath());
    const std::string before = describe(settingsPath());
    testing::internal::CaptureStderr();
    openWindow();
    EXPECT_EQ(fields(), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(notice(), "Settings are not being saved");
    EXPECT_NE(noticeDetail().find(settingsPath()), std::string::npos) << noticeDetail();

    typeInto(IDC_WAIST, "3");
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(warnings), 1) << warnings;
    EXPECT_EQ(describe(settingsPath()), before);
    EXPECT_EQ(notice(), "Settings are not being saved");
}

// A live process holding the lock (here one that has been stopped, too) is waited for only
// briefly: every key is handled while it still holds the lock, the window says why nothing
// is saved, and the first write after it lets go stores every key typed meanwhile.
TEST_F(SettingsFaultTest, ALockHeldByAnotherProcessCostsOnlyABriefWait) {
    writeSettingsFile(stored);
    QProcess holder;
    holder.start(SETTINGS_WRITER, {"hold", QString::fromStdString(settingsPath())});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(holder.readLine().trimmed().toStdString(), "held");
    kill(static_cast<pid_t>(holder.processId()), SIGSTOP);

    openWindow();
    typeInto(IDC_WAIST, "5");
    typeInto(IDC_WEIGHT, "1");
    EXPECT_EQ(readSettingsFile(), stored);
    EXPECT_EQ(notice(), "Settings are not being saved");
    EXPECT_NE(noticeDetail().find("locked by another program"), std::string::npos);

    kill(static_cast<pid_t>(holder.processId()), SIGCONT);
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(30000));
    typeInto(IDC_HEIGHT, "2");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nHeight=702.00\nWaist=345.00\nWeight=1801.00\n");
    EXPECT_EQ(notice(), "");
}

class LockInTheWay : public SettingsFaultTest, public testing::WithParamInterface<Obstacle> {};

INSTANTIATE_TEST_SUITE_P(SettingsFault, LockInTheWay,
                         testing::Values(Obstacle{"dangling_link",
                                                  [](const std::string& path) {
                                                      ASSERT_EQ(symlink("/nowhere", path.c_str()),
                                                                0);
                                                  }},
                                         Obstacle{"directory",
                                                  [](const std::string& path) {
                                                      ASSERT_TRUE(QDir().mkpath(path.c_str()));
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(LockInTheWay, IsReportedAndWhatWasTypedIsStoredOnceItIsGone) {
    writeSettingsFile(stored);
    const std::string lock = settingsPath() + ".lock";
    GetParam().make(lock);
    openWindow();
    typeInto(IDC_WAIST, "5");
    EXPECT_EQ(readSettingsFile(), stored);
    EXPECT_EQ(notice(), "Settings are not being saved");

    QFile::remove(QString::fromStdString(lock));
    QDir().rmdir(QString::fromStdString(lock));
    typeInto(IDC_WEIGHT, "1");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nHeight=70.00\nWaist=345.00\nWeight=1801.00\n");
    EXPECT_EQ(notice(), "");
}

// A writer killed between creating its lock and filling it in leaves an empty lock that
// nobody holds; it is cleared, but only after a second look finds it still empty.
TEST_F(SettingsFaultTest, AnAbandonedEmptyLockIsCleared) {
    writeSettingsFile(stored);
    std::ofstream(settingsPath() + ".lock").close();
    openWindow();
    typeInto(IDC_WAIST, "5");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nHeight=70.00\nWaist=345.00\nWeight=180.00\n");
    EXPECT_EQ(notice(), "");
}

TEST_F(SettingsFaultTest, ALockFilledInDuringTheSecondLookIsRespected) {
    writeSettingsFile(stored);
    const std::string lock = settingsPath() + ".lock";
    std::ofstream(lock).close();
    openWindow();
    focusField(IDC_WAIST);
    // As a live writer does a moment after creating its lock: its process, name and host.
    std::thread filler([&lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ofstream(lock)
            << getpid() << "\n"
            << QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString() << "\n"
            << QSysInfo::machineHostName().toStdString() << "\n";
    });
    type("5");
    filler.join();
    EXPECT_EQ(readSettingsFile(), stored);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(lock)).size() > 0);
    EXPECT_EQ(notice(), "Settings are not being saved");
}

} // namespace
} // namespace fenwake
