#include "history/history_csv.h"

#include "engine/composition.h"
#include "engine/fat_method.h"
#include "engine/ratings.h"
#include "framework/storage/atomic_file.h"
#include "framework/text/ascii_case.h"
#include "framework/text/number_text.h"
#include "history/entry_fields.h"
#include "history/iso_time.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace fenwake {

namespace {

using Form = EntryField::Form;

// What follows the entry's own fields: the figures as the list shows them, for the spreadsheet;
// never read back.
constexpr const char* figureHeadings =
    "Fat percentage (%),Fat mass (kg or lb),Lean mass (kg or lb),"
    "Rest metabolic rate (Cals),Body mass index,Fat rating,Body mass index category";

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

std::string header() {
    std::string out;
    for (const EntryField& field : EntryFields::all()) {
        if (field.form != Form::Offset) {
            out.append(field.heading).append(" (").append(field.unit).append("),");
        }
    }
    return out + figureHeadings;
}

// A field of the entry as its column holds it.
std::string fieldText(const EntryField& field, const HistoryEntry& entry) {
    const EntryFields::Value value = EntryFields::valueOf(field, entry);
    switch (field.form) {
    case Form::Moment:
        return IsoTime::format(entry.taken);
    case Form::Units:
        return std::get<std::int64_t>(value) != 0 ? "metric" : "imperial";
    case Form::YesNo:
        return std::get<std::int64_t>(value) != 0 ? "yes" : "no";
    case Form::Method:
        return std::string(std::get<std::string_view>(value));
    case Form::Number:
        return shortest(std::get<double>(value));
    case Form::Offset:
        break;
    }
    return {};
}

void writeRow(std::string& out, const HistoryEntry& entry) {
    const Measurements& m = entry.measurements;
    for (const EntryField& field : EntryFields::all()) {
        if (field.form != Form::Offset) {
            out += quoted(fieldText(field, entry));
            out += ',';
        }
    }
    const CompositionResult figures = computeComposition(m);
    const std::optional<FatRating> rating = fatRatingOf(figures.fatPercentage, m.female);
    const std::optional<BmiCategory> category = bmiCategoryOf(figures.bodyMassIndex);
    const std::string texts[] = {
        NumberText::twoDecimals(figures.fatPercentage),
        NumberText::twoDecimals(figures.fatMass),
        NumberText::twoDecimals(figures.leanMass),
        NumberText::twoDecimals(figures.restMetabolicRate),
        NumberText::twoDecimals(figures.bodyMassIndex),
        rating ? std::string(fatRatingLabel(*rating)) : std::string(),
        category ? std::string(bmiCategoryLabel(*category)) : std::string(),
    };
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        out += i > 0 ? "," : "";
        out += quoted(texts[i]);
    }
    out += "\r\n";
}

// RFC 4180 records, one at a time, with the line each begins on. A quoted field may hold
// commas, quotes (doubled) and line breaks; CR LF and LF alike end a record. A record of more
// than mostFields fields is read to its end without keeping them: it is too wide to be a row.
class Records {
public:
    explicit Records(std::string_view csv) : text(csv) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") {
            text.remove_prefix(3);
        }
    }

    // False at the end; `tooWide` when the record had more fields than are kept.
    bool next(std::vector<std::string>& fields, std::size_t& startLine, bool& tooWide) {
        fields.clear();
        tooWide = false;
        if (at >= text.size()) {
            return false;
        }
        startLine = line;
        std::string field;
        bool inQuotes = false;
        const auto endField = [&] {
            if (fields.size() < HistoryCsv::mostFields) {
                fields.push_back(std::move(field));
            } else {
                tooWide = true;
            }
            field.clear();
        };
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
                endField();
            } else if (c == '\n' || c == '\r') {
                at += c == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
                ++line;
                break;
            } else if (!tooWide) {
                field += c;
            }
        }
        endField();
        return true;
    }

private:
    std::string_view text;
    std::size_t at = 0;
    std::size_t line = 1;
};

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
    return asciiLowered(trimmed(heading.substr(0, heading.find('('))));
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

// Where each of the entry's fields is in a row, -1 where the file has no such column.
using Places = std::vector<int>;

// One field of a row into the entry; why not, when it cannot be.
TranslatableText readField(const EntryField& field, std::string_view text, HistoryEntry& entry) {
    const std::string word = asciiLowered(text);
    switch (field.form) {
    case Form::Moment:
        if (const std::optional<Moment> taken = IsoTime::parse(text)) {
            entry.taken = *taken;
            return {};
        }
        return sentence(TRANSLATABLE("the date and time “%1” is no ISO 8601 time"),
                        {shownField(text)});
    case Form::Units:
        if (word == "metric" || word == "imperial") {
            EntryFields::setValue(field, entry, std::int64_t{word == "metric" ? 1 : 0});
            return {};
        }
        return sentence(TRANSLATABLE("the units “%1” are neither metric nor imperial"),
                        {shownField(text)});
    case Form::YesNo:
        if (word == "yes" || word == "no" || word == "1" || word == "0") {
            EntryFields::setValue(field, entry, std::int64_t{word == "yes" || word == "1" ? 1 : 0});
            return {};
        }
        return sentence(TRANSLATABLE("Female is “%1”, not yes or no"), {shownField(text)});
    case Form::Method:
        for (const FatMethod method : fatMethods) {
            if (text.empty() || equalsIgnoringCase(text, methodKey(method))) {
                EntryFields::setValue(field, entry, methodKey(method));
                return {};
            }
        }
        return sentence(TRANSLATABLE("the method “%1” is none of YMCA, Navy and RFM"),
                        {shownField(text)});
    case Form::Number:
        if (text.empty() && !field.needed) {
            return {}; // the Navy method's, which other entries need not have
        }
        if (const std::optional<double> read = number(text)) {
            EntryFields::setValue(field, entry, *read);
            return {};
        }
        return sentence(TRANSLATABLE("%1 “%2” is not a number"),
                        {std::string(field.heading), shownField(text)});
    case Form::Offset:
        break;
    }
    return {};
}

// One row into an entry, or why not.
std::optional<HistoryEntry> entryOf(const std::vector<std::string>& fields, const Places& places,
                                    TranslatableText& why) {
    HistoryEntry entry;
    const auto all = EntryFields::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].form == Form::Offset) {
            continue;
        }
        const int index = places[i];
        const std::string_view text = index >= 0 && static_cast<std::size_t>(index) < fields.size()
                                          ? trimmed(fields[static_cast<std::size_t>(index)])
                                          : std::string_view();
        if (TranslatableText problem = readField(all[i], text, entry); !problem.empty()) {
            why = std::move(problem);
            return std::nullopt;
        }
    }
    return entry;
}

void refuse(HistoryCsv::Refusals& refused, std::size_t line, TranslatableText why) {
    ++refused.count;
    if (refused.described.size() < HistoryCsv::Refusals::mostDescribed) {
        refused.described.push_back({line, std::move(why)});
    }
}

} // namespace

std::string HistoryCsv::write(const std::vector<HistoryEntry>& entries) {
    std::string out = header() + "\r\n";
    for (const HistoryEntry& entry : entries) {
        writeRow(out, entry);
    }
    return out;
}

HistoryCsv::Reading HistoryCsv::read(std::string_view text) {
    Reading reading;
    if (text.size() > largestFile) {
        reading.notEntries = sentence(TRANSLATABLE("it is larger than any history could be"));
        return reading;
    }
    Records records(text);
    std::vector<std::string> fields;
    std::size_t line = 0;
    bool tooWide = false;
    if (!records.next(fields, line, tooWide)) {
        reading.notEntries = sentence(TRANSLATABLE("it is empty"));
        return reading;
    }
    const auto all = EntryFields::all();
    Places places(all.size(), -1);
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const std::string name = columnName(fields[index]);
        for (std::size_t field = 0; field < all.size(); ++field) {
            if (!all[field].heading.empty() && name == asciiLowered(all[field].heading) &&
                places[field] < 0) {
                places[field] = static_cast<int>(index);
            }
        }
    }
    for (std::size_t field = 0; field < all.size(); ++field) {
        if (all[field].needed && places[field] < 0) {
            reading.notEntries = sentence(TRANSLATABLE("its first line names no column “%1”"),
                                          {asciiLowered(all[field].heading)});
            return reading;
        }
    }
    while (records.next(fields, line, tooWide)) {
        if (fields.size() == 1 && trimmed(fields[0]).empty()) {
            continue; // a blank line
        }
        TranslatableText why;
        if (tooWide) {
            refuse(
                reading.refused, line,
                sentence(TRANSLATABLE("it has more than %1 fields"), {std::to_string(mostFields)}));
        } else if (std::optional<HistoryEntry> entry = entryOf(fields, places, why)) {
            reading.entries.push_back(*entry);
        } else {
            refuse(reading.refused, line, std::move(why));
        }
    }
    return reading;
}

HistoryCsv::Reading HistoryCsv::readFile(const std::string& path) {
    const AtomicFile::Reading file = readRegularFile(path, largestFile);
    Reading reading;
    switch (file.found) {
    case AtomicFile::Found::Read:
        return read(file.text);
    case AtomicFile::Found::TooLarge:
        reading.notEntries =
            sentence(TRANSLATABLE("%1 is larger than any history could be"), {path});
        return reading;
    case AtomicFile::Found::Missing:
    case AtomicFile::Found::Refused:
        break;
    }
    reading.notEntries = file.problem;
    return reading;
}

} // namespace fenwake
