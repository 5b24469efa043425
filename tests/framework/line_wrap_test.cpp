#include "framework/text/line_wrap.h"

#include <gtest/gtest.h>

#include <string>

namespace fenwake {
namespace {

struct WrapCase {
    const char* name;
    std::string text;
    std::size_t length;
    std::string wrapped;
};

void PrintTo(const WrapCase& c, std::ostream* out) {
    *out << c.name;
}

class WrapsLines : public testing::TestWithParam<WrapCase> {};

INSTANTIATE_TEST_SUITE_P(
    LineWrap, WrapsLines,
    testing::Values(
        WrapCase{"breaks_at_the_length", "Your weight, in pounds.", 20, "Your weight, in\npounds."},
        WrapCase{"exactly_full", "abc def", 7, "abc def"},
        WrapCase{"one_over", "abc defg", 7, "abc\ndefg"},
        WrapCase{"long_word_alone", "a verylongword b", 5, "a\nverylongword\nb"},
        WrapCase{"breaks_kept", "Out of date.\n\nThe share", 40, "Out of date.\n\nThe share"},
        WrapCase{"blanks_collapse", "  a   b  ", 10, "a b"},
        // Characters, not bytes: "Größe" is five.
        WrapCase{"counts_characters", "Größe Größe", 11, "Größe Größe"},
        WrapCase{"empty", "", 10, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WrapsLines, BetweenWordsAtTheLength) {
    EXPECT_EQ(wrapLines(GetParam().text, GetParam().length), GetParam().wrapped);
}

} // namespace
} // namespace fenwake
