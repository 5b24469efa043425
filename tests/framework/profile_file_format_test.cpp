#include "framework/profile_file_format.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace fenwake {
namespace {

using Entries = ProfileFileFormat::Entries;

struct ParseCase {
    const char* name;
    std::string text;
    Entries entries;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.name;
}

class ParsesProfileText : public testing::TestWithParam<ParseCase> {};

INSTANTIATE_TEST_SUITE_P(
    ProfileFileFormat, ParsesProfileText,
    testing::Values(
        ParseCase{"plain",
                  "[Settings]\nWeight=180.00\nMetric=1\n",
                  {{"Settings/Weight", "180.00"}, {"Settings/Metric", "1"}}},
        // Values stay the raw text: no lists, no variants, no unquoting.
        ParseCase{"raw_text",
                  "[Settings]\nWeight=72.5, kg\nWaist=@Variant(\\0\\0\\0\\x7f)\nHeight=\"70\"\n",
                  {{"Settings/Weight", "72.5, kg"},
                   {"Settings/Waist", "@Variant(\\0\\0\\0\\x7f)"},
                   {"Settings/Height", "\"70\""}}},
        ParseCase{"blanks_and_crlf",
                  "  [ Settings ]  \r\n Weight =  72.5 \r\nFemale=\r\n",
                  {{"Settings/Weight", "72.5"}, {"Settings/Female", ""}}},
        ParseCase{"sections_and_no_section",
                  "top=1\n[A]\nk=2\n[B]\nk=3\n[A]\nj=4\n",
                  {{"top", "1"}, {"A/k", "2"}, {"B/k", "3"}, {"A/j", "4"}}},
        ParseCase{"value_with_equals", "[S]\nk=a=b\n", {{"S/k", "a=b"}}},
        ParseCase{
            "comments_and_junk", "; note\n# note\n[S]\njunk line\n=nokey\nk=1", {{"S/k", "1"}}},
        ParseCase{"empty", "", {}},
        ParseCase{"binary", std::string("\0\xff\xfe[S\0]\n\x01=\x02\n", 12), {{"\x01", "\x02"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ParsesProfileText, IntoKeysAndRawValues) {
    EXPECT_EQ(ProfileFileFormat::parse(GetParam().text), GetParam().entries);
}

TEST(ProfileFileFormat, RendersSectionsAsIniText) {
    const Entries entries{
        {"Settings/Weight", "180.00"}, {"Settings/Female", "0"}, {"Other/x", "y"}, {"loose", "1"}};
    EXPECT_EQ(ProfileFileFormat::render(entries),
              "loose=1\n\n[Other]\nx=y\n\n[Settings]\nFemale=0\nWeight=180.00\n");
}

TEST(ProfileFileFormat, LineBreaksCannotEscapeTheirLine) {
    const Entries entries{{"S/k", "1\n[Evil]\nx=2"}};
    EXPECT_EQ(ProfileFileFormat::parse(ProfileFileFormat::render(entries)),
              (Entries{{"S/k", "1 [Evil] x=2"}}));
}

// Whatever a file holds, what was read from it is written back so that it reads the same.
TEST(ProfileFileFormat, RenderingWhatWasParsedReadsTheSame) {
    std::mt19937 random(7);
    const std::string alphabet("[]=;#/ \t\r\nabSk01\0\xff", 18);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 80);
        for (int i = 0; i < length; ++i) {
            text += alphabet[random() % alphabet.size()];
        }
        const Entries parsed = ProfileFileFormat::parse(text);
        ASSERT_EQ(ProfileFileFormat::parse(ProfileFileFormat::render(parsed)), parsed)
            << testing::PrintToString(text);
    }
}

} // namespace
} // namespace fenwake
