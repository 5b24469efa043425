#pragma once

#include "engine/history_entry.h"
#include "framework/text/translatable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

// The history as CSV, for spreadsheets and other trackers: RFC 4180 (commas, double quotes,
// CR LF), UTF-8, a header naming each column with its unit, a row an entry. The moment in ISO
// 8601; the entries in the shortest text that reads back as the same double, "." as the
// decimal point in every language, and in the units the entry was made in (the Units column
// says which); then the five figures with two decimals and the two ratings, as the list shows
// them in English. A file exported and imported again gives the same entries, bit for bit.
class HistoryCsv {
public:
    // Larger than any history a person keeps, smaller than what would exhaust memory.
    static constexpr std::size_t largestFile = std::size_t{256} << 20;

    static std::string write(const std::vector<HistoryEntry>& entries);

    struct Refusal {
        std::size_t line; // as an editor counts them, the header being line 1
        TranslatableText why;
    };
    // The rows refused: how many, and why for the first of them. A file of a million rows
    // nobody can read costs no more to describe than one of a few hundred.
    struct Refusals {
        static constexpr std::size_t mostDescribed = 200;
        std::vector<Refusal> described;
        std::size_t count = 0;
    };
    // A record with more fields than this is no row of entries: read no further.
    static constexpr std::size_t mostFields = 1000;

    struct Reading {
        // Empty when the text is a CSV of entries; else why it is not, and nothing else is set.
        TranslatableText notEntries;
        std::vector<HistoryEntry> entries; // the rows that read, in the file's order
        Refusals refused;
    };
    // Columns are found by their names (what comes before a parenthesis, in any case), in any
    // order; the figures and ratings of the file are not read, since they are computed again.
    static Reading read(std::string_view text);
    // A regular file of at most largestFile bytes, read without waiting on a pipe or a device.
    static Reading readFile(const std::string& path);
};

} // namespace fenwake
