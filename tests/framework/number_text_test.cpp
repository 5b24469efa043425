#include "framework/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace fenwake {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct Formatted {
    double value;
    const char* text;
};

void PrintTo(const Formatted& c, std::ostream* out) {
    *out << c.text;
}

class TwoDecimals : public testing::TestWithParam<Formatted> {};

INSTANTIATE_TEST_SUITE_P(
    NumberText, TwoDecimals,
    testing::Values(Formatted{154.0, "154.00"}, Formatted{154.0000000002, "154.00"},
                    Formatted{12.3456, "12.35"}, Formatted{25.0, "25.00"},
                    Formatted{1234.5678, "1234.57"}, Formatted{-3.2, "-3.20"},
                    Formatted{-3.5, "-3.50"}, Formatted{31.25, "31.25"},
                    // Binary values just below or above a half round the way they lie.
                    Formatted{2.675, "2.67"}, Formatted{0.125, "0.12"}, Formatted{0.375, "0.38"},
                    Formatted{81.81818181818181, "81.82"}, Formatted{179.2, "179.20"},
                    Formatted{0.0, "0.00"}, Formatted{-0.001, "-0.00"},
                    Formatted{1e21, "1000000000000000000000.00"}, Formatted{inf, "inf"},
                    Formatted{-inf, "-inf"}, Formatted{nan, "nan"}, Formatted{-nan, "nan"}));

TEST_P(TwoDecimals, FormatsLikeFixedPointWithTwoDecimals) {
    EXPECT_EQ(NumberText::twoDecimals(GetParam().value), GetParam().text);
}

TEST(NumberText, TwoDecimalsOfTheLargestDoubleIsComplete) {
    const std::string text = NumberText::twoDecimals(std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 6), "179769");
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

class EditText : public testing::TestWithParam<Formatted> {};

INSTANTIATE_TEST_SUITE_P(
    NumberText, EditText,
    testing::Values(Formatted{81.81818181818181, "81.8181818181818"}, Formatted{180.0, "180"},
                    Formatted{179.99999999999997, "180"}, Formatted{87.04, "87.04"},
                    Formatted{0.0, "0"}, Formatted{-0.0, "-0"}, Formatted{-3.5, "-3.5"},
                    Formatted{1e20, "1e+20"}, Formatted{1e-5, "1e-05"}, Formatted{0.0001, "0.0001"},
                    Formatted{123456789012345.0, "123456789012345"},
                    Formatted{1234567890123456.0, "1.23456789012346e+15"}, Formatted{inf, "inf"},
                    Formatted{-inf, "-inf"}, Formatted{-nan, "nan"}));

TEST_P(EditText, ShowsFifteenSignificantDigits) {
    EXPECT_EQ(NumberText::editText(GetParam().value), GetParam().text);
}

struct Read {
    const char* text;
    double value;
};

void PrintTo(const Read& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

testing::AssertionResult sameValue(double actual, double expected) {
    const bool same = (std::isnan(actual) && std::isnan(expected)) ||
                      (actual == expected && std::signbit(actual) == std::signbit(expected));
    if (same) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << actual << " instead of " << expected;
}

class LeadingNumber : public testing::TestWithParam<Read> {};

INSTANTIATE_TEST_SUITE_P(
    NumberText, LeadingNumber,
    testing::Values(Read{"72.5", 72.5}, Read{"  72.5", 72.5}, Read{"\t\n72.5", 72.5},
                    Read{"72.5kg", 72.5}, Read{"72.5, kg", 72.5}, Read{"1e2", 100.0},
                    Read{"+5", 5.0}, Read{"-5.5x", -5.5}, Read{".5", 0.5}, Read{"5.", 5.0},
                    Read{"12.34.56", 12.34}, Read{"1,5", 1.0},
                    // An exponent without digits is not part of the number.
                    Read{"1e", 1.0}, Read{"1e+", 1.0}, Read{"2E-1", 0.2},
                    // Nothing readable gives 0; inf, nan and hexadecimal are not numbers.
                    Read{"", 0.0}, Read{"abc", 0.0}, Read{"kg72", 0.0}, Read{"-", 0.0},
                    Read{".", 0.0}, Read{"- 3", 0.0}, Read{".e5", 0.0}, Read{"inf", 0.0},
                    Read{"-infinity", 0.0}, Read{"nan", 0.0}, Read{"0x1A", 0.0},
                    // Beyond the double range: rounded as IEEE does.
                    Read{"1e999", inf}, Read{"-1e999", -inf}, Read{"1e-999", 0.0},
                    Read{"-1e-999", -0.0}, Read{"0.0000001e-320", 0.0},
                    Read{"123456e99999999999999999999", inf},
                    Read{"4.9e-324", std::numeric_limits<double>::denorm_min()},
                    Read{"1.7976931348623157e308", std::numeric_limits<double>::max()}));

TEST_P(LeadingNumber, ReadsTheLongestLeadingDecimalNumber) {
    EXPECT_TRUE(sameValue(NumberText::readLeadingNumber(GetParam().text), GetParam().value));
}

// The text before, a run of one digit, and the text after.
std::string withRun(std::string_view before, std::size_t count, char digit,
                    std::string_view after) {
    std::string text(before);
    text.append(count, digit);
    text.append(after);
    return text;
}

TEST(NumberText, LeadingNumberOfVeryLongDigitRuns) {
    EXPECT_EQ(NumberText::readLeadingNumber(withRun("1", 400, '0', "")), inf);
    EXPECT_EQ(NumberText::readLeadingNumber(withRun("0.", 400, '0', "1")), 0.0);
    // The zeros after the point count when judging an overflow: 1e-401 times 1e50 is tiny.
    EXPECT_EQ(NumberText::readLeadingNumber(withRun("0.", 400, '0', "1e50")), 0.0);
    EXPECT_EQ(NumberText::readLeadingNumber(withRun("", 100000, '7', "x")), inf);
}

struct EditRead {
    const char* text;
    std::optional<double> value;
};

void PrintTo(const EditRead& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class EditNumber : public testing::TestWithParam<EditRead> {};

INSTANTIATE_TEST_SUITE_P(
    NumberText, EditNumber,
    testing::Values(EditRead{"12", 12.0}, EditRead{" 12 ", 12.0}, EditRead{"+3", 3.0},
                    EditRead{"-0.5", -0.5}, EditRead{"12,5", 12.5}, EditRead{".5", 0.5},
                    EditRead{"5.", 5.0}, EditRead{"1e3", 1000.0}, EditRead{"1e-999", 0.0},
                    EditRead{"81.8181818181818", 81.8181818181818},
                    // Not one finite decimal number.
                    EditRead{"", std::nullopt}, EditRead{"   ", std::nullopt},
                    EditRead{"-", std::nullopt}, EditRead{".", std::nullopt},
                    EditRead{"12a", std::nullopt}, EditRead{"1 2", std::nullopt},
                    EditRead{"1e", std::nullopt}, EditRead{"1e999", std::nullopt},
                    EditRead{"-1e999", std::nullopt}, EditRead{"inf", std::nullopt},
                    EditRead{"nan", std::nullopt}, EditRead{"0x10", std::nullopt},
                    // A comma is the decimal point only where no point is.
                    EditRead{"1,234.5", std::nullopt}, EditRead{"1,2,3", std::nullopt}));

TEST_P(EditNumber, AcceptsOnlyOneFiniteNumber) {
    const std::optional<double> read = NumberText::readEditNumber(GetParam().text);
    ASSERT_EQ(read.has_value(), GetParam().value.has_value());
    if (read) {
        EXPECT_TRUE(sameValue(*read, *GetParam().value));
    }
}

TEST(NumberText, EditNumberOfAHugePasteIsNotANumber) {
    EXPECT_FALSE(NumberText::readEditNumber(std::string(100000, '9')).has_value());
    EXPECT_FALSE(NumberText::readEditNumber(std::string(100000, 'x')).has_value());
}

// What the edit shows reads back as a number that shows the same, whatever the value.
TEST(NumberText, EditTextReadsBackToTheSameText) {
    for (double value = 1e-7; value < 1e18; value *= 3.3) {
        for (const double signedValue : {value, -value}) {
            const std::string shown = NumberText::editText(signedValue);
            const std::optional<double> read = NumberText::readEditNumber(shown);
            ASSERT_TRUE(read.has_value()) << shown;
            EXPECT_EQ(NumberText::editText(*read), shown);
        }
    }
}

} // namespace
} // namespace fenwake
