#include "history/history_csv.h"

#include "engine/bmi_category.h"
#include "engine/composition.h"
#include "engine/fat_rating.h"
#include "framework/text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace fenwake {

namespace {

// The columns, in the order they are written; the first nine are read back.
enum Column { moment, units, female, method, waist, weight, height, neck, hip, readColumns };
constexpr std::array<std::string_view, readColumns> names{
    "date and time", "units", "female", "method", "waist", "weight", "height", "neck", "hip"};
constexpr const char* header =
    "Date and time (ISO 8601),Units (metric: cm and kg; imperial: in and lb),Female (yes or no),"
    "Method (YMCA; Navy; RFM),Waist (cm or in),Weight (kg or lb),Height (cm or in),"
    "Neck (cm or in),Hip (cm or in),Fat percentage (%),Fat mass (kg or lb),Lean mass (kg or lb),"
    "Rest metabolic rate (Cals),Body mass index,Fat rating,Body mass index category";
constexpr const char* methodNames[] = {"YMCA", "Navy", "RFM"};

// The shortest text that reads back as this double.
std::string shortest(double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string();
}

std::string quoted(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(field);
    }
    std::string out = "\"";
    for (const char c : field) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + '"';
}

std::string rating(double value, std::string_view label) {
    return std::isfinite(value) ? std::string(label) : std::string();
}

void writeRow(std::string& out, const HistoryEntry& entry) {
    const Measurements& m = entry.measurements;
    const CompositionResult figures = computeComposition(m);
    const std::string fields[] = {
        IsoTime::format(entry.taken),
        m.metric ? "metric" : "imperial",
        m.female ? "yes" : "no",
        methodNames[static_cast<int>(m.method)],
        shortest(m.waist),
        shortest(m.weight),
        shortest(m.height),
        shortest(m.neck),
        shortest(m.hip),
        NumberText::twoDecimals(figures.fatPercentage),
        NumberText::twoDecimals(figures.fatMass),
        NumberText::twoDecimals(figures.leanMass),
        NumberText::twoDecimals(figures.restMetabolicRate),
        NumberText::twoDecimals(figures.bodyMassIndex),
        rating(figures.fatPercentage,
               fatRatingLabel(rateFatPercentage(figures.fatPercentage, m.female))),
        rating(figures.bodyMassIndex,
               bmiCategoryLabel(categoriseBodyMassIndex(figures.bodyMassIndex))),
    };
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += quoted(fields[i]);
    }
    out += "\r\n";
}

// RFC 4180 records, one at a time, with the line each begins on. A quoted field may hold
// commas, quotes (doubled) and line breaks; CR LF and LF alike end a record.
class Records {
public:
    explicit Records(std::string_view csv) : text(csv) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") {
            text.remove_prefix(3);
        }
    }

    bool next(std::vector<std::string>& fields, std::size_t& startLine) {
        fields.clear();
        if (at >= text.size()) {
            return false;
        }
        startLine = line;
        std::string field;
        bool inQuotes = false;
        for (; at < text.size(); ++at) {
            const char c = text[at];
            if (inQuotes) {
                if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                    field += '"';
                    ++at;
                } else if (c == '"') {
                    inQuotes = false;
                } else {
                    line += c == '\n' ? 1 : 0;
                    field += c;
                }
            } else if (c == '"') {
                inQuotes = true;
            } else if (c == ',') {
                fields.push_back(std::move(field));
                field.clear();
            } else if (c == '\n' || c == '\r') {
                at += c == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
                ++line;
                break;
            } else {
                field += c;
            }
        }
        fields.push_back(std::move(field));
        return true;
    }

private:
    std::string_view text;
    std::size_t at = 0;
    std::size_t line = 1;
};

std::string lowered(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// A header's name: what comes before its unit in parentheses.
std::string columnName(std::string_view heading) {
    return lowered(trimmed(heading.substr(0, heading.find('('))));
}

std::optional<double> number(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A field shown in a refusal: whole when short, else its start.
std::string shownField(std::string_view field) {
    return field.size() <= 40 ? std::string(field) : std::string(field.substr(0, 37)) + "...";
}

TranslatableText said(const char* id, std::vector<std::string> arguments = {}) {
    return {id, std::move(arguments)};
}

// One row into an entry, or why not.
std::optional<HistoryEntry> entryOf(const std::vector<std::string>& fields,
                                    const std::array<int, readColumns>& where,
                                    TranslatableText& why) {
    const auto field = [&](Column column) -> std::string_view {
        const int index = where[column];
        return index >= 0 && static_cast<std::size_t>(index) < fields.size()
                   ? trimmed(fields[static_cast<std::size_t>(index)])
                   : std::string_view();
    };
    HistoryEntry entry;
    const std::optional<Moment> taken = IsoTime::parse(field(moment));
    if (!taken) {
        why = said(TRANSLATABLE("the date and time “%1” is no ISO 8601 time"),
                   {shownField(field(moment))});
        return std::nullopt;
    }
    entry.taken = *taken;
    Measurements& m = entry.measurements;
    const std::string unitsText = lowered(field(units));
    if (unitsText != "metric" && unitsText != "imperial") {
        why = said(TRANSLATABLE("the units “%1” are neither metric nor imperial"),
                   {shownField(field(units))});
        return std::nullopt;
    }
    m.metric = unitsText == "metric";
    const std::string sex = lowered(field(female));
    if (sex != "yes" && sex != "no" && sex != "1" && sex != "0") {
        why = said(TRANSLATABLE("Female is “%1”, not yes or no"), {shownField(field(female))});
        return std::nullopt;
    }
    m.female = sex == "yes" || sex == "1";
    const std::string_view methodText = field(method);
    bool known = methodText.empty();
    for (std::size_t i = 0; i < std::size(methodNames); ++i) {
        if (lowered(methodText) == lowered(methodNames[i])) {
            m.method = static_cast<FatMethod>(i);
            known = true;
        }
    }
    if (!known) {
        why = said(TRANSLATABLE("the method “%1” is none of YMCA, Navy and RFM"),
                   {shownField(methodText)});
        return std::nullopt;
    }
    const std::pair<Column, double*> numbers[] = {{waist, &m.waist},
                                                  {weight, &m.weight},
                                                  {height, &m.height},
                                                  {neck, &m.neck},
                                                  {hip, &m.hip}};
    for (const auto& [column, value] : numbers) {
        if ((column == neck || column == hip) && field(column).empty()) {
            continue; // the Navy method's, which other entries need not have
        }
        const std::optional<double> read = number(field(column));
        if (!read) {
            // The column as the file's first line names it.
            std::string name(names[column]);
            name.front() = static_cast<char>(name.front() - 'a' + 'A');
            why = said(TRANSLATABLE("%1 “%2” is not a number"), {name, shownField(field(column))});
            return std::nullopt;
        }
        *value = *read;
    }
    return entry;
}

} // namespace

std::string HistoryCsv::write(const std::vector<HistoryEntry>& entries) {
    std::string out = std::string(header) + "\r\n";
    for (const HistoryEntry& entry : entries) {
        writeRow(out, entry);
    }
    return out;
}

HistoryCsv::Reading HistoryCsv::read(std::string_view text) {
    Reading reading;
    if (text.size() > largestFile) {
        reading.notEntries = said(TRANSLATABLE("it is larger than any history could be"));
        return reading;
    }
    Records records(text);
    std::vector<std::string> fields;
    std::size_t line = 0;
    if (!records.next(fields, line)) {
        reading.notEntries = said(TRANSLATABLE("it is empty"));
        return reading;
    }
    std::array<int, readColumns> where{};
    where.fill(-1);
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const std::string name = columnName(fields[index]);
        for (std::size_t column = 0; column < names.size(); ++column) {
            if (name == names[column] && where[column] < 0) {
                where[column] = static_cast<int>(index);
            }
        }
    }
    for (const Column needed : {moment, units, female, waist, weight, height}) {
        if (where[needed] < 0) {
            reading.notEntries = said(TRANSLATABLE("its first line names no column “%1”"),
                                      {std::string(names[needed])});
            return reading;
        }
    }
    while (records.next(fields, line)) {
        if (fields.size() == 1 && trimmed(fields[0]).empty()) {
            continue; // a blank line
        }
        TranslatableText why;
        if (std::optional<HistoryEntry> entry = entryOf(fields, where, why)) {
            reading.entries.push_back(*entry);
        } else {
            reading.refused.push_back({line, why});
        }
    }
    return reading;
}

} // namespace fenwake
