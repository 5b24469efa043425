#include "history/history_csv.h"

#include "engine/composition.h"
#include "engine/fat_method.h"
#include "engine/ratings.h"
#include "framework/storage/atomic_file.h"
#include "framework/text/ascii_case.h"
#include "framework/text/number_text.h"
#include "history/entry_fields.h"
#include "history/import_columns.h"
#include "history/import_dates.h"
#include "history/iso_time.h"
#include "history/text_decoding.h"

#include <algorithm>
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

// RFC 4180 records, one at a time, with the line each begins on, their fields separated by
// commas, semicolons or tabs. A quoted field may hold separators, quotes (doubled) and line
// breaks; CR LF and LF alike end a record. A record of more than mostFields fields is read to
// its end without keeping them: it is too wide to be a row.
class Records {
public:
    Records(std::string_view csv, char separatedBy) : text(csv), separator(separatedBy) {}

    // The separator of a file's fields: of a comma, a semicolon and a tab, the one its first
    // line holds most of outside quotes (a comma when it holds none).
    static char separatorOf(std::string_view csv) {
        std::size_t commas = 0;
        std::size_t semicolons = 0;
        std::size_t tabs = 0;
        bool inQuotes = false;
        for (const char c : csv) {
            if (c == '"') {
                inQuotes = !inQuotes;
            } else if (!inQuotes && (c == '\n' || c == '\r')) {
                break;
            } else if (!inQuotes) {
                commas += c == ',' ? 1 : 0;
                semicolons += c == ';' ? 1 : 0;
                tabs += c == '\t' ? 1 : 0;
            }
        }
        if (tabs > commas && tabs >= semicolons) {
            return '\t';
        }
        return semicolons > commas ? ';' : ',';
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
            } else if (c == separator) {
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
    char separator;
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

// A decimal number, with a point or, as spreadsheets write it in much of Europe, one comma.
std::optional<double> number(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::string withPoint;
    if (const std::size_t comma = text.find(',');
        comma != std::string_view::npos &&
        text.find_first_of(",.", comma + 1) == std::string_view::npos &&
        text.find('.') == std::string_view::npos) {
        withPoint = std::string(text);
        withPoint[comma] = '.';
        text = withPoint;
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

// The words a yes-or-no field, or a sex, is written with.
std::optional<bool> yesOrNo(std::string_view word) {
    static constexpr std::string_view yes[] = {"yes",   "1",     "true",   "ja", "oui",
                                               "y",     "f",     "female", "w",  "weiblich",
                                               "femme", "woman", "frau"};
    static constexpr std::string_view no[] = {"no", "0",   "false", "nein",     "non",
                                              "n",  "m",   "male",  "männlich", "homme",
                                              "h",  "man", "mann"};
    if (std::ranges::find(yes, word) != std::end(yes)) {
        return true;
    }
    if (std::ranges::find(no, word) != std::end(no)) {
        return false;
    }
    return std::nullopt;
}

std::optional<bool> metricOrImperial(std::string_view word) {
    static constexpr std::string_view metric[] = {"metric", "metrisch", "métrique", "metrique"};
    static constexpr std::string_view imperial[] = {"imperial", "impérial", "angloamerikanisch"};
    if (std::ranges::find(metric, word) != std::end(metric)) {
        return true;
    }
    if (std::ranges::find(imperial, word) != std::end(imperial)) {
        return false;
    }
    return std::nullopt;
}

// What a row is read with: each field's column, how the dates are written, and the fields the
// file has no column for, which the person gives for every entry.
struct Layout {
    std::vector<int> places;
    ImportDates::Order order = ImportDates::Order::DayFirst;
    std::optional<bool> metric; // for every entry, when the file has no Units column
    // Another program's file (it has no Units column): a measurement it leaves empty or at 0
    // is one it did not take, given by the person as one it has no column for.
    bool foreign = false;
};

// The waist, the weight and the height: what the person gives where a file lacks them.
bool* lackedMeasurement(const EntryField& field, HistoryCsv::Lacking& lacking) {
    if (field.column == "waist") {
        return &lacking.waist;
    }
    if (field.column == "weight") {
        return &lacking.weight;
    }
    return field.column == "height" ? &lacking.height : nullptr;
}

// What reading a row found besides its entry.
struct Row {
    bool dateAlone = false;
    bool numericDate = false; // "01.03.2026", whose order the file's other dates decide
    HistoryCsv::Lacking lacking;
};

// One field of a row into the entry; why not, when it cannot be.
TranslatableText readField(const EntryField& field, std::string_view text, const Layout& layout,
                           HistoryEntry& entry, Row& row) {
    const std::string word = ImportColumns::normalized(text);
    switch (field.form) {
    case Form::Moment:
        row.numericDate = ImportDates::isNumeric(text);
        if (const std::optional<ImportDates::Read> taken = ImportDates::parse(text, layout.order)) {
            entry.taken = taken->taken;
            row.dateAlone = taken->dateAlone;
            return {};
        }
        return sentence(TRANSLATABLE("the date and time “%1” is none Fenwake reads"),
                        {shownField(text)});
    case Form::Units:
        if (const std::optional<bool> metric = metricOrImperial(word)) {
            EntryFields::setValue(field, entry, std::int64_t{*metric ? 1 : 0});
            return {};
        }
        return sentence(TRANSLATABLE("the units “%1” are neither metric nor imperial"),
                        {shownField(text)});
    case Form::YesNo:
        if (const std::optional<bool> female = yesOrNo(word)) {
            EntryFields::setValue(field, entry, std::int64_t{*female ? 1 : 0});
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
        if (bool* lacked = lackedMeasurement(field, row.lacking);
            lacked != nullptr && layout.foreign && (text.empty() || number(text) == 0.0)) {
            *lacked = true;
            return {};
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

// One row into an entry, or why not. A field the file has no column for is left for the person
// to give.
std::optional<HistoryEntry> entryOf(const std::vector<std::string>& fields, const Layout& layout,
                                    TranslatableText& why, Row& row) {
    HistoryEntry entry;
    entry.measurements.metric = layout.metric.value_or(false);
    const auto all = EntryFields::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int index = layout.places[i];
        if (all[i].form == Form::Offset || (index < 0 && i > 0)) {
            continue;
        }
        const std::string_view text = index >= 0 && static_cast<std::size_t>(index) < fields.size()
                                          ? trimmed(fields[static_cast<std::size_t>(index)])
                                          : std::string_view();
        if (TranslatableText problem = readField(all[i], text, layout, entry, row);
            !problem.empty()) {
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

std::size_t fieldIndex(std::string_view column) {
    const auto all = EntryFields::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].column == column) {
            return i;
        }
    }
    return 0;
}

// "“Date”, “Weight”, “Body Fat”": what a first line names, for a refusal that says what it
// names instead of what is needed.
std::string namedColumns(const std::vector<std::string>& header) {
    std::string named;
    for (std::size_t i = 0; i < header.size() && i < 6; ++i) {
        named.append(i > 0 ? ", " : "")
            .append("\u201C")
            .append(shownField(trimmed(header[i])))
            .append("\u201D");
    }
    return header.size() > 6 ? named + ", …" : named;
}

// Why a first line is no header of entries: it must name the date and time, and the weight or
// the waist.
TranslatableText headerProblem(const ImportColumns& columns,
                               const std::vector<std::string>& header) {
    if (columns.place(fieldIndex("taken_ms")) < 0) {
        return sentence(TRANSLATABLE("its first line names no column of the date and time (such "
                                     "as “Date and time”, “Date” or “dateTime”); it names %1"),
                        {namedColumns(header)});
    }
    if (columns.place(fieldIndex("weight")) < 0 && columns.place(fieldIndex("waist")) < 0) {
        return sentence(TRANSLATABLE("its first line names no column of the weight or of the "
                                     "waist (such as “Weight (kg)” or “Waist (cm)”); it names %1"),
                        {namedColumns(header)});
    }
    return {};
}

// The dates of the file's rows, for the order its numeric dates are in.
ImportDates::Decision dateOrderOf(std::string_view text, char separator, int dateColumn) {
    Records records(text, separator);
    std::vector<std::string> fields;
    std::size_t line = 0;
    bool tooWide = false;
    records.next(fields, line, tooWide);
    ImportDates::OrderFinder finder;
    while (records.next(fields, line, tooWide)) {
        if (!tooWide && static_cast<std::size_t>(dateColumn) < fields.size()) {
            finder.see(trimmed(fields[static_cast<std::size_t>(dateColumn)]));
        }
    }
    return finder.decision();
}

// The rows after the header into the reading; whether any of them has a numeric date.
bool readRows(std::string_view text, const Layout& layout, HistoryCsv::Reading& reading) {
    Records records(text, reading.separator);
    std::vector<std::string> fields;
    std::size_t line = 0;
    bool tooWide = false;
    records.next(fields, line, tooWide);
    bool numericDates = false;
    while (records.next(fields, line, tooWide)) {
        if (fields.size() == 1 && trimmed(fields[0]).empty()) {
            continue; // a blank line
        }
        TranslatableText why;
        Row row;
        if (tooWide) {
            refuse(reading.refused, line,
                   sentence(TRANSLATABLE("it has more than %1 fields"),
                            {std::to_string(HistoryCsv::mostFields)}));
        } else if (std::optional<HistoryEntry> entry = entryOf(fields, layout, why, row)) {
            reading.entries.push_back(*entry);
            reading.dateAlone += row.dateAlone ? 1 : 0;
            reading.lacking.waist = reading.lacking.waist || row.lacking.waist;
            reading.lacking.weight = reading.lacking.weight || row.lacking.weight;
            reading.lacking.height = reading.lacking.height || row.lacking.height;
        } else {
            refuse(reading.refused, line, std::move(why));
        }
        numericDates = numericDates || row.numericDate;
    }
    return numericDates;
}

} // namespace

bool HistoryCsv::Lacking::any() const {
    return units || female || waist || weight || height;
}

std::string HistoryCsv::write(const std::vector<HistoryEntry>& entries) {
    std::string out = header() + "\r\n";
    for (const HistoryEntry& entry : entries) {
        writeRow(out, entry);
    }
    return out;
}

HistoryCsv::Reading HistoryCsv::read(std::string_view bytes) {
    Reading reading;
    if (bytes.size() > largestFile) {
        reading.notEntries = sentence(TRANSLATABLE("it is larger than any history could be"));
        return reading;
    }
    const TextDecoding::Decoded decoded = TextDecoding::toUtf8(bytes);
    if (!decoded.problem.empty()) {
        reading.notEntries = decoded.problem;
        return reading;
    }
    const std::string_view text = decoded.text();
    reading.separator = Records::separatorOf(text);
    Records records(text, reading.separator);
    std::vector<std::string> fields;
    std::size_t line = 0;
    bool tooWide = false;
    if (!records.next(fields, line, tooWide) ||
        (fields.size() == 1 && trimmed(fields[0]).empty())) {
        reading.notEntries = sentence(TRANSLATABLE("it is empty"));
        return reading;
    }
    const ImportColumns columns(fields);
    if (TranslatableText problem = headerProblem(columns, fields); !problem.empty()) {
        reading.notEntries = std::move(problem);
        return reading;
    }
    Layout layout;
    const auto all = EntryFields::all();
    for (std::size_t field = 0; field < all.size(); ++field) {
        layout.places.push_back(columns.place(field));
    }
    const Reading bare = reading;
    const auto lacks = [&](std::string_view column) {
        return columns.place(fieldIndex(column)) < 0;
    };
    layout.metric = columns.metric();
    layout.foreign = lacks("metric");
    reading.lacking = {lacks("metric") && !layout.metric, lacks("female"), lacks("waist"),
                       lacks("weight"), lacks("height")};
    if (lacks("metric")) {
        reading.othersFigures = columns.othersFigures();
    }
    // Day-first until a numeric date is met: then the file's dates decide, and its rows are
    // read again if they are month-first. A file of ISO dates is read once.
    const Reading header = reading;
    if (!readRows(text, layout, reading)) {
        return reading;
    }
    const ImportDates::Decision order =
        dateOrderOf(text, reading.separator, columns.place(fieldIndex("taken_ms")));
    if (!order.why.empty()) {
        reading = bare;
        reading.notEntries = order.why;
    } else if (order.order != layout.order) {
        reading = header;
        layout.order = order.order;
        readRows(text, layout, reading);
    }
    return reading;
}

std::vector<HistoryEntry> HistoryCsv::completed(const Reading& reading, const Given& given) {
    std::vector<HistoryEntry> entries = reading.entries;
    const Lacking& lacking = reading.lacking;
    for (HistoryEntry& entry : entries) {
        Measurements& m = entry.measurements;
        m.metric = lacking.units ? given.metric : m.metric;
        m.female = lacking.female ? given.female : m.female;
        m.waist = lacking.waist && m.waist == 0.0 ? given.waist : m.waist;
        m.weight = lacking.weight && m.weight == 0.0 ? given.weight : m.weight;
        m.height = lacking.height && m.height == 0.0 ? given.height : m.height;
    }
    return entries;
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
