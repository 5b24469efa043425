#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

// What a file's first line says: which column holds each of the entry's fields, by any of the
// names spreadsheets and trackers give them (the export's own, the History window's headings in
// English, German and French, openScale's), matched without case, blanks or a unit in
// parentheses; what the units in parentheses say of the file's units; and which columns hold
// figures another program computed, which are never taken for Fenwake's.
class ImportColumns {
public:
    explicit ImportColumns(const std::vector<std::string>& header);

    // The column of the field of EntryFields::all() at that index, or -1.
    int place(std::size_t field) const { return places[field]; }
    // Metric or imperial, when the headings' units or the tracker that wrote the file say so.
    std::optional<bool> metric() const { return metricUnits; }
    // The headings of the figures another program computed (its fat percentage, say).
    const std::vector<std::string>& othersFigures() const { return computed; }

    // "Tour de taille (cm)" is "tourdetaille", "dateTime" is "datetime".
    static std::string normalized(std::string_view heading);

private:
    std::vector<int> places;
    std::optional<bool> metricUnits;
    std::vector<std::string> computed;
};

} // namespace fenwake
