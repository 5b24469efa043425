// The window's settings among the other programs a desktop runs on the same file: QSettings in
// another Qt program, a shell script that takes the lock with flock(1), an editor that writes
// the file in place, and the person's own link to a file that is no settings file at all. And
// the end of the process as the disk keeps it waiting: what is said then is what happens.
#include "framework/message/standard_error.h"
#include "framework/profile/profile.h"
#include "res/resource_ids.h"
#include "tests/reliability/settings_fault_fixture.h"
#include "tests/support/failing_system_calls.h"

#include <QProcess>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace fenwake {
namespace {

using namespace std::chrono_literals;
using namespace test::settings_fault;
using test::FileStep;
using test::readSettingsFile;
using test::readSettingsFileNow;
using test::settingsPath;
using test::writeSettingsFile;

// A helper process that answers each step with a word.
class Helper {
public:
    explicit Helper(const QStringList& arguments) { process.start(SETTINGS_WRITER, arguments); }
    ~Helper() {
        process.closeWriteChannel();
        process.waitForFinished(10000);
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    std::string next() {
        if (!process.canReadLine() && !process.waitForReadyRead(30000)) {
            return "<nothing>";
        }
        return process.readLine().trimmed().toStdString();
    }
    void go() { process.write("\n"); }
    QProcess process;
};

using NeighboursTest = SettingsFaultTest;

// QLockFile lets go by closing its file and then removing it. Between the two the kernel lock
// is free, but the lock is still QLockFile's: a commit then would run beside the next QSettings
// that takes it. The writer waits until the file is gone.
TEST_F(NeighboursTest, AQLockFileLettingGoHoldsTheLockUntilItsFileIsGone) {
    writeSettingsFile(stored);
    Helper qtProgram({"qlock-gap", QString::fromStdString(settingsPath())});
    ASSERT_EQ(qtProgram.next(), "held");
    qtProgram.go();
    ASSERT_EQ(qtProgram.next(), "closed");

    openWindow();
    typeInto(IDC_WAIST, "5");
    EXPECT_TRUE(detailSays("locked by a running program")) << noticeDetail();
    EXPECT_EQ(readSettingsFileNow(), stored);

    qtProgram.go();
    ASSERT_EQ(qtProgram.next(), "removed");
    EXPECT_TRUE(fileBecomes(storedAfterFive));
    EXPECT_TRUE(noticeBecomes(""));
}

// A shell script that waits with flock(1) while a commit holds the lock gets the lock when the
// commit lets go, and has it alone: the next commit waits for it. (Were the lock file removed
// as it is let go, the script would hold a lock on a file without a name while the next commit
// made a new one.)
TEST_F(NeighboursTest, AFlockUserWhoWaitedHasTheLockAlone) {
    writeSettingsFile(stored);
    openWindow();
    test::slowSyncs(300ms); // each commit holds the lock for a while
    const int slowed = test::slowedCallsStarted();
    typeInto(IDC_WAIST, "5");
    // The commit is under way, in its slow sync, holding the lock.
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::slowedCallsStarted() > slowed; }, 10000));
    const std::string before = settingsFolder() + "/../before";
    const std::string after = settingsFolder() + "/../after";
    QProcess script;
    script.start("flock", {QString::fromStdString(lockPath()), "sh", "-c",
                           QString::fromStdString("cat '" + settingsPath() + "' >'" + before +
                                                  "'; sleep 2; cat '" + settingsPath() + "' >'" +
                                                  after + "'")});
    ASSERT_TRUE(script.waitForStarted());
    EXPECT_EQ(readSettingsFile(), storedAfterFive);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(before.c_str()); }, 10000));
    type("6");
    ASSERT_TRUE(script.waitForFinished(30000));
    EXPECT_EQ(readFile(after), readFile(before)) << "a commit ran inside the script's lock";
    EXPECT_EQ(readFile(before), storedAfterFive);
    EXPECT_TRUE(fileBecomes("[Settings]\nWaist=3456.00\nWeight=180.00\nHeight=70.00\n"));
    test::stopFailing();
}

// Another Qt program writing the same file with QSettings while a person types: every commit of
// either keeps what the other wrote, and the file ends with the last value of each.
TEST_F(NeighboursTest, QSettingsInAnotherProgramAndTheWindowKeepEachOthersValues) {
    writeSettingsFile(stored);
    openWindow();
    focusField(IDC_WAIST);
    Helper qtProgram({"qsettings", QString::fromStdString(settingsPath()), "60"});
    for (int key = 0; key < 41; ++key) {
        if (key % 2 == 0) {
            type("5");
        } else {
            press(Qt::Key_Backspace);
        }
        // Each value on disk before the next: the two programs' commits take turns.
        ASSERT_TRUE(application.profile().waitUntilWritten(10s));
    }
    ASSERT_TRUE(qtProgram.process.state() == QProcess::NotRunning ||
                qtProgram.process.waitForFinished(60000));
    EXPECT_EQ(qtProgram.process.exitCode(), 0);
    readSettingsFile();
    const auto values = ProfileFileFormat::parse(readSettingsFileNow());
    EXPECT_EQ(values.at("Settings/Waist"), "345.00");
    EXPECT_EQ(values.at("Other/count"), "60");
    EXPECT_EQ(values.at("Settings/Weight"), "180.00");
}

// An editor that writes in place empties the file and writes it a moment later. A commit in
// between waits for it, and then changes only its own line of what the editor wrote: the
// person's comments and other sections stay.
TEST_F(NeighboursTest, AnEditorWritingInPlaceLosesNothing) {
    const std::string edited = "; my numbers\n[Settings]\nWaist=34.00\nWeight=180.00\n"
                               "Height=70.00\n\n[Other]\nk=v\n";
    writeSettingsFile(edited);
    openWindow();
    ASSERT_EQ(truncate(settingsPath().c_str(), 0), 0);
    test::countReadsElsewhere(settingsPath());
    typeInto(IDC_WAIST, "5");
    // The commit finds the file empty and looks again, waiting for the editor.
    ASSERT_TRUE(QTest::qWaitFor([] { return test::countedReads() >= 2; }, 10000));
    EXPECT_EQ(readSettingsFileNow(), "") << "the emptied file was taken for the person's";
    const std::string saved = "; my numbers, kept\n[Settings]\nWaist=34.00\nWeight=181.00\n"
                              "Height=70.00\n\n[Other]\nk=v\n";
    writeSettingsFile(saved);
    EXPECT_TRUE(fileBecomes("; my numbers, kept\n[Settings]\nWaist=345.00\nWeight=181.00\n"
                            "Height=70.00\n\n[Other]\nk=v\n"));
    EXPECT_EQ(notice(), "");
}

// Emptied on purpose, and left so, the file is taken as the person left it, after a moment.
TEST_F(NeighboursTest, AFileEmptiedOnPurposeIsTakenAsEmptied) {
    writeSettingsFile(stored);
    openWindow();
    ASSERT_EQ(truncate(settingsPath().c_str(), 0), 0);
    typeInto(IDC_WAIST, "5");
    EXPECT_TRUE(fileBecomes("[Settings]\nWaist=345.00\n"));
}

// A file that was empty when Fenwake read it is no editor's file half written: a commit
// merges into it at once, reading it once, and does not poll it for the text an editor would
// write back.
TEST_F(NeighboursTest, AFileEmptyFromTheStartIsWrittenWithoutWaitingForARefill) {
    writeSettingsFile("");
    openWindow();
    test::countReadsElsewhere(settingsPath());
    typeInto(IDC_WAIST, "5");
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return readSettingsFileNow().starts_with("[Settings]\nWaist="); }, 10000));
    EXPECT_EQ(test::countedReads(), 1);
}

// A link of the person's own from the settings path to a file of KEY=value lines (an
// environment or alias file): every line has an '=', but it holds no [Settings] section and is
// no settings file; it is read as none and left byte for byte.
struct ForeignFile {
    const char* name;
    const char* text;
};

void PrintTo(const ForeignFile& file, std::ostream* out) {
    *out << file.name;
}

class LinkToAForeignFile : public NeighboursTest,
                           public testing::WithParamInterface<ForeignFile> {};

INSTANTIATE_TEST_SUITE_P(
    SettingsFault, LinkToAForeignFile,
    testing::Values(ForeignFile{"environment_file", "# my environment\nPATH=/usr/bin\nEDITOR=vi\n"},
                    ForeignFile{"alias_file", "alias ll=\"ls -l\"\nalias la=\"ls -A\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LinkToAForeignFile, IsNeverWritten) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsFolder())));
    const std::string target = dotfilesFolder() + "/" + GetParam().name;
    writeFile(target, GetParam().text);
    ASSERT_EQ(symlink(target.c_str(), settingsPath().c_str()), 0);
    testing::internal::CaptureStderr();
    openWindow();
    typeInto(IDC_WAIST, "5");
    EXPECT_TRUE(detailSays("is not a settings file")) << noticeDetail();
    StandardError::flush(5s);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readFile(target), GetParam().text);
}

// The window's size has a file of its own, and a link of it to an environment file is left
// alone just the same; what is said of it names the window's size, not the settings.
TEST_P(LinkToAForeignFile, AsTheWindowStateIsNeverWritten) {
    const std::string state = std::string(std::getenv("XDG_STATE_HOME")) + "/Kestrova/" +
                              Application::applicationName() + ".state";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(state.c_str()).path()));
    const std::string target = dotfilesFolder() + "/" + GetParam().name;
    writeFile(target, GetParam().text);
    ASSERT_EQ(symlink(target.c_str(), state.c_str()), 0);
    testing::internal::CaptureStderr();
    openWindow();
    dialog.reset(); // closing keeps the size
    EXPECT_FALSE(application.state().waitUntilWritten(1s));
    StandardError::flush(5s);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(readFile(target), GetParam().text);
    EXPECT_NE(said.find("fenwake: window size not read: " + state + " is not a settings file"),
              std::string::npos)
        << said;
    EXPECT_EQ(said.find("settings not"), std::string::npos) << said;
    EXPECT_EQ(ownLines(said), 1) << said;
}

// A lock that cannot be made (a folder that is read-only) is reported with the reason it
// could not be made, not with one left over from a later call.
TEST_F(NeighboursTest, ALockThatCannotBeMadeIsToldWithItsOwnReason) {
    writeSettingsFile(stored);
    openWindow();
    test::failStep(FileStep::LockCreate, EACCES, settingsFolder());
    typeInto(IDC_WAIST, "5");
    EXPECT_TRUE(detailSays("cannot create the lock: " + lockPath() + ": " + std::strerror(EACCES)))
        << noticeDetail();
    test::stopFailing();
    EXPECT_TRUE(fileBecomes(storedAfterFive));
}

// The end of the process while a commit is under way: what is said is what happens. Given up
// before its rename, the commit never lands, and the file is said to be left as it was; caught
// in a rename that hangs, it may still land, and that is what is said.
struct LateEnd {
    const char* name;
    bool slowRename; // else the sync before it is slow
    const char* said;
    bool lands;
};

void PrintTo(const LateEnd& end, std::ostream* out) {
    *out << end.name;
}

class ClosingWhileTheDiskWaits : public NeighboursTest,
                                 public testing::WithParamInterface<LateEnd> {};

INSTANTIATE_TEST_SUITE_P(
    SettingsFault, ClosingWhileTheDiskWaits,
    testing::Values(LateEnd{"in_a_slow_sync", false, "; the file is left as it was", false},
                    LateEnd{"in_a_hanging_rename", true,
                            "; the file holds either them or the values before", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ClosingWhileTheDiskWaits, SaysWhatWillHappenToTheFile) {
    writeSettingsFile(stored);
    openWindow();
    if (GetParam().slowRename) {
        test::slowRenames(1500ms);
    } else {
        test::slowSyncs(1500ms);
    }
    const int slowed = test::slowedCallsStarted();
    typeInto(IDC_WAIST, "5");
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::slowedCallsStarted() > slowed; }, 10000));
    testing::internal::CaptureStderr();
    application.profile().finish(300ms);
    StandardError::flush(5s);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ownLines(said), 1) << said;
    EXPECT_NE(said.find(GetParam().said), std::string::npos) << said;
    // Once the disk is done with the call it held, and the writer with its temporary file.
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::slowedCallsEnded() > slowed; }, 10000));
    ASSERT_TRUE(
        QTest::qWaitFor([] { return filesInFolder().filter(".saving-").isEmpty(); }, 10000));
    EXPECT_EQ(readSettingsFileNow(), GetParam().lands ? storedAfterFive : stored);
    test::stopFailing();
}

} // namespace
} // namespace fenwake
