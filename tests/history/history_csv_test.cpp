// The history as CSV: what is written reads back as the same entries to the bit, and a file that
// is not quite ours is read as far as it can be, every refused row named with its line.
#include "history/history_csv.h"
#include "history/iso_time.h"
#include "tests/history/history_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace fenwake {
namespace {

using test::entryOnDay;
using test::sameEntries;

constexpr const char* shortHeader = "Date and time,Units,Female,Waist,Weight,Height\r\n";

double anyFiniteDouble(std::mt19937_64& random) {
    for (;;) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) {
            return value;
        }
    }
}

// Any entry the history could hold: any finite numbers, any moment from year 1 to 9999 with
// any offset a clock has.
HistoryEntry anyEntry(std::mt19937_64& random) {
    HistoryEntry entry;
    const std::int64_t span = 253'402'300'799'000 + 62'135'596'800'000 - 2 * 86'400'000;
    entry.taken = {static_cast<std::int64_t>(random() % span) - 62'135'596'800'000 + 86'400'000,
                   static_cast<int>(random() % 1681) - 840};
    entry.measurements = {anyFiniteDouble(random), anyFiniteDouble(random),
                          anyFiniteDouble(random), (random() & 1) != 0,
                          (random() & 2) != 0,     anyFiniteDouble(random),
                          anyFiniteDouble(random), static_cast<FatMethod>(random() % 3)};
    return entry;
}

TEST(HistoryCsv, WrittenAndReadGivesTheSameEntriesToTheBit) {
    std::mt19937_64 random(4180);
    for (int round = 0; round < 20; ++round) {
        std::vector<HistoryEntry> entries;
        for (int i = 0; i < 100; ++i) {
            entries.push_back(anyEntry(random));
        }
        const HistoryCsv::Reading reading = HistoryCsv::read(HistoryCsv::write(entries));
        ASSERT_TRUE(reading.notEntries.empty()) << reading.notEntries.id;
        ASSERT_EQ(reading.refused.count, 0u) << reading.refused.described.front().why.id;
        ASSERT_TRUE(sameEntries(reading.entries, entries)) << "round " << round;
    }
}

TEST(HistoryCsv, WritesWhatASpreadsheetShowsAsTheListDoes) {
    HistoryEntry entry;
    entry.taken = *IsoTime::parse("2026-03-01T08:30:00.000+01:00");
    entry.measurements = {85.0, 80.0,      178.0, false,
                          true, 0.1 + 0.2, 0.0,   FatMethod::WaistAndWeight};
    const std::string csv = HistoryCsv::write({entry});
    const std::size_t rowStart = csv.find("\r\n") + 2;
    EXPECT_EQ(csv.substr(0, csv.find(',')), "Date and time (ISO 8601)");
    EXPECT_EQ(csv.substr(rowStart, csv.find(',', rowStart) - rowStart),
              "2026-03-01T08:30:00.000+01:00");
    EXPECT_NE(csv.find(",metric,no,YMCA,85,80,178,0.30000000000000004,0,"), std::string::npos)
        << csv;
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
}

// A file from elsewhere: how it reads, row by row.
struct Foreign {
    const char* name;
    std::string text;
    std::size_t entries;
    std::vector<std::size_t> refusedLines;
    const char* notEntries = ""; // the id of why it is no CSV of entries at all
    const char* women = "";      // when given: each entry read, '1' for a woman's, '0' a man's

    friend void PrintTo(const Foreign& file, std::ostream* out) { *out << file.name; }
};

class ForeignFile : public ::testing::TestWithParam<Foreign> {};

TEST_P(ForeignFile, ReadsWhatItCanAndNamesEachRefusedLine) {
    const HistoryCsv::Reading reading = HistoryCsv::read(GetParam().text);
    EXPECT_EQ(reading.notEntries.id, GetParam().notEntries);
    EXPECT_EQ(reading.entries.size(), GetParam().entries);
    std::vector<std::size_t> lines;
    EXPECT_EQ(reading.refused.count, reading.refused.described.size());
    for (const HistoryCsv::Refusal& refusal : reading.refused.described) {
        lines.push_back(refusal.line);
        EXPECT_FALSE(refusal.why.empty());
    }
    EXPECT_EQ(lines, GetParam().refusedLines);
    if (*GetParam().women != '\0') {
        std::string women;
        for (const HistoryEntry& entry : reading.entries) {
            women += entry.measurements.female ? '1' : '0';
        }
        EXPECT_EQ(women, GetParam().women);
    }
}

std::string longLine() {
    return std::string(shortHeader) + "2026-03-01T08:00Z,metric,no," + std::string(10 << 20, '7') +
           ",80,178\r\n2026-03-02T08:00Z,metric,no,85,80,178\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ForeignFile,
    ::testing::Values(
        // A quoted decimal comma is a decimal comma.
        Foreign{"bom_crlf_and_quotes",
                "\xEF\xBB\xBF" + std::string(shortHeader) +
                    "\"2026-03-01 08:00\",\"metric\",\"yes\",\"80,5\",70,165\r\n"
                    "2026-03-02T08:00:00Z,metric,yes,\"80.5\",70,165\r\n"
                    "2026-03-03T08:00:00Z,metric,yes,\"80,5,0\",70,165\r\n",
                2,
                {4}},
        Foreign{"any_order_any_case_extra_columns",
                "height (cm),NOTE,weight,female,WAIST,units,date and time\n"
                "178,\"said \"\"hi\"\"\nover two lines\",80,no,85,Metric,2026-03-01T08:00Z\n"
                "170,,70,no,80,imperial,2026-03-02T08:00Z\n",
                2,
                {}},
        // A line break inside a quoted field is a line of the file: a later refusal names the
        // line an editor shows.
        Foreign{"a_note_over_three_lines_then_a_refusal",
                "Date and time,Units,Female,Waist,Weight,Height,Note\r\n"
                "2026-03-01T08:00Z,metric,no,85,80,178,\"first\r\nsecond\r\nthird\"\r\n"
                "2026-03-02T08:00Z,metric,no,eighty,80,178,\r\n",
                1,
                {5}},
        Foreign{"female_as_words_and_digits",
                std::string(shortHeader) + "2026-03-01T08:00Z,metric,1,85,80,178\r\n"
                                           "2026-03-02T08:00Z,metric,0,85,80,178\r\n"
                                           "2026-03-03T08:00Z,metric,Yes,85,80,178\r\n"
                                           "2026-03-04T08:00Z,metric,NO,85,80,178\r\n",
                4,
                {},
                "",
                "1010"},
        Foreign{"text_in_a_number_column",
                std::string(shortHeader) + "2026-03-01T08:00Z,metric,no,eighty,80,178\r\n"
                                           "2026-03-01T08:00Z,metric,no,85,80,178\r\n"
                                           "2026-03-01T08:00Z,metric,no,nan,80,178\r\n"
                                           "2026-03-01T08:00Z,metric,no,1e999,80,178\r\n"
                                           "2026-03-01T08:00Z,metric,no,85,,178\r\n",
                1,
                {2, 4, 5, 6}},
        Foreign{"bad_dates_units_and_sexes",
                std::string(shortHeader) + "2026-02-30T08:00Z,metric,no,85,80,178\r\n"
                                           "yesterday,metric,no,85,80,178\r\n"
                                           "2026-03-01T08:00Z,furlongs,no,85,80,178\r\n"
                                           "2026-03-01T08:00Z,metric,maybe,85,80,178\r\n"
                                           "2026-03-01T25:00Z,metric,no,85,80,178\r\n",
                0,
                {2, 3, 4, 5, 6}},
        Foreign{"short_rows_and_blank_lines",
                std::string(shortHeader) + "\r\n2026-03-01T08:00Z,metric\r\n\r\n"
                                           "2026-03-01T08:00Z,metric,no,85,80,178",
                1,
                {3}},
        Foreign{"a_quote_left_open",
                std::string(shortHeader) + "\"2026-03-01T08:00Z,metric,no,85,80,178\r\n",
                0,
                {2}},
        Foreign{"a_ten_megabyte_number", longLine(), 1, {2}},
        Foreign{"no_date_column",
                "Units,Female,Waist,Weight,Height\r\n",
                0,
                {},
                "its first line names no column of the date and time (such as “Date and time”, "
                "“Date” or “dateTime”); it names %1"},
        Foreign{"a_spreadsheet_of_something_else",
                "Name,Score\r\nAda,3\r\n",
                0,
                {},
                "its first line names no column of the date and time (such as “Date and time”, "
                "“Date” or “dateTime”); it names %1"},
        Foreign{"empty", "", 0, {}, "it is empty"}, Foreign{"only_a_header", shortHeader, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A moment written reads back as the same moment, and a text that names no moment reads as none.
struct TimeText {
    const char* text;
    std::optional<Moment> moment;
};

class IsoTimeText : public ::testing::TestWithParam<TimeText> {};

TEST_P(IsoTimeText, ReadsAsTheMomentItNames) {
    const std::optional<Moment> read = IsoTime::parse(GetParam().text);
    ASSERT_EQ(read.has_value(), GetParam().moment.has_value());
    if (read) {
        EXPECT_EQ(read->utcMilliseconds, GetParam().moment->utcMilliseconds);
        EXPECT_EQ(read->utcOffsetMinutes, GetParam().moment->utcOffsetMinutes);
        EXPECT_EQ(IsoTime::parse(IsoTime::format(*read)), read);
    }
}

constexpr std::int64_t march1st2026 = 1772323200000; // 00:00 UTC

INSTANTIATE_TEST_SUITE_P(
    Table, IsoTimeText,
    ::testing::Values(TimeText{"2026-03-01T00:00Z", Moment{march1st2026, 0}},
                      TimeText{"2026-03-01T08:30:15.250+01:00",
                               Moment{march1st2026 + 7 * 3600000 + 30 * 60000 + 15250, 60}},
                      TimeText{"2026-03-01 00:00:00-0530",
                               Moment{march1st2026 + 330 * 60000, -330}},
                      TimeText{"2024-02-29T12:00Z", Moment{1709208000000, 0}},
                      TimeText{"1969-12-31T23:59:59.999Z", Moment{-1, 0}},
                      // The first day four digits name, in the calendar's year 0.
                      TimeText{"0000-01-01T00:00Z", Moment{-719528 * std::int64_t{86400000}, 0}},
                      TimeText{"2026-03-01T00:00:00,5Z", Moment{march1st2026 + 500, 0}},
                      TimeText{"2025-02-29T12:00Z", std::nullopt},
                      TimeText{"2026-13-01T12:00Z", std::nullopt},
                      TimeText{"2026-03-01T24:00Z", std::nullopt},
                      TimeText{"2026-03-01T12:00+24:00", std::nullopt},
                      TimeText{"2026-03-01T12:00Z tomorrow", std::nullopt},
                      TimeText{"2026-3-1T12:00Z", std::nullopt}, TimeText{"", std::nullopt}));

TEST(IsoTime, AMomentWrittenReadsBackTheSame) {
    std::mt19937_64 random(8601);
    for (int i = 0; i < 2000; ++i) {
        const HistoryEntry entry = anyEntry(random);
        EXPECT_EQ(IsoTime::parse(IsoTime::format(entry.taken)), entry.taken)
            << IsoTime::format(entry.taken);
    }
}

// Hostile files read with bounded work: however many lines are refused, only the first few
// hundred are described, and reading takes memory of a small multiple of the file's size (the
// peak of a process of its own that reads it, which is all it does).
struct Hostile {
    const char* name;
    std::function<void(std::ofstream& out)> write;
    std::size_t refused;
};

class HostileFile : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileFile, IsReadInLittleMoreMemoryThanItTakesAndDescribedInBrief) {
    test::HistoryFolder folder;
    const std::string path = folder.path("hostile.csv");
    {
        std::ofstream out(path, std::ios::binary);
        GetParam().write(out);
    }
    const auto size = static_cast<long>(std::filesystem::file_size(path));
    int report[2] = {-1, -1};
    ASSERT_EQ(pipe(report), 0);
    const pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        const HistoryCsv::Reading reading = HistoryCsv::readFile(path);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long numbers[] = {usage.ru_maxrss * 1024, static_cast<long>(reading.refused.count),
                                static_cast<long>(reading.refused.described.size()),
                                static_cast<long>(reading.entries.size())};
        const bool sent = write(report[1], numbers, sizeof numbers) == sizeof numbers;
        std::_Exit(sent ? 0 : 1);
    }
    close(report[1]);
    long numbers[4] = {};
    ASSERT_EQ(read(report[0], numbers, sizeof numbers), static_cast<ssize_t>(sizeof numbers));
    close(report[0]);
    waitpid(reader, nullptr, 0);
    const long peak = numbers[0];
    // AddressSanitizer pads every allocation and holds freed memory back: a peak says nothing
    // of the reader there, only the counts do.
#if defined(__SANITIZE_ADDRESS__)
    constexpr bool peakMeansSomething = false;
#elif defined(__has_feature)
    constexpr bool peakMeansSomething = !__has_feature(address_sanitizer);
#else
    constexpr bool peakMeansSomething = true;
#endif
    if (peakMeansSomething) {
        EXPECT_LT(peak, 3 * size + (64L << 20)) << "a file of " << size << " bytes took " << peak;
    }
    EXPECT_EQ(numbers[1], static_cast<long>(GetParam().refused));
    EXPECT_EQ(numbers[2], std::min<long>(numbers[1], HistoryCsv::Refusals::mostDescribed));
    EXPECT_EQ(numbers[3], 0);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFile,
                         ::testing::Values(Hostile{"two_million_lines_refused",
                                                   [](std::ofstream& out) {
                                                       out << shortHeader;
                                                       for (int line = 0; line < 2'000'000;
                                                            ++line) {
                                                           out << "x\n";
                                                       }
                                                   },
                                                   2'000'000},
                                           Hostile{"a_line_of_commas_as_large_as_any_history",
                                                   [](std::ofstream& out) {
                                                       out << shortHeader;
                                                       const std::string commas(1 << 20, ',');
                                                       for (int mebibyte = 0; mebibyte < 255;
                                                            ++mebibyte) {
                                                           out << commas;
                                                       }
                                                   },
                                                   1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace fenwake
