#include "framework/formats/profile_file_format.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace fenwake {
namespace {

using Entries = ProfileFileFormat::Entries;
using Changes = ProfileFileFormat::Changes;

struct ParseCase {
    const char* name;
    std::string text;
    Entries values;
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
        ParseCase{"continued_before_crlf",
                  "[S]\r\nk=one \\\r\ntwo\r\nnext=1\r\n",
                  {{"S/k", "one two"}, {"S/next", "1"}}},
        ParseCase{"blanks_and_crlf",
                  "\xEF\xBB\xBF  [ Settings ]  \r\n Weight =  72.5 \r\nFemale=\r\n",
                  {{"Settings/Weight", "72.5"}, {"Settings/Female", ""}}},
        ParseCase{"sections_general_and_none",
                  "top=1\n[A]\nk=2\n[General]\ng=3\n[%General]\nk=4\n[A]\nj=5\n",
                  {{"top", "1"}, {"A/k", "2"}, {"g", "3"}, {"General/k", "4"}, {"A/j", "5"}}},
        ParseCase{"general_in_any_case",
                  "[general]\na=1\n[GENERAL]\nb=2\n[%general]\nc=3\n",
                  {{"a", "1"}, {"b", "2"}, {"general/c", "3"}}},
        ParseCase{"escaped_keys",
                  "[my%20section]\na\\b=1\n%U00FCber=2\n100%=3\n",
                  {{"my section/a/b", "1"}, {"my section/über", "2"}, {"my section/100%", "3"}}},
        ParseCase{"value_with_equals", "[S]\nk=a=b\n", {{"S/k", "a=b"}}},
        // '#' lines are comments here too: a hand-edited "# a=b" is no key "# a".
        ParseCase{"comments_and_junk",
                  "; note\n# a=b\n  # c=d\n[S]\njunk line\n=nokey\nk=1 ; why\n",
                  {{"S/k", "1"}}},
        ParseCase{"shell_script",
                  "# ~/.bashrc\nalias ll='ls -l'\nif [ -f ~/.bash_aliases ]; then\n    . x\nfi\n",
                  {{"alias ll", "'ls -l'"}}},
        ParseCase{"empty", "", {}},
        ParseCase{"binary", std::string("\0\xff\xfe[S\0]\n\x01=\x02\n", 12), {{"\x01", "\x02"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ParsesProfileText, AsQSettingsReadsIni) {
    EXPECT_EQ(ProfileFileFormat::parse(GetParam().text), GetParam().values);
}

// A file is a profile's own only by what only such a file has: its section, among lines that
// are all headers, key=value lines, comments or blank. An environment or alias file behind the
// person's link has key=value lines only, and is never taken for one.
struct OwnFileCase {
    const char* name;
    std::string text;
    const char* ownSection;
    bool isOwn;
};

void PrintTo(const OwnFileCase& c, std::ostream* out) {
    *out << c.name;
}

class RecognisesItsOwnFile : public testing::TestWithParam<OwnFileCase> {};

INSTANTIATE_TEST_SUITE_P(
    ProfileFileFormat, RecognisesItsOwnFile,
    testing::Values(
        OwnFileCase{"settings", "[Settings]\nWaist=1\n", "Settings", true},
        OwnFileCase{"settings_among_others", "; mine\n[Other]\nk=v\n\n[Settings]\nk=1\n",
                    "Settings", true},
        OwnFileCase{"escaped_header", "[%53ettings]\nWaist=1\n", "Settings", true},
        OwnFileCase{"window_state", "[Window]\nWidth=400\n", "Window", true},
        OwnFileCase{"settings_is_not_the_state", "[Settings]\nWaist=1\n", "Window", false},
        OwnFileCase{"empty", "", "Settings", true},
        OwnFileCase{"blank_lines", "\n\r\n  \t\n", "Settings", true},
        OwnFileCase{"byte_order_mark_alone", "\xEF\xBB\xBF", "Settings", true},
        OwnFileCase{"environment_file", "# my environment\nPATH=/usr/bin\nEDITOR=vi\n", "Settings",
                    false},
        OwnFileCase{"alias_file", "alias ll=\"ls -l\"\nalias la=\"ls -A\"\n", "Settings", false},
        OwnFileCase{"comments_alone", "; nothing yet\n# nor here\n", "Settings", false},
        OwnFileCase{"other_sections_alone", "[General]\nk=1\n[Other]\nj=2\n", "Settings", false},
        OwnFileCase{"section_in_another_case", "[settings]\nWaist=1\n", "Settings", false},
        OwnFileCase{"a_line_of_junk", "[Settings]\njunk line\nk=1\n", "Settings", false},
        OwnFileCase{"shell_script_with_the_section",
                    "[Settings]\nif [ -f ~/.bash_aliases ]; then\n    . x\nfi\n", "Settings",
                    false},
        OwnFileCase{"binary", std::string("\0\xff\xfe[Settings]\n\x01=\x02\n", 18), "Settings",
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(RecognisesItsOwnFile, ByItsSectionAndTheShapeOfEveryLine) {
    EXPECT_EQ(ProfileFileFormat::isProfileText(GetParam().text, GetParam().ownSection),
              GetParam().isOwn);
}

struct UpdateCase {
    const char* name;
    std::string before;
    Changes changes;
    std::string after;
};

void PrintTo(const UpdateCase& c, std::ostream* out) {
    *out << c.name;
}

class UpdatesProfileText : public testing::TestWithParam<UpdateCase> {};

INSTANTIATE_TEST_SUITE_P(
    ProfileFileFormat, UpdatesProfileText,
    testing::Values(
        UpdateCase{"new_file",
                   "",
                   {{"Settings/Metric", "1"}, {"Settings/Waist", "87.04"}},
                   "[Settings]\nMetric=1\nWaist=87.04\n"},
        UpdateCase{"changed_line_only",
                   "[Settings]\nWaist=30.00\nWeight=180.00\n",
                   {{"Settings/Waist", "31.00"}},
                   "[Settings]\nWaist=31.00\nWeight=180.00\n"},
        // A person's file: only the value's bytes change, whatever stands around them.
        UpdateCase{"hand_edited",
                   "\xEF\xBB\xBF; mine\r\n[Settings]\r\n  Waist = \"30\" ; in inches\r\n"
                   "my key=x\r\n\xE4\xB8\xAD=y\r\n\xFF\xFE=z\r\n# end\r\nWeight=1\r\n",
                   {{"Settings/Waist", "31.00"}, {"Settings/Weight", "2"}},
                   "\xEF\xBB\xBF; mine\r\n[Settings]\r\n  Waist = 31.00 ; in inches\r\n"
                   "my key=x\r\n\xE4\xB8\xAD=y\r\n\xFF\xFE=z\r\n# end\r\nWeight=2\r\n"},
        UpdateCase{
            "new_keys_end_their_section_as_the_file_ends_lines",
            "[Settings]\r\nWaist=1\r\n; note\r\n\r\n[Other]\r\nk=v\r\n",
            {{"Settings/Weight", "2"}, {"Settings/Height", "3"}},
            "[Settings]\r\nWaist=1\r\nWeight=2\r\nHeight=3\r\n; note\r\n\r\n[Other]\r\nk=v\r\n"},
        UpdateCase{"new_section_at_the_end",
                   "[Other]\nk=v",
                   {{"Settings/Waist", "1"}},
                   "[Other]\nk=v\n\n[Settings]\nWaist=1\n"},
        // Two new sections go to one place: the first asked for stays first.
        UpdateCase{"two_new_sections_in_the_order_asked",
                   "[Other]\nk=v\n",
                   {{"A/x", "1"}, {"B/y", "2"}},
                   "[Other]\nk=v\n\n[A]\nx=1\n\n[B]\ny=2\n"},
        // A byte order mark alone is no content: no blank line goes before the new section.
        UpdateCase{"byte_order_mark_alone",
                   "\xEF\xBB\xBF",
                   {{"Settings/Waist", "1"}},
                   "\xEF\xBB\xBF[Settings]\nWaist=1\n"},
        // A section whose last value goes on over several lines ends after the last of them.
        UpdateCase{"new_key_after_a_continued_value",
                   "[Settings]\nWaist=1 \\\n 2\n[Other]\nk=v\n",
                   {{"Settings/Weight", "3"}},
                   "[Settings]\nWaist=1 \\\n 2\nWeight=3\n[Other]\nk=v\n"},
        UpdateCase{"last_line_without_a_break",
                   "[Settings]\nWaist=1",
                   {{"Settings/Weight", "2"}, {"Settings/Waist", "3"}},
                   "[Settings]\nWaist=3\nWeight=2\n"},
        UpdateCase{"later_of_two_sections_and_of_two_lines",
                   "[Settings]\nWaist=1\nWaist=2\n[Other]\nx=1\n[Settings]\nb=2\n",
                   {{"Settings/Waist", "3"}, {"Settings/c", "4"}},
                   "[Settings]\nWaist=1\nWaist=3\n[Other]\nx=1\n[Settings]\nb=2\nc=4\n"},
        UpdateCase{"spelling_of_escaped_names_kept",
                   "[%53ettings]\n%57aist=1\n",
                   {{"Settings/Waist", "5"}},
                   "[%53ettings]\n%57aist=5\n"},
        UpdateCase{"values_over_several_lines",
                   "[Settings]\nWaist=\"a\nb\"\nWeight=1 \\\n 2\nHeight=3\n",
                   {{"Settings/Waist", "5"}, {"Settings/Weight", "a;b"}},
                   "[Settings]\nWaist=5\nWeight=\"a;b\"\nHeight=3\n"},
        UpdateCase{"keys_without_a_section_before_the_first",
                   "top=1\n[A]\nk=2\n",
                   {{"loose", "2"}, {"A/k", "3"}},
                   "top=1\nloose=2\n[A]\nk=3\n"},
        UpdateCase{
            "new_names_escaped", "", {{"my section/a b", "@x"}}, "[my%20section]\na%20b=@@x\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(UpdatesProfileText, ChangingOnlyTheLinesOfTheKeys) {
    const std::optional<std::string> after =
        ProfileFileFormat::update(GetParam().before, GetParam().changes);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(*after, GetParam().after);
}

// A quote left open, or a backslash at the end, would swallow a new line: such a file is not
// edited at all.
TEST(ProfileFileFormat, RefusesAnEditThatWouldChangeOtherValues) {
    EXPECT_EQ(ProfileFileFormat::update("[Settings]\nk=\"open", {{"Settings/Waist", "1"}}),
              std::nullopt);
    EXPECT_EQ(ProfileFileFormat::update("[Settings]\nk=1\\", {{"Settings/Waist", "1"}}),
              std::nullopt);
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

// Whatever a file holds, an edit either changes exactly the values asked for and no other, or
// is refused; it never changes a byte when nothing changes.
TEST(ProfileFileFormat, AnEditChangesTheValuesAskedForAndNoOther) {
    RandomTexts files(7, "[]=;#/\\\"%U, \t\r\nabSk01x\0\xff", 80);
    RandomTexts values(11,
                       "@=;,\"\\ \t\r\n\a\x01\x7f\xc3\xbc"
                       "ab09fF\0",
                       12);
    const std::vector<std::string> keys{"S/k", "S/a", "k", "S/new", "T/k"};
    for (int round = 0; round < 20000; ++round) {
        const std::string text = files.next();
        ASSERT_EQ(ProfileFileFormat::update(text, {}), text) << testing::PrintToString(text);
        const Changes changes{{keys[static_cast<std::size_t>(round) % keys.size()], values.next()}};
        const std::optional<std::string> after = ProfileFileFormat::update(text, changes);
        if (!after) {
            // Only a quote or a backslash can carry a line over into the next.
            ASSERT_NE(text.find_first_of("\"\\"), std::string::npos)
                << testing::PrintToString(text);
            continue;
        }
        Entries expected = ProfileFileFormat::parse(text);
        expected[changes[0].first] = changes[0].second;
        ASSERT_EQ(ProfileFileFormat::parse(*after), expected) << testing::PrintToString(text);
    }
}

} // namespace
} // namespace fenwake
