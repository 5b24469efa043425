#include "engine/composition.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace fenwake {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Bit-for-bit comparison; every NaN counts as the same value, since its payload means nothing.
testing::AssertionResult sameDouble(const char* actualText, const char*, double actual,
                                    double expected) {
    const bool bothNan = std::isnan(actual) && std::isnan(expected);
    if (bothNan || std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
        return testing::AssertionSuccess();
    }
    char text[128];
    std::snprintf(text, sizeof text, "%a (%.17g), expected %a (%.17g)", actual, actual, expected,
                  expected);
    return testing::AssertionFailure() << actualText << " is " << text;
}

void expectSameResult(const CompositionResult& actual, const CompositionResult& expected) {
    EXPECT_PRED_FORMAT2(sameDouble, actual.fatPercentage, expected.fatPercentage);
    EXPECT_PRED_FORMAT2(sameDouble, actual.fatMass, expected.fatMass);
    EXPECT_PRED_FORMAT2(sameDouble, actual.leanMass, expected.leanMass);
    EXPECT_PRED_FORMAT2(sameDouble, actual.restMetabolicRate, expected.restMetabolicRate);
    EXPECT_PRED_FORMAT2(sameDouble, actual.bodyMassIndex, expected.bodyMassIndex);
}

std::string twoDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

struct Example {
    const char* name;
    Measurements entry;
    CompositionResult exact;
    const char* shown[5];
};

void PrintTo(const Example& example, std::ostream* out) {
    *out << example.name;
}

class WorkedExample : public testing::TestWithParam<Example> {};

// The documented examples, and the figures the window shows for them. The exact doubles
// come from a separate evaluation that rounds once per step; a fused multiply-add changes
// the metric figures, a division by 2.2 instead of the multiplication the woman's fat mass.
INSTANTIATE_TEST_SUITE_P(
    Composition, WorkedExample,
    testing::Values(Example{"man_imperial",
                            {34.0, 180.0, 70.0, false, false},
                            {0x1.f05b05b05b060p+3, 0x1.beb851eb851f0p+4, 0x1.3028f5c28f5c2p+7,
                             0x1.06e886594af4fp+11, 0x1.9d311c3655ae9p+4},
                            {"15.51", "27.92", "152.08", "2103.27", "25.82"}},
                    Example{"woman_metric",
                            {80.0, 65.0, 170.0, true, true},
                            {0x1.ccfeed061632cp+4, 18.727954545454544, 0x1.722d262ad262bp+5,
                             0x1.5ff7e368f0846p+10, 0x1.6cbf9934f73a2p+4},
                            {"28.81", "18.73", "46.27", "1407.87", "22.80"}},
                    Example{"man_metric",
                            {80.0, 65.0, 170.0, false, true},
                            {0x1.b54ad4ad4ad4bp+3, 0x1.1c3d70a3d70a3p+3, 0x1.c0f0a3d70a3d7p+5,
                             0x1.aadb9667b5f1cp+10, 0x1.6cbf9934f73a2p+4},
                            {"13.67", "8.88", "56.12", "1707.43", "22.80"}},
                    Example{"large_waist_small_weight",
                            {60.0, 100.0, 70.0, false, false},
                            {0x1.1cc28f5c28f5cp+7, 0x1.1cc28f5c28f5cp+7, -0x1.530a3d70a3d72p+5,
                             -0x1.250ec56d5cfacp+9, 0x1.cb1a1f58d0facp+3},
                            {"142.38", "142.38", "-42.38", "-586.12", "14.35"}},
                    Example{"zero_weight",
                            {34.0, 0.0, 70.0, false, false},
                            {inf, 0x1.5570a3d70a3dap+5, -0x1.5570a3d70a3dap+5,
                             -0x1.2721d7dbf4882p+9, 0.0},
                            {"inf", "42.68", "-42.68", "-590.26", "0.00"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WorkedExample, GivesTheExactDoubles) {
    expectSameResult(computeComposition(GetParam().entry), GetParam().exact);
}

TEST_P(WorkedExample, ShowsTheDocumentedFigures) {
    const CompositionResult result = computeComposition(GetParam().entry);
    const double figures[] = {result.fatPercentage, result.fatMass, result.leanMass,
                              result.restMetabolicRate, result.bodyMassIndex};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(twoDecimals(figures[row]), GetParam().shown[row]) << "row " << row;
    }
}

struct DivisionCase {
    const char* name;
    Measurements entry;
    double fatPercentage;
    double bodyMassIndex;
};

void PrintTo(const DivisionCase& c, std::ostream* out) {
    *out << c.name;
}

class DivisionByZero : public testing::TestWithParam<DivisionCase> {};

// Zero weights and heights are not guarded: the results are what IEEE 754 division gives.
INSTANTIATE_TEST_SUITE_P(
    Composition, DivisionByZero,
    testing::Values(
        DivisionCase{"zero_weight_positive_fat", {34.0, 0.0, 70.0, false, false}, inf, 0.0},
        DivisionCase{"zero_weight_negative_fat", {0.0, 0.0, 70.0, false, false}, -inf, 0.0},
        // These waists make the lean mass of a zero weight exactly zero, so fat is 0 too.
        DivisionCase{
            "zero_weight_zero_fat_man", {23.715662650602408, 0.0, 70.0, false, false}, nan, 0.0},
        DivisionCase{
            "zero_weight_zero_fat_woman", {18.496385542168674, 0.0, 70.0, true, false}, nan, 0.0},
        DivisionCase{"zero_height", {34.0, 180.0, 0.0, false, false}, 0x1.f05b05b05b060p+3, inf},
        DivisionCase{"zero_height_negative_weight",
                     {34.0, -180.0, 0.0, false, false},
                     -0x1.fe93e93e93e94p+4,
                     -inf},
        DivisionCase{"zero_weight_and_height", {34.0, 0.0, 0.0, false, false}, inf, nan},
        DivisionCase{
            "negative_zero_height", {34.0, 180.0, -0.0, false, false}, 0x1.f05b05b05b060p+3, inf}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(DivisionByZero, FollowsIeeeArithmetic) {
    const CompositionResult result = computeComposition(GetParam().entry);
    EXPECT_PRED_FORMAT2(sameDouble, result.fatPercentage, GetParam().fatPercentage);
    EXPECT_PRED_FORMAT2(sameDouble, result.bodyMassIndex, GetParam().bodyMassIndex);
    EXPECT_TRUE(std::isfinite(result.fatMass));
    EXPECT_TRUE(std::isfinite(result.leanMass));
    EXPECT_TRUE(std::isfinite(result.restMetabolicRate));
}

TEST(Composition, HeightChangesOnlyTheIndex) {
    const CompositionResult tall = computeComposition({34.0, 180.0, 70.0, false, false});
    const CompositionResult none = computeComposition({34.0, 180.0, 0.0, false, false});
    EXPECT_EQ(none.fatPercentage, tall.fatPercentage);
    EXPECT_EQ(none.fatMass, tall.fatMass);
    EXPECT_EQ(none.leanMass, tall.leanMass);
    EXPECT_EQ(none.restMetabolicRate, tall.restMetabolicRate);
    EXPECT_NE(none.bodyMassIndex, tall.bodyMassIndex);
}

// The engine reads a metric entry as centimetres and kilograms; converting the numbers when
// the user switches units is the window's work, so the same numbers give other figures.
TEST(Composition, ReadsMetricNumbersAsCentimetresAndKilograms) {
    const Measurements asMetric{34.0, 180.0, 70.0, false, true};
    const Measurements asImperial{34.0 * 0.390625, 180.0 * 2.2, 70.0 * 0.390625, false, false};
    const CompositionResult metric = computeComposition(asMetric);
    const CompositionResult imperial = computeComposition(asImperial);
    EXPECT_EQ(metric.fatPercentage, imperial.fatPercentage);
    EXPECT_EQ(metric.restMetabolicRate, imperial.restMetabolicRate);
    EXPECT_EQ(metric.bodyMassIndex, imperial.bodyMassIndex);
    EXPECT_EQ(metric.fatMass, imperial.fatMass * 0.45454545454545453);
    EXPECT_EQ(metric.leanMass, imperial.leanMass * 0.45454545454545453);

    const CompositionResult typedAsImperial = computeComposition({34.0, 180.0, 70.0, false, false});
    EXPECT_NE(metric.fatPercentage, typedAsImperial.fatPercentage);
    EXPECT_NE(metric.bodyMassIndex, typedAsImperial.bodyMassIndex);
}

TEST(Composition, WomanHasLessLeanMassThanManBySexConstant) {
    const CompositionResult woman = computeComposition({80.0, 65.0, 170.0, true, true});
    const CompositionResult man = computeComposition({80.0, 65.0, 170.0, false, true});
    const double difference = (98.42 - 76.76) * 0.45454545454545453;
    EXPECT_NEAR(man.leanMass - woman.leanMass, difference, 1e-12);
    EXPECT_NEAR(woman.fatMass - man.fatMass, difference, 1e-12);
    EXPECT_EQ(twoDecimals(difference), "9.85");
    EXPECT_EQ(man.bodyMassIndex, woman.bodyMassIndex);
}

TEST(Composition, ImperialMassesAddUpToTheWeight) {
    for (double waist = 20.0; waist <= 60.0; waist += 3.5) {
        for (double weight = 80.0; weight <= 400.0; weight += 17.25) {
            for (const bool female : {false, true}) {
                const CompositionResult r =
                    computeComposition({waist, weight, 68.0, female, false});
                EXPECT_NEAR(r.fatMass + r.leanMass, weight, weight * 1e-14)
                    << "waist " << waist << " weight " << weight;
            }
        }
    }
}

struct ReferenceVector {
    Measurements entry;
    CompositionResult expected;
};

// Five hundred entries, ordinary and extreme, evaluated independently of this code.
const ReferenceVector referenceVectors[] = {
#include "reference_vectors.inc"
};

TEST(Composition, AgreesBitForBitWithTheReferenceEvaluation) {
    for (const ReferenceVector& vector : referenceVectors) {
        const Measurements& e = vector.entry;
        char entry[200];
        std::snprintf(entry, sizeof entry, "waist %a weight %a height %a female %d metric %d",
                      e.waist, e.weight, e.height, e.female, e.metric);
        SCOPED_TRACE(entry);
        expectSameResult(computeComposition(e), vector.expected);
    }
}

// The other two methods of estimating the fat percentage, pinned bit for bit: the US Navy
// circumference method (men and women, imperial and metric) and relative fat mass, their
// worked figures, and what IEEE arithmetic gives where a logarithm or a division has nothing
// to work on. The masses and the rate follow from the percentage; the index is as ever.
struct MethodExample {
    const char* name;
    Measurements entry;
    CompositionResult exact;
    const char* fatPercentage; // as the list shows it
};

void PrintTo(const MethodExample& example, std::ostream* out) {
    *out << example.name;
}

class MethodWorkedExample : public testing::TestWithParam<MethodExample> {};

constexpr FatMethod navy = FatMethod::Navy;
constexpr FatMethod relativeFat = FatMethod::RelativeFatMass;

INSTANTIATE_TEST_SUITE_P(
    Composition, MethodWorkedExample,
    testing::Values(
        // 80 kg, 178 cm, waist 85, neck 38: about 16.5 % with 2.54 cm to the inch.
        MethodExample{"navy_man_metric",
                      {85.0, 80.0, 178.0, false, true, 38.0, 0.0, navy},
                      {0x1.06fb065f1e9bep+4, 0x1.a4c4d6fe975fcp+3, 0x1.0b6765202d140p+6,
                       0x1.fc807d954868ep+10, 0x1.9979b91ba0524p+4},
                      "16.44"},
        // 65 kg, 165 cm, waist 72, neck 33, hip 100: about 28.2 % with 2.54.
        MethodExample{"navy_woman_metric",
                      {72.0, 65.0, 165.0, true, true, 33.0, 100.0, navy},
                      {0x1.c00b371b92c00p+4, 0x1.233a7d6b85c9ap+4, 0x1.7662c14a3d1b2p+5,
                       0x1.63f87d518c0d7p+10, 0x1.833078519ce32p+4},
                      "28.00"},
        MethodExample{"navy_man_imperial",
                      {34.0, 180.0, 70.0, false, false, 15.0, 0.0, navy},
                      {0x1.1835990898516p+4, 0x1.f86079dc455f4p+4, 0x1.28f3f0c477542p+7,
                       0x1.00adbc6ef0beap+11, 0x1.9d311c3655ae9p+4},
                      "17.51"},
        MethodExample{"navy_woman_imperial",
                      {30.0, 140.0, 64.0, true, false, 13.0, 40.0, navy},
                      {0x1.fbee44f7b5320p+4, 0x1.638d3046fed63p+5, 0x1.7e3967dc8094ep+6,
                       0x1.4a62947ec1b3ep+10, 0x1.8074000000000p+4},
                      "31.75"},
        // The same man and woman: 22.12 % and 30.17 % as published, the ratio being the same
        // in both units.
        MethodExample{"relative_fat_man_metric",
                      {85.0, 80.0, 178.0, false, true, 0.0, 0.0, relativeFat},
                      {0x1.61e1e1e1e1e1ep+4, 0x1.1b1b1b1b1b1b1p+4, 0x1.f272727272726p+5,
                       0x1.d9ee006f0693ep+10, 0x1.9979b91ba0524p+4},
                      "22.12"},
        MethodExample{"relative_fat_woman_metric",
                      {72.0, 65.0, 165.0, true, true, 0.0, 0.0, relativeFat},
                      {0x1.e2aaaaaaaaaacp+4, 0x1.39bbbbbbbbbbcp+4, 0x1.6b22222222222p+5,
                       0x1.59458ef34d6a1p+10, 0x1.833078519ce32p+4},
                      "30.17"},
        MethodExample{"relative_fat_man_imperial",
                      {34.0, 180.0, 70.0, false, false, 0.0, 0.0, relativeFat},
                      {0x1.6d2d2d2d2d2d4p+4, 0x1.48a8a8a8a8a8bp+5, 0x1.15d5d5d5d5d5dp+7,
                       0x1.e04ec9aaf2a0bp+10, 0x1.9d311c3655ae9p+4},
                      "22.82"},
        // No guards: the logarithm of 0 is -inf, of a negative number NaN.
        MethodExample{"navy_neck_as_wide_as_the_waist",
                      {34.0, 180.0, 70.0, false, false, 34.0, 0.0, navy},
                      {-inf, -inf, inf, inf, 0x1.9d311c3655ae9p+4},
                      "-inf"},
        MethodExample{"navy_neck_wider_than_the_waist",
                      {34.0, 180.0, 70.0, false, false, 40.0, 0.0, navy},
                      {nan, nan, nan, nan, 0x1.9d311c3655ae9p+4},
                      "nan"},
        MethodExample{"navy_zero_height",
                      {34.0, 180.0, 0.0, false, false, 15.0, 0.0, navy},
                      {inf, inf, -inf, -inf, inf},
                      "inf"},
        MethodExample{"relative_fat_zero_waist",
                      {0.0, 180.0, 70.0, false, false, 0.0, 0.0, relativeFat},
                      {-inf, -inf, inf, inf, 0x1.9d311c3655ae9p+4},
                      "-inf"},
        MethodExample{"relative_fat_zero_height",
                      {34.0, 180.0, 0.0, true, false, 0.0, 0.0, relativeFat},
                      {0x1.3000000000000p+6, 0x1.119999999999ap+7, 0x1.5999999999998p+5,
                       0x1.2aba5e353f7cdp+9, inf},
                      "76.00"},
        MethodExample{"relative_fat_zero_weight",
                      {34.0, 0.0, 70.0, false, false, 0.0, 0.0, relativeFat},
                      {0x1.6d2d2d2d2d2d4p+4, 0.0, 0.0, 0.0, 0.0},
                      "22.82"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(MethodWorkedExample, GivesTheExactDoubles) {
    const CompositionResult result = computeComposition(GetParam().entry);
    expectSameResult(result, GetParam().exact);
    EXPECT_EQ(twoDecimals(result.fatPercentage), GetParam().fatPercentage);
}

// The waist-and-weight formula reads no neck or hip; a method reads only what it needs.
TEST(Composition, EachMethodReadsOnlyWhatItNeeds) {
    Measurements entry{34.0, 180.0, 70.0, false, false, 15.0, 40.0, FatMethod::WaistAndWeight};
    const auto with = [&entry](auto change) {
        Measurements changed = entry;
        change(changed);
        return computeComposition(changed).fatPercentage;
    };
    const double formula = computeComposition(entry).fatPercentage;
    EXPECT_EQ(with([](Measurements& e) { e.neck = 20.0; }), formula);
    EXPECT_EQ(with([](Measurements& e) { e.hip = 50.0; }), formula);
    entry.method = FatMethod::Navy;
    const double man = computeComposition(entry).fatPercentage;
    EXPECT_EQ(with([](Measurements& e) { e.hip = 50.0; }), man) << "a man's hip counts";
    EXPECT_NE(with([](Measurements& e) { e.neck = 16.0; }), man);
    EXPECT_EQ(with([](Measurements& e) { e.weight = 200.0; }), man);
    entry.female = true;
    const double woman = computeComposition(entry).fatPercentage;
    EXPECT_NE(with([](Measurements& e) { e.hip = 50.0; }), woman);
    entry.method = FatMethod::RelativeFatMass;
    const double relative = computeComposition(entry).fatPercentage;
    EXPECT_EQ(with([](Measurements& e) { e.neck = 20.0; }), relative);
    EXPECT_EQ(with([](Measurements& e) { e.weight = 90.0; }), relative);
    EXPECT_NE(with([](Measurements& e) { e.height = 71.0; }), relative);
}

// An entry in centimetres and kilograms and the same entry in inches and pounds (converted by
// the program's own factors) give the same estimates, to within the roundings between them.
TEST(Composition, BothUnitSystemsGiveTheSameEstimates) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> length(20.0, 60.0);
    std::uniform_real_distribution<double> pounds(90.0, 350.0);
    for (int round = 0; round < 2000; ++round) {
        const double neck = 11.0 + length(random) / 4.0;
        Measurements imperial{length(random) + neck,
                              pounds(random),
                              50.0 + length(random) / 2.0,
                              round % 2 == 1,
                              false,
                              neck,
                              length(random),
                              static_cast<FatMethod>(round % 3)};
        Measurements metric = imperial;
        metric.metric = true;
        for (double* value : {&metric.waist, &metric.height, &metric.neck, &metric.hip}) {
            *value = *value * 2.56;
        }
        metric.weight = imperial.weight * 0.45454545454545453;
        const CompositionResult a = computeComposition(imperial);
        const CompositionResult b = computeComposition(metric);
        SCOPED_TRACE(round);
        EXPECT_NEAR(a.fatPercentage, b.fatPercentage, 1e-9 * std::abs(a.fatPercentage) + 1e-11);
        EXPECT_NEAR(a.fatMass * 0.45454545454545453, b.fatMass, 1e-9 * std::abs(b.fatMass) + 1e-11);
        EXPECT_NEAR(a.bodyMassIndex, b.bodyMassIndex, 1e-9 * a.bodyMassIndex);
    }
}

struct MethodVector {
    Measurements entry;
    CompositionResult expected;
};

// Three hundred entries of the two other methods, evaluated independently of this code.
const MethodVector methodVectors[] = {
#include "method_vectors.inc"
};

TEST(Composition, MethodsAgreeBitForBitWithTheReferenceEvaluation) {
    for (const MethodVector& vector : methodVectors) {
        const Measurements& e = vector.entry;
        char entry[240];
        std::snprintf(entry, sizeof entry,
                      "waist %a weight %a height %a neck %a hip %a female %d "
                      "metric %d method %d",
                      e.waist, e.weight, e.height, e.neck, e.hip, e.female, e.metric,
                      static_cast<int>(e.method));
        SCOPED_TRACE(entry);
        expectSameResult(computeComposition(e), vector.expected);
    }
}

} // namespace
} // namespace fenwake
