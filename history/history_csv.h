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

    // The fields an entry needs that a file has no column for (another tracker keeps no height,
    // a file of weights alone no waist), or, in another program's file, leaves empty or at 0 in
    // a row: the person gives them once, for every such entry.
    struct Lacking {
        bool units = false;
        bool female = false;
        bool waist = false;
        bool weight = false;
        bool height = false;
        bool any() const;
    };
    struct Given {
        bool metric = false;
        bool female = false;
        double waist = 0.0;
        double weight = 0.0;
        double height = 0.0;
    };

    struct Reading {
        // Empty when the text is a table of entries; else why it is not, and nothing else is set.
        TranslatableText notEntries;
        // The rows that read, in the file's order; what the file lacks is yet to be given.
        std::vector<HistoryEntry> entries;
        Refusals refused;
        Lacking lacking;
        std::size_t dateAlone = 0; // entries of a date without a time, taken at noon
        // The headings of figures another program computed, read but never taken.
        std::vector<std::string> othersFigures;
        char separator = ',';
    };
    // Text in UTF-8 (with or without its mark) or UTF-16 with its mark; its fields separated by
    // commas, semicolons or tabs, as its first line has most of; numbers with a decimal point or
    // comma. Columns are found by their names in English, German or French, in any case, without
    // blanks or a unit in parentheses, in any order; the figures and ratings of the file are not
    // read, since they are computed again.
    static Reading read(std::string_view bytes);
    // The entries with what the file lacked as the person gave it.
    static std::vector<HistoryEntry> completed(const Reading& reading, const Given& given);
    // A regular file of at most largestFile bytes, read without waiting on a pipe or a device.
    static Reading readFile(const std::string& path);
};

} // namespace fenwake
