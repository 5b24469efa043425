#include "framework/profile/profile_file_format.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace fenwake {
namespace {

using Entries = ProfileFileFormat::Entries;
using Texts = std::map<std::string, std::string>;

Texts texts(const Entries& entries) {
    Texts result;
    for (const auto& [key, value] : entries) {
        result[key] = value.text;
    }
    return result;
}

struct ParseCase {
    const char* name;
    std::string text;
    Texts values;
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
        // A comma is a character like any other: no lists.
        ParseCase{"commas_and_variants",
                  "[Settings]\nWeight=72.5, kg\nWaist=@Variant(abc)\nHeight=@@70\n",
                  {{"Settings/Weight", "72.5, kg"},
                   {"Settings/Waist", "@Variant(abc)"},
                   {"Settings/Height", "@70"}}},
        ParseCase{"quotes_keep_blanks",
                  "[Settings]\nWeight=\"1e2\"\nWaist=\"   72.5\"\nHeight=\"a;b=c\" ; note\n",
                  {{"Settings/Weight", "1e2"},
                   {"Settings/Waist", "   72.5"},
                   {"Settings/Height", "a;b=c"}}},
        ParseCase{
            "escapes",
            "[S]\nhex=7\\x32\noctal=\\101\\0\nsimple=a\\tb\\\\c\\\"d\\n\n",
            {{"S/hex", "72"}, {"S/octal", std::string("A\0", 2)}, {"S/simple", "a\tb\\c\"d\n"}}},
        ParseCase{"escaped_unicode", "[S]\nk=\\xfc\\x20ac\\xd83d\\xde00\n", {{"S/k", "ü€😀"}}},
        ParseCase{"continued_lines",
                  "[S]\nk=one \\\ntwo\nq=\"a\nb\"\nnext=1\n",
                  {{"S/k", "one two"}, {"S/q", "a\nb"}, {"S/next", "1"}}},
        ParseCase{"blanks_and_crlf",
                  "\xEF\xBB\xBF  [ Settings ]  \r\n Weight =  72.5 \r\nFemale=\r\n",
                  {{"Settings/Weight", "72.5"}, {"Settings/Female", ""}}},
        ParseCase{"sections_general_and_none",
                  "top=1\n[A]\nk=2\n[General]\ng=3\n[%General]\nk=4\n[A]\nj=5\n",
                  {{"top", "1"}, {"A/k", "2"}, {"g", "3"}, {"General/k", "4"}, {"A/j", "5"}}},
        ParseCase{"escaped_keys",
                  "[my%20section]\na\\b=1\n%U00FCber=2\n100%=3\n",
                  {{"my section/a/b", "1"}, {"my section/über", "2"}, {"my section/100%", "3"}}},
        ParseCase{"value_with_equals", "[S]\nk=a=b\n", {{"S/k", "a=b"}}},
        // '#' lines are comments here too: a hand-edited "# a=b" is no key "# a".
        ParseCase{"comments_and_junk",
                  "; note\n# a=b\n  # c=d\n[S]\njunk line\n=nokey\nk=1 ; why\n",
                  {{"S/k", "1"}}},
        ParseCase{"empty", "", {}},
        ParseCase{"binary", std::string("\0\xff\xfe[S\0]\n\x01=\x02\n", 12), {{"\x01", "\x02"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ParsesProfileText, AsQSettingsReadsIni) {
    EXPECT_EQ(texts(ProfileFileFormat::parse(GetParam().text)), GetParam().values);
}

TEST(ProfileFileFormat, RendersSectionsAsIniText) {
    const Entries entries{{"Settings/Weight", {"180.00", {}}},
                          {"Settings/Female", {"0", {}}},
                          {"Other/x", {" y, z", {}}},
                          {"general/a b", {"@c\n", {}}},
                          {"loose", {"1", {}}}};
    EXPECT_EQ(ProfileFileFormat::render(entries), "loose=1\n\n[Other]\nx=\" y, z\"\n\n"
                                                  "[Settings]\nFemale=0\nWeight=180.00\n\n"
                                                  "[%general]\na%20b=@@c\\n\n");
}

// Other programs' values go back exactly as they stood, unless that would change what the
// lines after them mean.
TEST(ProfileFileFormat, KeepsStoredValuesAsTheyStood) {
    const Entries entries{{"S/list", {"a, b", "a, b"}},
                          {"S/quoted", {"x", "\"x\"  "}},
                          {"S/open", {"x", "\"x"}},
                          {"S/trailing", {"x", "x\\"}}};
    EXPECT_EQ(ProfileFileFormat::render(entries),
              "[S]\nlist=a, b\nopen=x\nquoted=\"x\"  \ntrailing=x\n");
}

// Random texts of up to the longest length, from the letters given (a literal, ending NUL
// and all).
class RandomTexts {
public:
    template <std::size_t size>
    RandomTexts(unsigned seed, const char (&letters)[size], int longestLength)
        : random(seed), alphabet(letters, size - 1), longest(longestLength) {}

    std::string next() {
        std::string text;
        const int length = static_cast<int>(random() % static_cast<unsigned>(longest));
        for (int i = 0; i < length; ++i) {
            text += alphabet[random() % alphabet.size()];
        }
        return text;
    }

private:
    std::mt19937 random;
    std::string alphabet;
    int longest;
};

// Whatever a file holds, what was read from it is written back so that it reads the same.
TEST(ProfileFileFormat, RenderingWhatWasParsedReadsTheSame) {
    RandomTexts files(7, "[]=;#/\\\"%U, \t\r\nabSk01x\0\xff", 80);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = files.next();
        const Entries parsed = ProfileFileFormat::parse(text);
        ASSERT_EQ(texts(ProfileFileFormat::parse(ProfileFileFormat::render(parsed))), texts(parsed))
            << testing::PrintToString(text);
    }
}

TEST(ProfileFileFormat, EncodedValuesReadBackAsTheirText) {
    RandomTexts values(11,
                       "@=;,\"\\ \t\r\n\a\x01\x7f\xc3\xbc"
                       "ab09fF\0",
                       12);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = values.next();
        const Entries entries{{"S/k", {text, {}}}, {"S/z", {"z", {}}}};
        ASSERT_EQ(texts(ProfileFileFormat::parse(ProfileFileFormat::render(entries))),
                  texts(entries))
            << testing::PrintToString(text);
    }
}

} // namespace
} // namespace fenwake
