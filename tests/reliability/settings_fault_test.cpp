// The window against a hostile disk, file and neighbour: system calls that fail or crawl at
// each step of a replace, things at the settings path that are no settings file of the
// user's, and locks held by other processes or left behind by dead ones. Whatever happens,
// the window never waits, the file is never changed except by a whole, successful replace,
// the person is told in the window, and nothing typed is lost once the obstacle is gone: the
// writer stores it by itself.
#include "framework/message/standard_error.h"
#include "res/resource_ids.h"
#include "tests/reliability/settings_fault_fixture.h"
#include "tests/support/failing_system_calls.h"
#include "tests/support/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fenwake {
namespace {

using test::FileStep;
using test::readSettingsFile;
using test::readSettingsFileNow;
using test::settingsPath;
using test::writeSettingsFile;
using namespace test::settings_fault;

struct StepFault {
    FileStep step;
    int error;
    const char* name;
    // The new file was in place before the step failed: it is there, and the failure said.
    bool replacedFirst = false;
};

void PrintTo(const StepFault& fault, std::ostream* out) {
    *out << fault.name;
}

class FailingStep : public SettingsFaultTest, public testing::WithParamInterface<StepFault> {};

INSTANTIATE_TEST_SUITE_P(SettingsFault, FailingStep,
                         testing::Values(StepFault{FileStep::Create, ENOSPC, "create_ENOSPC"},
                                         StepFault{FileStep::Create, EDQUOT, "create_EDQUOT"},
                                         // A read-only folder: no writing the file in place.
                                         StepFault{FileStep::Create, EACCES, "create_EACCES"},
                                         StepFault{FileStep::PartWrite, ENOSPC, "part_ENOSPC"},
                                         StepFault{FileStep::Write, ENOSPC, "write_ENOSPC"},
                                         StepFault{FileStep::Write, EIO, "write_EIO"},
                                         StepFault{FileStep::Write, EDQUOT, "write_EDQUOT"},
                                         StepFault{FileStep::Sync, ENOSPC, "sync_ENOSPC"},
                                         StepFault{FileStep::Sync, EIO, "sync_EIO"},
                                         StepFault{FileStep::Sync, EDQUOT, "sync_EDQUOT"},
                                         StepFault{FileStep::Replace, ENOSPC, "replace_ENOSPC"},
                                         StepFault{FileStep::Replace, EIO, "replace_EIO"},
                                         StepFault{FileStep::Replace, EDQUOT, "replace_EDQUOT"},
                                         StepFault{FileStep::FolderSync, EIO, "folder_sync_EIO",
                                                   true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(FailingStep, LeavesTheFileAsItWasSaysSoAndStoresByItselfOnceItWorksAgain) {
    const std::string afterFive = "[Settings]\nWaist=345.00\nWeight=180.00\nHeight=70.00\n";
    writeSettingsFile(stored);
    struct stat before {};
    ASSERT_EQ(stat(settingsPath().c_str(), &before), 0);
    openWindow();
    test::failStep(GetParam().step, GetParam().error, settingsFolder());
    testing::internal::CaptureStderr();
    typeInto(IDC_WAIST, "5");
    ASSERT_TRUE(noticeBecomes("Settings are not being saved"));
    StandardError::flush(std::chrono::seconds(5)); // said before the notice, written by now
    const std::string warnings = testing::internal::GetCapturedStderr();

    EXPECT_GT(test::failedCalls(), 0);
    EXPECT_EQ(readSettingsFileNow(), GetParam().replacedFirst ? afterFive : stored);
    struct stat after {};
    ASSERT_EQ(stat(settingsPath().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino == before.st_ino, !GetParam().replacedFirst)
        << "the file was written in place, or not replaced";
    EXPECT_EQ(ownLines(warnings), 1) << warnings;
    EXPECT_NE(warnings.find("settings not saved"), std::string::npos) << warnings;
    EXPECT_NE(noticeDetail().find(std::strerror(GetParam().error)), std::string::npos)
        << noticeDetail();
    EXPECT_TRUE(QTest::qWaitFor([] { return filesInFolder() == fileAndLock(); }, 2000))
        << "a temporary file was left behind: " << filesInFolder().join(' ').toStdString();

    test::stopFailing();
    EXPECT_TRUE(fileBecomes(afterFive));
    EXPECT_TRUE(noticeBecomes(""));
    typeInto(IDC_WEIGHT, "1");
    EXPECT_EQ(readSettingsFile(), storedAfterTyping);
}

// Trying again and again, the writer tells the trouble once, not at every try.
TEST_F(SettingsFaultTest, TellsTheTroubleOnceHoweverOftenItTriesAgain) {
    writeSettingsFile(stored);
    openWindow();
    test::failStep(FileStep::Write, EIO, settingsFolder());
    testing::internal::CaptureStderr();
    typeInto(IDC_WAIST, "5");
    ASSERT_TRUE(noticeBecomes("Settings are not being saved"));
    // Three tries, each failing: the same trouble, told once. (How long it waits between them
    // is the background writer's, tested with it.)
    ASSERT_TRUE(QTest::qWaitFor([] { return test::failedCalls() >= 3; }, 10000));
    StandardError::flush(std::chrono::seconds(5));
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(warnings), 1) << warnings;
    test::stopFailing();
    EXPECT_TRUE(fileBecomes(storedAfterFive));
}

// A replaced file keeps its permissions, whatever they are; only a new file takes the user's
// mask.
class KeptMode : public SettingsFaultTest, public testing::WithParamInterface<mode_t> {};

INSTANTIATE_TEST_SUITE_P(SettingsFault, KeptMode, testing::Values(0600, 0640, 0604, 0664),
                         [](const auto& info) {
                             char name[16];
                             std::snprintf(name, sizeof name, "mode_%04o", info.param);
                             return std::string(name);
                         });

TEST_P(KeptMode, AcrossAReplace) {
    writeSettingsFile(stored);
    ASSERT_EQ(chmod(settingsPath().c_str(), GetParam()), 0);
    openWindow();
    typeInto(IDC_WAIST, "5");
    EXPECT_EQ(readSettingsFile(), storedAfterFive);
    struct stat status {};
    ASSERT_EQ(stat(settingsPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, GetParam());
}

// A chain of the user's own links is followed to its end, eight links at most; a longer one
// (or a loop) is refused and left as it is.
struct Chain {
    int links;
    bool followed;
};

void PrintTo(const Chain& chain, std::ostream* out) {
    *out << chain.links << " links";
}

class LinkChain : public SettingsFaultTest, public testing::WithParamInterface<Chain> {};

INSTANTIATE_TEST_SUITE_P(SettingsFault, LinkChain,
                         testing::Values(Chain{1, true}, Chain{8, true}, Chain{9, false},
                                         Chain{20, false}),
                         [](const auto& info) {
                             return "links_" + std::to_string(info.param.links);
                         });

TEST_P(LinkChain, IsFollowedToItsEndOrRefused) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsFolder())));
    const std::string target = dotfilesFolder() + "/fenwake.conf";
    writeFile(target, stored);
    std::string next = target;
    for (int link = GetParam().links - 1; link >= 1; --link) {
        const std::string name = dotfilesFolder() + "/link" + std::to_string(link);
        ASSERT_EQ(symlink(next.c_str(), name.c_str()), 0);
        next = name;
    }
    ASSERT_EQ(symlink(next.c_str(), settingsPath().c_str()), 0);
    testing::internal::CaptureStderr();
    openWindow();
    typeInto(IDC_WAIST, "5");
    if (GetParam().followed) {
        EXPECT_EQ(readSettingsFile(), storedAfterFive);
        EXPECT_EQ(readFile(target), storedAfterFive);
    } else {
        EXPECT_TRUE(detailSays("leads through too many links")) << noticeDetail();
        EXPECT_EQ(readFile(target), stored);
    }
    StandardError::flush(std::chrono::seconds(5));
    testing::internal::GetCapturedStderr();
}

// On a disk where every sync takes 300 ms longer, typing never waits for it: the window's
// thread opens, writes, syncs, locks and renames nothing in the settings folder, each key
// shows at once, and the last value reaches the disk soon after the typing stops.
TEST_F(SettingsFaultTest, ASlowDiskNeverMakesTheWindowWait) {
    writeSettingsFile(stored);
    openWindow();
    focusField(IDC_WAIST);
    test::slowSyncs(std::chrono::milliseconds(300));
    test::countCallsOfThisThread(settingsFolder());
    std::string typed = "34";
    for (const char* key : {"1", "2", "3", "4", "5"}) {
        const int slowed = test::slowedCallsStarted();
        type(key);
        typed += key;
        EXPECT_EQ(text(IDC_WAIST), typed);
        // The next key comes while this one's commit waits for its slow sync.
        ASSERT_TRUE(QTest::qWaitFor([&] { return test::slowedCallsStarted() > slowed; }, 10000));
    }
    EXPECT_EQ(test::countedCalls(), 0);
    EXPECT_TRUE(fileBecomes("[Settings]\nWaist=3412345.00\nWeight=180.00\nHeight=70.00\n"));
    test::stopFailing();
}

// Something at the settings path that is not a settings file of the user's: nothing is read
// from it and nothing replaces it. The window opens on the defaults, says why, and whatever
// is there (and wherever a link leads) stays as it was for the person to look at.
struct Refusal {
    const char* name;
    // Makes the thing at the path; gives the paths that must stay as they are.
    std::function<std::vector<std::string>(const std::string& path)> make;
    const char* reason;
    bool needsAnotherUser = false;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

void sparseFile(const std::string& path, long long size) {
    std::ofstream(path).close();
    ASSERT_EQ(truncate(path.c_str(), size), 0);
}

std::vector<std::string> linkTo(const std::string& path, const std::string& target,
                                const std::string& text, uid_t linkOwner = getuid()) {
    writeFile(target, text);
    EXPECT_EQ(symlink(target.c_str(), path.c_str()), 0);
    EXPECT_EQ(lchown(path.c_str(), linkOwner, static_cast<gid_t>(-1)), 0);
    return {path, target};
}

class NotASettingsFile : public SettingsFaultTest, public testing::WithParamInterface<Refusal> {};

INSTANTIATE_TEST_SUITE_P(
    SettingsFault, NotASettingsFile,
    testing::Values(
        Refusal{"fifo",
                [](const std::string& path) {
                    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
                    return std::vector<std::string>{path};
                },
                "is not a regular file"},
        Refusal{"directory",
                [](const std::string& path) {
                    EXPECT_TRUE(QDir().mkpath(path.c_str()));
                    return std::vector<std::string>{path};
                },
                "is not a regular file"},
        Refusal{"socket",
                [](const std::string& path) {
                    static QLocalServer server;
                    server.setSocketOptions(QLocalServer::WorldAccessOption);
                    EXPECT_TRUE(server.listen(QString::fromStdString(path)));
                    return std::vector<std::string>{path};
                },
                "is not a regular file"},
        Refusal{"sparse_2GB",
                [](const std::string& path) {
                    sparseFile(path, 2LL << 30);
                    return std::vector<std::string>{path};
                },
                "is larger than 1 MiB"},
        Refusal{"file_100MB",
                [](const std::string& path) {
                    sparseFile(path, 100LL << 20);
                    return std::vector<std::string>{path};
                },
                "is larger than 1 MiB"},
        Refusal{"shell_file",
                [](const std::string& path) {
                    writeFile(path, shellFile);
                    return std::vector<std::string>{path};
                },
                "is not a settings file"},
        Refusal{"link_to_a_shell_file",
                [](const std::string& path) {
                    return linkTo(path, dotfilesFolder() + "/.bashrc", shellFile);
                },
                "is not a settings file"},
        Refusal{"file_of_another_user",
                [](const std::string& path) {
                    writeFile(path, stored);
                    EXPECT_EQ(chown(path.c_str(), anotherUser, anotherUser), 0);
                    return std::vector<std::string>{path};
                },
                "belongs to another user", true},
        Refusal{"link_of_another_user",
                [](const std::string& path) {
                    return linkTo(path, dotfilesFolder() + "/fenwake.conf", stored, anotherUser);
                },
                "belongs to another user", true},
        Refusal{"folder_of_another_user",
                [](const std::string& path) {
                    writeFile(path, stored);
                    EXPECT_EQ(chown(settingsFolder().c_str(), anotherUser, anotherUser), 0);
                    return std::vector<std::string>{path, settingsFolder()};
                },
                "belongs to another user", true},
        Refusal{"company_folder_linked_into_another_users",
                [](const std::string& path) {
                    const std::string theirs = dotfilesFolder() + "/theirs";
                    EXPECT_TRUE(QDir().mkpath(QString::fromStdString(theirs)));
                    writeFile(theirs + "/" + path.substr(path.rfind('/') + 1), stored);
                    EXPECT_EQ(chown(theirs.c_str(), anotherUser, anotherUser), 0);
                    EXPECT_TRUE(QDir(QString::fromStdString(settingsFolder())).removeRecursively());
                    EXPECT_EQ(symlink(theirs.c_str(), settingsFolder().c_str()), 0);
                    return std::vector<std::string>{theirs, path};
                },
                "belongs to another user", true}),
    [](const auto& info) { return std::string(info.param.name); });

std::string describe(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return "missing";
    }
    std::string description = std::to_string(status.st_mode) + " " +
                              std::to_string(status.st_size) + " " + std::to_string(status.st_ino) +
                              " " + std::to_string(status.st_uid) + " " +
                              std::to_string(status.st_mtim.tv_nsec);
    if (S_ISREG(status.st_mode) && status.st_size < 4096) {
        std::ifstream file(path, std::ios::binary);
        description += " " + std::string(std::istreambuf_iterator<char>(file), {});
    }
    return description;
}

TEST_P(NotASettingsFile, OpensOnTheDefaultsAndLeavesItAlone) {
    if (GetParam().needsAnotherUser && geteuid() != 0) {
        GTEST_SKIP() << "giving files to another user needs root";
    }
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsFolder())));
    std::vector<std::string> before;
    const std::vector<std::string> watched = GetParam().make(settingsPath());
    for (const std::string& path : watched) {
        before.push_back(describe(path));
    }
    testing::internal::CaptureStderr();
    openWindow();
    EXPECT_EQ(fields(), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_TRUE(noticeBecomes("Settings are not being saved"));
    EXPECT_TRUE(detailSays(GetParam().reason)) << noticeDetail();
    EXPECT_NE(noticeDetail().find(settingsPath()), std::string::npos) << noticeDetail();

    typeInto(IDC_WAIST, "3");
    EXPECT_TRUE(detailSays("settings not saved")) << noticeDetail();
    EXPECT_TRUE(detailSays(GetParam().reason)) << noticeDetail();
    const std::string detail = noticeDetail();
    EXPECT_EQ(detail.find("left as it is"), detail.rfind("left as it is")) << "said twice";
    StandardError::flush(std::chrono::seconds(5));
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(warnings), 1) << warnings;
    for (std::size_t i = 0; i < watched.size(); ++i) {
        EXPECT_EQ(describe(watched[i]), before[i]) << watched[i];
    }
    EXPECT_EQ(notice(), "Settings are not being saved");
}

// A link of the user's own, to a file of the user's own (as GNU Stow makes them), is written
// through: the file it leads to is replaced and the link stays a link.
TEST_F(SettingsFaultTest, ALinkOfTheUsersOwnIsWrittenThrough) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsFolder())));
    const std::string target = dotfilesFolder() + "/fenwake.conf";
    writeFile(target, stored);
    ASSERT_EQ(symlink("../../dotfiles/fenwake.conf", settingsPath().c_str()), 0);
    openWindow();
    EXPECT_EQ(fields(), (std::vector<std::string>{"34", "180", "70"}));
    typeInto(IDC_WAIST, "5");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=345.00\nWeight=180.00\nHeight=70.00\n");
    EXPECT_EQ(QFileInfo(QString::fromStdString(settingsPath())).symLinkTarget(),
              QFileInfo(QString::fromStdString(target)).canonicalFilePath());
    EXPECT_EQ(notice(), "");
}

// A live process holding the lock (here one that has been stopped, too) is waited for by the
// writer, never by the window: every key is handled while it holds the lock, the window says
// why nothing is saved, at once rather than after seconds (a person waits a moment, not
// longer, to be told; the writer waits a quarter of a second before it says so), and once it
// lets go everything typed meanwhile is stored without another key.
TEST_F(SettingsFaultTest, ALockHeldByARunningProgramIsWaitedForOffTheWindow) {
    writeSettingsFile(stored);
    QProcess holder;
    holder.start(SETTINGS_WRITER, {"hold", QString::fromStdString(settingsPath())});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(holder.readLine().trimmed().toStdString(), "held");
    kill(static_cast<pid_t>(holder.processId()), SIGSTOP);

    openWindow();
    test::countCallsOfThisThread(settingsFolder());
    typeInto(IDC_WAIST, "5");
    EXPECT_TRUE(noticeBecomes("Settings are not being saved", 2000));
    typeInto(IDC_WEIGHT, "1");
    EXPECT_TRUE(detailSays("locked by a running program")) << noticeDetail();
    EXPECT_EQ(test::countedCalls(), 0);
    EXPECT_EQ(readSettingsFileNow(), stored);

    kill(static_cast<pid_t>(holder.processId()), SIGCONT);
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_TRUE(fileBecomes(storedAfterTyping));
    EXPECT_TRUE(noticeBecomes(""));
}

struct Obstacle {
    const char* name;
    std::function<void(const std::string& path)> make;
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) {
    *out << obstacle.name;
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
    EXPECT_TRUE(noticeBecomes("Settings are not being saved"));
    EXPECT_TRUE(detailSays("cannot create the lock: " + lock)) << noticeDetail();
    EXPECT_EQ(readSettingsFileNow(), stored);

    QFile::remove(QString::fromStdString(lock));
    QDir().rmdir(QString::fromStdString(lock));
    EXPECT_TRUE(fileBecomes("[Settings]\nWaist=345.00\nWeight=180.00\nHeight=70.00\n"));
    EXPECT_TRUE(noticeBecomes(""));
}

// Whatever a dead or foreign program left in the lock file, it holds no kernel lock, so it
// never stops saving; the lock file goes with the commit.
struct LeftoverLock {
    const char* name;
    std::string text;
    uid_t owner = getuid();
    mode_t mode = 0644;
};

void PrintTo(const LeftoverLock& lock, std::ostream* out) {
    *out << lock.name;
}

class LeftoverLockFile : public SettingsFaultTest,
                         public testing::WithParamInterface<LeftoverLock> {};

INSTANTIATE_TEST_SUITE_P(
    SettingsFault, LeftoverLockFile,
    testing::Values(LeftoverLock{"empty", ""}, LeftoverLock{"nul_bytes", std::string(64, '\0')},
                    LeftoverLock{"garbage", "\x7f"
                                            "ELF\x02\x01 not a lock at all\n"},
                    LeftoverLock{"another_host", "4242\nfenwake\nanother-host.example\n"},
                    LeftoverLock{"our_own_pid",
                                 std::to_string(getpid()) + "\nsettings_fault_test\n" +
                                     QSysInfo::machineHostName().toStdString() + "\n"},
                    LeftoverLock{"another_users", "1\nfenwake\nhost\n", anotherUser},
                    LeftoverLock{"another_users_unreadable", "1\n", anotherUser, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LeftoverLockFile, NeverStopsSaving) {
    if (GetParam().owner != getuid() && geteuid() != 0) {
        GTEST_SKIP() << "giving files to another user needs root";
    }
    writeSettingsFile(stored);
    const std::string lock = settingsPath() + ".lock";
    writeFile(lock, GetParam().text);
    ASSERT_EQ(chown(lock.c_str(), GetParam().owner, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(chmod(lock.c_str(), GetParam().mode), 0);
    openWindow();
    typeInto(IDC_WAIST, "5");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=345.00\nWeight=180.00\nHeight=70.00\n");
    EXPECT_EQ(notice(), "");
    EXPECT_EQ(filesInFolder(), fileAndLock());
}

// The cap holds for what is written too: an edit may bring the file up to the cap, never
// past it.
TEST_F(SettingsFaultTest, NoCommitWritesAFileLargerThanTheCap) {
    const std::string settings = "[Settings]\nWaist=1.00\n";
    const std::size_t cap = 1024 * 1024;
    const std::string padding = "; " + std::string(cap - 1 - settings.size() - 3, 'x') + "\n";
    writeSettingsFile(padding + settings);
    ASSERT_EQ(readSettingsFileNow().size(), cap - 1);
    openWindow();
    typeInto(IDC_WAIST, "2");
    EXPECT_EQ(readSettingsFile(), padding + "[Settings]\nWaist=12.00\n");
    ASSERT_EQ(readSettingsFileNow().size(), cap);
    type("3");
    EXPECT_TRUE(detailSays("would grow past 1 MiB")) << noticeDetail();
    EXPECT_EQ(readSettingsFileNow(), padding + "[Settings]\nWaist=12.00\n");
    EXPECT_EQ(notice(), "Settings are not being saved");
}

} // namespace
} // namespace fenwake
