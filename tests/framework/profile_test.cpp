#include "framework/application/application.h"
#include "framework/message/standard_error.h"
#include "framework/profile/profile.h"
#include "tests/support/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTest>

#include <atomic>
#include <climits>
#include <sys/stat.h>

namespace fenwake {
namespace {

using test::readSettingsFile;
using test::readSettingsFileNow;
using test::settingsPath;
using test::writeSettingsFile;

class ProfileTest : public testing::Test {
protected:
    std::string fileText() { return readSettingsFile(profile); }

    Profile profile{"Kestrova", Application::applicationName()};
};

unsigned long long fileIdentity() {
    struct stat status {};
    return stat(settingsPath().c_str(), &status) == 0 ? status.st_ino : 0;
}

TEST_F(ProfileTest, LivesUnderTheCompanyInTheConfigurationFolder) {
    EXPECT_EQ(profile.filePath(), settingsPath());
    EXPECT_NE(settingsPath().find("/config/Kestrova/"), std::string::npos);
}

TEST_F(ProfileTest, WritesPlainIniText) {
    profile.writeText("Settings", "Weight", "180.00");
    profile.writeInteger("Settings", "Metric", 1);
    EXPECT_EQ(fileText(), "[Settings]\nWeight=180.00\nMetric=1\n");
}

TEST_F(ProfileTest, ReadingAMissingValueGivesTheDefault) {
    EXPECT_EQ(profile.readText("Settings", "Weight", "0.0"), "0.0");
    EXPECT_EQ(profile.readInteger("Settings", "Metric", 7), 7);
    EXPECT_EQ(fileText(), "<missing>");
    EXPECT_EQ(profile.trouble(), "");
}

// Start-up reads the file once: later reads are answered from memory, where every value
// written is seen at once.
TEST_F(ProfileTest, ReadsTheFileOnceAndSeesItsOwnWritesAtOnce) {
    writeSettingsFile("[Settings]\nWaist=30.00\nWeight=70.00\n");
    EXPECT_EQ(profile.readText("Settings", "Waist", "none"), "30.00");
    writeSettingsFile("[Settings]\nWaist=99.00\nWeight=99.00\n");
    EXPECT_EQ(profile.readText("Settings", "Weight", "none"), "70.00");
    profile.writeText("Settings", "Waist", "31.00");
    EXPECT_EQ(profile.readText("Settings", "Waist", "none"), "31.00");
}

// A hand-edited file means what Qt's own INI reader says it means (commas aside, which make
// no lists here).
TEST_F(ProfileTest, ReadsValuesAsQSettingsDoes) {
    writeSettingsFile("[Settings]\nWeight=\"1e2\"\nWaist=\"   72.5\"\nHeight=7\\x32\n"
                      "Female=\\061 ; a note\nMetric=\"a;b=c\"\nOther=@@x\n");
    const QSettings qt(QString::fromStdString(settingsPath()), QSettings::IniFormat);
    for (const char* key : {"Weight", "Waist", "Height", "Female", "Metric", "Other"}) {
        EXPECT_EQ(profile.readText("Settings", key, "none"),
                  qt.value(QString("Settings/") + key).toString().toStdString())
            << key;
    }
    EXPECT_EQ(profile.readText("Settings", "Waist", "none"), "   72.5");
}

// What Fenwake writes, QSettings reads back as the same text.
TEST_F(ProfileTest, WhatItWritesReadsBackThroughQSettings) {
    const std::vector<std::string> texts{"34.00", "-3.50",     "inf",      " lead",    "a;b",
                                         "a,b",   "x=y",       "q\"uote",  "b\\s",     "tab\t",
                                         "@at",   "new\nline", "\x01\x02", "\xc3\xbc", ""};
    const auto key = [](std::size_t i) {
        std::string name = "k";
        name += std::to_string(i);
        return name;
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        profile.writeText("Settings", key(i), texts[i]);
    }
    ASSERT_TRUE(profile.waitUntilWritten(std::chrono::seconds(10)));
    const QSettings qt(QString::fromStdString(settingsPath()), QSettings::IniFormat);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(qt.value(QString("Settings/k%1").arg(i)).toString().toStdString(), texts[i]) << i;
        EXPECT_EQ(profile.readText("Settings", key(i), "none"), texts[i]) << i;
    }
}

struct IntegerCase {
    const char* stored;
    int expected;
};

void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << '"' << c.stored << '"';
}

class ReadsIntegers : public ProfileTest, public testing::WithParamInterface<IntegerCase> {};

INSTANTIATE_TEST_SUITE_P(
    Profile, ReadsIntegers,
    testing::Values(IntegerCase{"1", 1}, IntegerCase{"0", 0}, IntegerCase{"2", 2},
                    IntegerCase{"-1", -1}, IntegerCase{" 7 ", 7}, IntegerCase{"+3", 3},
                    IntegerCase{"\"1\"", 1},
                    // Out of range saturates, so a non-zero value never reads as zero.
                    IntegerCase{"4294967296", INT_MAX}, IntegerCase{"4294967297", INT_MAX},
                    IntegerCase{"-99999999999999999999", INT_MIN},
                    // Not an integer: the default.
                    IntegerCase{"", -5}, IntegerCase{"abc", -5}, IntegerCase{"1.5", -5},
                    IntegerCase{"1x", -5}, IntegerCase{"true", -5}, IntegerCase{"--1", -5}));

TEST_P(ReadsIntegers, AsTheWholeDecimalText) {
    writeSettingsFile(std::string("[Settings]\nMetric=") + GetParam().stored + "\n");
    EXPECT_EQ(profile.readInteger("Settings", "Metric", -5), GetParam().expected);
}

// A person's file keeps every byte but the value that changed: comments, blank lines, line
// ends, a byte order mark, the spelling of keys, other sections and bytes that are no UTF-8.
TEST_F(ProfileTest, ChangesOnlyTheLinesOfTheValuesItWrites) {
    const std::string before = "\xEF\xBB\xBF; my numbers\r\n\r\n[Other]\r\nlist=a, \"b\"\r\n"
                               "[Settings]\r\n  Weight = 72.5kg ; on Monday\r\nmy key=x\r\n"
                               "\xE4\xB8\xAD=\xFF\xFE\r\n# the end\r\n";
    writeSettingsFile(before);
    profile.writeText("Settings", "Weight", "80.00");
    const std::string changed = "\xEF\xBB\xBF; my numbers\r\n\r\n[Other]\r\nlist=a, \"b\"\r\n"
                                "[Settings]\r\n  Weight = 80.00 ; on Monday\r\nmy key=x\r\n"
                                "\xE4\xB8\xAD=\xFF\xFE\r\n";
    EXPECT_EQ(fileText(), changed + "# the end\r\n");
    profile.writeInteger("Settings", "Female", 1);
    EXPECT_EQ(fileText(), changed + "Female=1\r\n# the end\r\n");
}

// A file with lines that are no part of a settings file (someone else's, or damaged) is
// never taken for one: nothing is read from it and nothing replaces it.
TEST_F(ProfileTest, AFileThatIsNoSettingsFileIsReadAsNoneAndNeverReplaced) {
    const std::string damaged("\0\x01garbage\n[Settings]\nFemale=1\n\xff\xfe", 30);
    writeSettingsFile(damaged);
    testing::internal::CaptureStderr();
    EXPECT_EQ(profile.readInteger("Settings", "Female", 0), 0);
    profile.writeInteger("Settings", "Metric", 0);
    EXPECT_FALSE(profile.waitUntilWritten(std::chrono::milliseconds(500)));
    profile.finish(std::chrono::milliseconds(0));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readSettingsFileNow(), damaged);
    EXPECT_NE(profile.trouble().find("is not a settings file"), std::string::npos)
        << profile.trouble();
}

// A handler's writes reach the disk in one replace when its batch ends, however the code it
// calls nests batches of its own; until then they are read as they will be stored.
TEST_F(ProfileTest, BatchedWritesReachDiskTogetherWhenTheOutermostBatchEnds) {
    writeSettingsFile("[Settings]\nWaist=30.00\n");
    profile.beginBatch();
    profile.writeInteger("Settings", "Metric", 1);
    profile.beginBatch();
    profile.writeText("Settings", "Waist", "87.04");
    profile.endBatch();
    EXPECT_EQ(fileText(), "[Settings]\nWaist=30.00\n");
    EXPECT_EQ(profile.readText("Settings", "Waist", "none"), "87.04");
    EXPECT_EQ(profile.readInteger("Settings", "Metric", 0), 1);
    profile.endBatch();
    EXPECT_EQ(fileText(), "[Settings]\nWaist=87.04\nMetric=1\n");
}

// Every write reaches the disk as a new file put in the old one's place: a crash mid-write
// can then never leave half a file.
TEST_F(ProfileTest, EveryWriteReplacesTheFileWhole) {
    profile.writeText("Settings", "Weight", "1.00");
    EXPECT_EQ(fileText(), "[Settings]\nWeight=1.00\n");
    const auto first = fileIdentity();
    profile.writeText("Settings", "Weight", "18.00");
    EXPECT_EQ(fileText(), "[Settings]\nWeight=18.00\n");
    EXPECT_NE(fileIdentity(), first);
}

// The trouble is said once on standard error, and heard on the profile's thread as it
// changes; once the obstacle is gone the writer stores what is pending by itself.
TEST(ProfileInTheWay, AFolderInTheWayIsReportedOnceLeftAloneAndCleared) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsPath()) + "/inside"));
    // Its writer at a quick pace, each wait told.
    std::atomic<int> waits{0};
    Pacing pace;
    pace.first = std::chrono::milliseconds(1);
    pace.last = std::chrono::milliseconds(4);
    pace.waiting = [&waits](std::chrono::milliseconds) {
        ++waits;
    };
    Profile profile("Kestrova", Application::applicationName(), Profile::Kind::Settings, pace);
    const auto fileText = [&profile] {
        return readSettingsFile(profile);
    };
    std::vector<std::string> heard;
    profile.setTroubleListener([&heard](const std::string& trouble) { heard.push_back(trouble); });
    testing::internal::CaptureStderr();
    EXPECT_EQ(profile.readText("Settings", "Weight", "none"), "none");
    profile.writeText("Settings", "Weight", "1.00");
    profile.writeText("Settings", "Weight", "2.00");
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard.size() == 2; }, 10000));
    // The writer tries again on its own: the same trouble is no news.
    const int before = waits;
    EXPECT_TRUE(QTest::qWaitFor([&] { return waits >= before + 3; }, 10000));
    EXPECT_EQ(heard.size(), 2u);
    StandardError::flush(std::chrono::seconds(5));
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
    EXPECT_NE(warnings.find("settings not read: " + settingsPath() + " is not a regular file"),
              std::string::npos)
        << warnings;
    EXPECT_NE(profile.trouble().find("settings not saved"), std::string::npos);
    EXPECT_TRUE(QDir(QString::fromStdString(settingsPath()) + "/inside").exists());

    ASSERT_TRUE(QDir(QString::fromStdString(settingsPath())).removeRecursively());
    EXPECT_EQ(fileText(), "[Settings]\nWeight=2.00\n");
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard.size() == 3; }, 10000));
    EXPECT_EQ(profile.trouble(), "");
    EXPECT_EQ(heard.back(), "");
}

// The end of the process hands over what a batch still holds, and writes it.
TEST_F(ProfileTest, FinishingWritesWhatABatchStillHolds) {
    profile.beginBatch();
    profile.writeText("Settings", "Waist", "34.00");
    profile.finish();
    EXPECT_EQ(readSettingsFileNow(), "[Settings]\nWaist=34.00\n");
}

TEST(ProfileWithoutCompany, NeitherReadsNorWritesAnyFile) {
    writeSettingsFile("[Settings]\nMetric=1\n");
    Profile profile({}, Application::applicationName());
    EXPECT_EQ(profile.readInteger("Settings", "Metric", 0), 0);
    testing::internal::CaptureStderr();
    profile.writeInteger("Settings", "Metric", 0);
    testing::internal::GetCapturedStderr();
    EXPECT_NE(profile.trouble(), "");
    EXPECT_EQ(readSettingsFile(profile), "[Settings]\nMetric=1\n");
    EXPECT_EQ(profile.filePath(), "");
}

} // namespace
} // namespace fenwake
