#include "framework/application.h"
#include "framework/profile.h"
#include "tests/support/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>

#include <climits>

namespace fenwake {
namespace {

using test::readSettingsFile;
using test::settingsPath;
using test::writeSettingsFile;

class ProfileTest : public testing::Test {
protected:
    Profile profile{"Kestrova", Application::applicationName()};
};

TEST_F(ProfileTest, LivesUnderTheCompanyInTheConfigurationFolder) {
    EXPECT_EQ(profile.filePath(), settingsPath());
    EXPECT_NE(settingsPath().find("/config/Kestrova/"), std::string::npos);
}

TEST_F(ProfileTest, WritesPlainIniText) {
    profile.writeText("Settings", "Weight", "180.00");
    profile.writeInteger("Settings", "Metric", 1);
    EXPECT_EQ(readSettingsFile(), "[Settings]\nMetric=1\nWeight=180.00\n");
}

TEST_F(ProfileTest, ReadingAMissingValueGivesTheDefault) {
    EXPECT_EQ(profile.readText("Settings", "Weight", "0.0"), "0.0");
    EXPECT_EQ(profile.readInteger("Settings", "Metric", 7), 7);
    EXPECT_EQ(readSettingsFile(), "<missing>");
}

TEST_F(ProfileTest, ReadsTheRawTextOfAValue) {
    writeSettingsFile("[Settings]\nWeight=72.5, kg\nWaist=@Variant(\\0\\0\\0\\x7f)\nHeight= 70 \n");
    EXPECT_EQ(profile.readText("Settings", "Weight", "0.0"), "72.5, kg");
    EXPECT_EQ(profile.readText("Settings", "Waist", "0.0"), "@Variant(\\0\\0\\0\\x7f)");
    EXPECT_EQ(profile.readText("Settings", "Height", "0.0"), "70");
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

TEST_F(ProfileTest, KeepsValuesItDidNotWrite) {
    writeSettingsFile("[Other]\nkept=yes\n[Settings]\nFemale=1\nWeight=72.5kg\n");
    profile.writeText("Settings", "Weight", "80.00");
    EXPECT_EQ(readSettingsFile(), "[Other]\nkept=yes\n\n[Settings]\nFemale=1\nWeight=80.00\n");
}

TEST_F(ProfileTest, DamagedFileReadsWhatItCanAndIsRepairedByAWrite) {
    writeSettingsFile(std::string("\0\x01garbage\n[Settings]\nFemale=1\n\xff\xfe", 30));
    EXPECT_EQ(profile.readInteger("Settings", "Female", 0), 1);
    profile.writeInteger("Settings", "Metric", 0);
    EXPECT_EQ(readSettingsFile(), "[Settings]\nFemale=1\nMetric=0\n");
}

TEST_F(ProfileTest, BatchedWritesReachDiskTogetherWhenTheBatchEnds) {
    profile.beginBatch();
    profile.writeInteger("Settings", "Metric", 1);
    profile.writeText("Settings", "Waist", "87.04");
    EXPECT_EQ(readSettingsFile(), "<missing>");
    profile.endBatch();
    EXPECT_EQ(readSettingsFile(), "[Settings]\nMetric=1\nWaist=87.04\n");
}

TEST_F(ProfileTest, EveryWriteOutsideABatchIsOnDiskAtOnce) {
    profile.writeText("Settings", "Weight", "1.00");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWeight=1.00\n");
    profile.writeText("Settings", "Weight", "18.00");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWeight=18.00\n");
}

TEST_F(ProfileTest, UnwritableLocationIsReportedOnceAndNothingStops) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settingsPath()))); // a folder in the way
    testing::internal::CaptureStderr();
    profile.writeText("Settings", "Weight", "1.00");
    profile.writeText("Settings", "Weight", "2.00");
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(profile.lastWriteSucceeded());
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
    EXPECT_NE(warnings.find("settings not saved"), std::string::npos);
    EXPECT_EQ(profile.readText("Settings", "Weight", "none"), "none");
}

TEST(ProfileWithoutCompany, NeitherReadsNorWritesAnyFile) {
    writeSettingsFile("[Settings]\nMetric=1\n");
    Profile profile({}, Application::applicationName());
    EXPECT_EQ(profile.readInteger("Settings", "Metric", 0), 0);
    testing::internal::CaptureStderr();
    profile.writeInteger("Settings", "Metric", 0);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(profile.lastWriteSucceeded());
    EXPECT_EQ(readSettingsFile(), "[Settings]\nMetric=1\n");
    EXPECT_EQ(profile.filePath(), "");
}

} // namespace
} // namespace fenwake
