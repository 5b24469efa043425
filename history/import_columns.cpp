#include "history/import_columns.h"

#include "history/entry_fields.h"

#include <algorithm>
#include <array>
#include <span>

namespace fenwake {

namespace {

struct Names {
    std::string_view column; // the field's column in the database
    std::vector<std::string_view> names;
};

// Each field's names, normalized. "taille" is German for the waist and French for the height:
// it is the waist unless the file also has a "tour de taille".
const std::array<Names, 9>& fieldNames() {
    static const std::array<Names, 9> names{{
        {"taken_ms",
         {"dateandtime", "date", "datetime", "time", "timestamp", "datumunduhrzeit", "datum",
          "zeitpunkt", "dateetheure", "horodatage"}},
        {"metric", {"units", "unit", "einheiten", "einheit", "unités", "unites", "unité"}},
        {"female", {"female", "sex", "gender", "weiblich", "geschlecht", "femme", "sexe"}},
        {"method", {"method", "methode", "méthode"}},
        {"waist",
         {"waist", "waistcircumference", "taille", "taillenumfang", "bauchumfang", "tourdetaille"}},
        {"weight", {"weight", "bodyweight", "mass", "gewicht", "körpergewicht", "poids"}},
        {"height", {"height", "größe", "grösse", "körpergröße", "hauteur", "taille"}},
        {"neck", {"neck", "hals", "halsumfang", "cou", "tourdecou"}},
        {"hip", {"hip", "hips", "hüfte", "hüftumfang", "hanche", "hanches", "tourdehanches"}},
    }};
    return names;
}

// Figures another program computed from its own formulas: never taken for Fenwake's.
constexpr std::string_view computedNames[] = {
    "fat",     "bodyfat",     "fatpercentage", "fett", "fettanteil", "körperfett",
    "graisse", "massegrasse", "tauxdegraisse", "lbm",  "leanmass",   "muscle",
    "water",   "bone",        "visceralfat",   "bmi",  "calories",   "fatmass"};

// A unit in parentheses or brackets: metric or imperial, when it says.
std::optional<bool> unitOf(std::string_view heading) {
    const std::size_t open = heading.find_first_of("([");
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    std::string inside;
    for (const char c : heading.substr(open + 1)) {
        if (c == ')' || c == ']') {
            break;
        }
        inside += c;
    }
    const std::string word = ImportColumns::normalized(inside);
    if (word == "kg" || word == "cm") {
        return true;
    }
    if (word == "lb" || word == "lbs" || word == "in" || word == "inch" || word == "inches") {
        return false;
    }
    return std::nullopt;
}

// ASCII and Latin-1 capitals in lower case; the rest as it is.
void appendLowered(std::string& out, std::string_view text, std::size_t& at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 'A' && c <= 'Z') {
        out += static_cast<char>(c + 32);
    } else if (c == 0xC3 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        out += static_cast<char>(c);
        out += static_cast<char>(next >= 0x80 && next <= 0x9E && next != 0x97 ? next + 32 : next);
        ++at;
    } else {
        out += static_cast<char>(c);
    }
}

} // namespace

std::string ImportColumns::normalized(std::string_view heading) {
    std::string out;
    for (std::size_t at = 0; at < heading.size(); ++at) {
        const char c = heading[at];
        if (c == '(' || c == '[') {
            break;
        }
        if (c == ' ' || c == '_' || c == '-' || c == '.' || c == '\t' || c == '"') {
            continue;
        }
        if (heading.substr(at).starts_with("\xC2\xA0")) { // a no-break space
            ++at;
            continue;
        }
        appendLowered(out, heading, at);
    }
    return out;
}

ImportColumns::ImportColumns(const std::vector<std::string>& header)
    : places(EntryFields::all().size(), -1) {
    std::vector<std::string> names;
    names.reserve(header.size());
    for (const std::string& heading : header) {
        names.push_back(normalized(heading));
    }
    const bool frenchWaist = std::ranges::find(names, "tourdetaille") != names.end();
    const auto all = EntryFields::all();
    for (std::size_t index = 0; index < names.size(); ++index) {
        std::string_view name = names[index];
        for (std::size_t field = 0; field < all.size(); ++field) {
            for (const Names& known : fieldNames()) {
                const bool named = std::ranges::find(known.names, name) != known.names.end();
                const bool meant = name != "taille" || (known.column == "height") == frenchWaist;
                if (known.column == all[field].column && named && meant && places[field] < 0) {
                    places[field] = static_cast<int>(index);
                    if (const std::optional<bool> unit = unitOf(header[index]);
                        unit && !metricUnits) {
                        metricUnits = unit;
                    }
                }
            }
        }
        if (std::ranges::find(computedNames, name) != std::end(computedNames)) {
            computed.push_back(header[index]);
        }
    }
    // openScale writes its weight and its own fat percentage beside dateTime, in kilograms and
    // centimetres.
    const auto has = [&names](std::string_view name) {
        return std::ranges::find(names, name) != names.end();
    };
    const bool openScale = has("datetime") && has("weight") && has("fat");
    if (openScale && !metricUnits) {
        metricUnits = true;
    }
}

} // namespace fenwake
