#include "settings/settings_store.h"
#include "tests/support/settings_file.h"
#include "tests/support/test_application.h"

#include <gtest/gtest.h>

#include <string>

namespace fenwake {
namespace {

using test::readSettingsFile;
using test::writeSettingsFile;

class SettingsStoreTest : public testing::Test {
protected:
    test::TestApplication application;
};

TEST_F(SettingsStoreTest, FirstRunStartsFromZeroImperialAndMale) {
    EXPECT_EQ(SettingsStore::loadWeight(), 0.0);
    EXPECT_EQ(SettingsStore::loadWaist(), 0.0);
    EXPECT_EQ(SettingsStore::loadHeight(), 0.0);
    EXPECT_FALSE(SettingsStore::loadMetric());
    EXPECT_FALSE(SettingsStore::loadFemale());
    EXPECT_EQ(readSettingsFile(), "<missing>");
}

struct StoredNumber {
    const char* text;
    double value;
};

void PrintTo(const StoredNumber& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class LoadsNumbers : public SettingsStoreTest, public testing::WithParamInterface<StoredNumber> {};

INSTANTIATE_TEST_SUITE_P(SettingsStore, LoadsNumbers,
                         testing::Values(StoredNumber{"180.00", 180.0}, StoredNumber{"", 0.0},
                                         StoredNumber{"abc", 0.0}, StoredNumber{"  72.5", 72.5},
                                         StoredNumber{"72.5kg", 72.5},
                                         StoredNumber{"72.5, kg", 72.5}, StoredNumber{"1e2", 100.0},
                                         StoredNumber{"-3.50", -3.5},
                                         StoredNumber{"154.00", 154.0}));

TEST_P(LoadsNumbers, ByTheLeadingNumberOfTheText) {
    const std::string text = GetParam().text;
    writeSettingsFile("[Settings]\nWeight=" + text + "\nWaist=" + text + "\nHeight=" + text + "\n");
    EXPECT_EQ(SettingsStore::loadWeight(), GetParam().value);
    EXPECT_EQ(SettingsStore::loadWaist(), GetParam().value);
    EXPECT_EQ(SettingsStore::loadHeight(), GetParam().value);
}

struct StoredFlag {
    const char* text;
    bool set;
};

void PrintTo(const StoredFlag& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class LoadsFlags : public SettingsStoreTest, public testing::WithParamInterface<StoredFlag> {};

INSTANTIATE_TEST_SUITE_P(SettingsStore, LoadsFlags,
                         testing::Values(StoredFlag{"1", true}, StoredFlag{"0", false},
                                         StoredFlag{"2", true}, StoredFlag{"-1", true},
                                         StoredFlag{"4294967296", true}, StoredFlag{"", false},
                                         StoredFlag{"abc", false}));

TEST_P(LoadsFlags, AnyNonZeroIntegerIsSet) {
    const std::string text = GetParam().text;
    writeSettingsFile("[Settings]\nMetric=" + text + "\nFemale=" + text + "\n");
    EXPECT_EQ(SettingsStore::loadMetric(), GetParam().set);
    EXPECT_EQ(SettingsStore::loadFemale(), GetParam().set);
}

TEST_F(SettingsStoreTest, SavesNumbersWithTwoDecimals) {
    SettingsStore::saveWeight(154.0000000002);
    SettingsStore::saveWaist(12.3456);
    SettingsStore::saveHeight(-3.5);
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWeight=154.00\nWaist=12.35\nHeight=-3.50\n");
    EXPECT_EQ(SettingsStore::loadWeight(), 154.0);
    EXPECT_EQ(SettingsStore::loadWaist(), 12.35);
}

TEST_F(SettingsStoreTest, SavesFlagsAsOneAndZero) {
    SettingsStore::saveMetric(true);
    SettingsStore::saveFemale(false);
    EXPECT_EQ(readSettingsFile(), "[Settings]\nMetric=1\nFemale=0\n");
}

TEST_F(SettingsStoreTest, EachSaveWritesOnlyItsOwnKey) {
    writeSettingsFile("[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\n");
    SettingsStore::saveFemale(true);
    EXPECT_EQ(readSettingsFile(),
              "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=1\n");
}

// The method is a text of its own; anything else, or nothing, is the waist-and-weight formula.
struct StoredMethod {
    const char* name;
    const char* file;
    FatMethod method;
};

void PrintTo(const StoredMethod& c, std::ostream* out) {
    *out << c.name;
}

class LoadsTheMethod : public SettingsStoreTest,
                       public testing::WithParamInterface<StoredMethod> {};

INSTANTIATE_TEST_SUITE_P(
    SettingsStore, LoadsTheMethod,
    testing::Values(StoredMethod{"missing", "[Settings]\nWaist=1\n", FatMethod::WaistAndWeight},
                    StoredMethod{"ymca", "[Settings]\nMethod=YMCA\n", FatMethod::WaistAndWeight},
                    StoredMethod{"navy", "[Settings]\nMethod=Navy\n", FatMethod::Navy},
                    StoredMethod{"rfm", "[Settings]\nMethod=RFM\n", FatMethod::RelativeFatMass},
                    StoredMethod{"unknown", "[Settings]\nMethod=DEXA\n", FatMethod::WaistAndWeight},
                    StoredMethod{"other_case", "[Settings]\nMethod=navy\n",
                                 FatMethod::WaistAndWeight},
                    StoredMethod{"empty", "[Settings]\nMethod=\n", FatMethod::WaistAndWeight}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LoadsTheMethod, ByItsNameAlone) {
    writeSettingsFile(GetParam().file);
    EXPECT_EQ(SettingsStore::loadMethod(), GetParam().method);
}

TEST_F(SettingsStoreTest, StoresTheMethodAndTheNeckAndHipOnlyOnceUsed) {
    writeSettingsFile("[Settings]\nWaist=34.00\n");
    EXPECT_FALSE(SettingsStore::hasNeck());
    EXPECT_FALSE(SettingsStore::hasHip());
    EXPECT_EQ(SettingsStore::loadNeck(), 0.0);
    SettingsStore::saveMethod(FatMethod::RelativeFatMass);
    SettingsStore::saveMethod(FatMethod::Navy);
    SettingsStore::saveNeck(15.126);
    EXPECT_TRUE(SettingsStore::hasNeck());
    EXPECT_FALSE(SettingsStore::hasHip());
    SettingsStore::saveHip(40.0);
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=34.00\nMethod=Navy\nNeck=15.13\nHip=40.00\n");
    EXPECT_EQ(SettingsStore::loadNeck(), 15.13);
    EXPECT_EQ(SettingsStore::loadMethod(), FatMethod::Navy);
    SettingsStore::saveMethod(FatMethod::WaistAndWeight);
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=34.00\nMethod=YMCA\nNeck=15.13\nHip=40.00\n");
}

} // namespace
} // namespace fenwake
