#include "engine/bmi_category.h"
#include "engine/fat_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fenwake {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

double justAbove(double value) {
    return std::nextafter(value, inf);
}

struct FatCase {
    double percentage;
    bool female;
    FatRating expected;
};

void PrintTo(const FatCase& c, std::ostream* out) {
    *out << (c.female ? "woman " : "man ") << c.percentage;
}

class FatBands : public testing::TestWithParam<FatCase> {};

INSTANTIATE_TEST_SUITE_P(
    Ratings, FatBands,
    testing::Values(
        // A man: 10, 13, 17 and 25, each edge in the lower band.
        FatCase{10.0, false, FatRating::VeryLow}, FatCase{justAbove(10.0), false, FatRating::Low},
        FatCase{10.004, false, FatRating::Low}, FatCase{13.0, false, FatRating::Low},
        FatCase{justAbove(13.0), false, FatRating::Average},
        FatCase{17.0, false, FatRating::Average}, FatCase{justAbove(17.0), false, FatRating::High},
        FatCase{25.0, false, FatRating::High}, FatCase{justAbove(25.0), false, FatRating::VeryHigh},
        FatCase{15.51111111111112, false, FatRating::Average},
        // A woman: 17, 20, 27 and 31.
        FatCase{17.0, true, FatRating::VeryLow}, FatCase{justAbove(17.0), true, FatRating::Low},
        FatCase{20.0, true, FatRating::Low}, FatCase{justAbove(20.0), true, FatRating::Average},
        FatCase{27.0, true, FatRating::Average}, FatCase{justAbove(27.0), true, FatRating::High},
        FatCase{31.0, true, FatRating::High}, FatCase{justAbove(31.0), true, FatRating::VeryHigh},
        FatCase{28.812237762237757, true, FatRating::High},
        // Out-of-range and non-finite values take the end bands; NaN the last one.
        FatCase{-5.0, false, FatRating::VeryLow}, FatCase{-5.0, true, FatRating::VeryLow},
        FatCase{142.38, false, FatRating::VeryHigh}, FatCase{142.38, true, FatRating::VeryHigh},
        FatCase{inf, false, FatRating::VeryHigh}, FatCase{-inf, true, FatRating::VeryLow},
        FatCase{nan, false, FatRating::VeryHigh}, FatCase{nan, true, FatRating::VeryHigh}));

TEST_P(FatBands, RatesTheFullPrecisionValue) {
    EXPECT_EQ(rateFatPercentage(GetParam().percentage, GetParam().female), GetParam().expected);
}

struct IndexCase {
    double index;
    BmiCategory expected;
};

void PrintTo(const IndexCase& c, std::ostream* out) {
    *out << c.index;
}

class IndexCategories : public testing::TestWithParam<IndexCase> {};

INSTANTIATE_TEST_SUITE_P(
    Ratings, IndexCategories,
    testing::Values(
        IndexCase{18.5, BmiCategory::Underweight}, IndexCase{justAbove(18.5), BmiCategory::Normal},
        // The double nearest 24.9 is the edge itself; the next one is above it.
        IndexCase{24.9, BmiCategory::Normal}, IndexCase{justAbove(24.9), BmiCategory::Overweight},
        IndexCase{24.95, BmiCategory::Overweight}, IndexCase{29.9, BmiCategory::Overweight},
        IndexCase{justAbove(29.9), BmiCategory::Obese}, IndexCase{29.95, BmiCategory::Obese},
        IndexCase{22.796776968858133, BmiCategory::Normal},
        IndexCase{25.82448979591837, BmiCategory::Overweight},
        IndexCase{0.0, BmiCategory::Underweight}, IndexCase{-inf, BmiCategory::Underweight},
        IndexCase{inf, BmiCategory::Obese}, IndexCase{nan, BmiCategory::Obese}));

TEST_P(IndexCategories, CategorisesTheFullPrecisionValue) {
    EXPECT_EQ(categoriseBodyMassIndex(GetParam().index), GetParam().expected);
}

} // namespace
} // namespace fenwake
