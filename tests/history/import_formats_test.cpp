// Files as spreadsheets and other trackers write them: each gives its entries to the bit, with
// what it lacks for the person to give, or the reason it is no table of entries.
#include "history/history_csv.h"
#include "history/import_columns.h"
#include "history/iso_time.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace fenwake {
namespace {

// Central European time, without the time zone files: what the tests' "local time" is.
class CentralEuropeanTime : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
};
const auto* const localTime = ::testing::AddGlobalTestEnvironment(new CentralEuropeanTime);

std::string shortest(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// An entry in a line: its moment as ISO writes it, its units, its sex, its waist, weight and
// height in the shortest text that reads back as the same double.
std::string line(const HistoryEntry& entry) {
    const Measurements& m = entry.measurements;
    return IsoTime::format(entry.taken) + (m.metric ? " metric " : " imperial ") +
           (m.female ? "woman " : "man ") + shortest(m.waist) + " " + shortest(m.weight) + " " +
           shortest(m.height);
}

// What the person gives for what a file lacks: not the values of any file below.
const HistoryCsv::Given given{true, true, 77.5, 66.25, 171.5};

struct Format {
    const char* name;
    std::string bytes;
    std::vector<std::string> entries;      // completed with `given`, in the file's order
    const char* lacks = "";                // "units female waist weight height", those lacking
    std::vector<std::size_t> refused = {}; // the lines refused
    std::size_t dateAlone = 0;
    const char* others = "";     // the other program's figures, "fat,water"
    const char* notEntries = ""; // the reason's id
};

void PrintTo(const Format& format, std::ostream* out) {
    *out << format.name;
}

std::string lacking(const HistoryCsv::Lacking& lacks) {
    std::string words;
    for (const auto& [lacked, word] :
         {std::pair{lacks.units, "units"}, std::pair{lacks.female, "female"},
          std::pair{lacks.waist, "waist"}, std::pair{lacks.weight, "weight"},
          std::pair{lacks.height, "height"}}) {
        if (lacked) {
            if (!words.empty()) {
                words += ' ';
            }
            words += word;
        }
    }
    return words;
}

// UTF-16 of the text, little or big endian, with its mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

// Fenwake's own export, as a German spreadsheet saves it again: semicolons, decimal commas, the
// parentheses that hold semicolons quoted.
const std::string germanSpreadsheet =
    "\"Date and time (ISO 8601)\";\"Units (metric: cm and kg; imperial: in and lb)\";"
    "Female (yes or no);\"Method (YMCA; Navy; RFM)\";Waist (cm or in);Weight (kg or lb);"
    "Height (cm or in);Neck (cm or in);Hip (cm or in);Fat percentage (%)\r\n"
    "2026-03-01T08:00:00.000+01:00;metric;no;YMCA;92,1;80,5;178;0;0;19,73\r\n"
    "2026-03-02T08:00:00.000+01:00;metric;no;YMCA;92,15;80;178;0;0;19,2\r\n";

class ReadsTheFormat : public ::testing::TestWithParam<Format> {};

INSTANTIATE_TEST_SUITE_P(
    Import, ReadsTheFormat,
    ::testing::Values(
        Format{"a_german_spreadsheet",
               germanSpreadsheet,
               {"2026-03-01T08:00:00.000+01:00 metric man 92.1 80.5 178",
                "2026-03-02T08:00:00.000+01:00 metric man 92.15 80 178"}},
        Format{"decimal_commas_quoted_between_commas",
               "Date and time,Units,Female,Waist,Weight,Height\r\n"
               "2026-03-01T08:00Z,metric,yes,\"72,5\",\"65,25\",165\r\n",
               {"2026-03-01T08:00:00.000+00:00 metric woman 72.5 65.25 165"}},
        Format{"the_history_windows_german_headings_and_dates",
               "Datum und Uhrzeit;Methode;Taille (cm);Gewicht (kg);Gewichtstrend (kg);"
               "Größe (cm);Fett (%);Einheiten;Weiblich\n"
               "01.03.2026 08:00;YMCA;92,1;80,5;80,5;178;19,7;metrisch;nein\n"
               "13.03.2026 07:05:09;YMCA;91;79,75;80;178;19;metrisch;ja\n",
               {"2026-03-01T08:00:00.000+01:00 metric man 92.1 80.5 178",
                "2026-03-13T07:05:09.000+01:00 metric woman 91 79.75 178"}},
        Format{"the_history_windows_french_headings",
               "Date et heure;Méthode;Tour de taille (cm);Poids (kg);Taille (cm);Unités;Femme\n"
               "13/03/2026 08:00;YMCA;72,5;65;165;métrique;oui\n"
               "01/04/2026 08:00;YMCA;72;64,5;165;métrique;oui\n",
               {"2026-03-13T08:00:00.000+01:00 metric woman 72.5 65 165",
                "2026-04-01T08:00:00.000+02:00 metric woman 72 64.5 165"}},
        Format{"open_scale_day_first",
               "\"dateTime\",\"weight\",\"fat\",\"water\",\"muscle\",\"lbm\",\"bone\",\"waist\","
               "\"hip\",\"comment\"\n"
               "\"01.03.2026 08:00\",\"80.5\",\"22.1\",\"55.0\",\"40.2\",\"62.7\",\"3.1\","
               "\"92.0\",\"100.0\",\"\"\n"
               "\"02.03.2026 08:10\",\"80.25\",\"22.0\",\"55.1\",\"40.2\",\"62.6\",\"3.1\","
               "\"0.0\",\"0.0\",\"after a run\"\n",
               {"2026-03-01T08:00:00.000+01:00 metric woman 92 80.5 171.5",
                "2026-03-02T08:10:00.000+01:00 metric woman 77.5 80.25 171.5"},
               "female waist height",
               {},
               0,
               "fat,water,muscle,lbm,bone"},
        Format{"open_scale_iso",
               "dateTime,weight,fat,waist\n2026-03-01 08:00,80.5,22.1,92\n",
               {"2026-03-01T08:00:00.000+01:00 metric woman 92 80.5 171.5"},
               "female height",
               {},
               0,
               "fat"},
        Format{"dates_alone_at_noon",
               "Date,Weight (kg),Waist (cm),Height (cm)\n2026-03-03,80,90,178\n"
               "2026-07-03,79,89,178\n",
               {"2026-03-03T12:00:00.000+01:00 metric woman 90 80 178",
                "2026-07-03T12:00:00.000+02:00 metric woman 89 79 178"},
               "female",
               {},
               2},
        Format{"weights_alone",
               "date,weight\r\n2026-03-01,80.4\r\n2026-03-02,80.2\r\n",
               {"2026-03-01T12:00:00.000+01:00 metric woman 77.5 80.4 171.5",
                "2026-03-02T12:00:00.000+01:00 metric woman 77.5 80.2 171.5"},
               "units female waist height",
               {},
               2},
        Format{"pounds_and_inches_in_the_headings_month_first",
               "Date,Weight (lb),Waist (in),Height (in)\n3/13/2026 7:30,180,34,70\n"
               "3/1/2026,181.5,34,70\n",
               {"2026-03-13T07:30:00.000+01:00 imperial woman 34 180 70",
                "2026-03-01T12:00:00.000+01:00 imperial woman 34 181.5 70"},
               "female",
               {},
               1},
        Format{"utf16_little_endian_tabs",
               utf16(u"Date and time\tUnits\tFemale\tWaist\tWeight\tHeight\r\n"
                     u"2026-03-01T08:00Z\tmetric\tno\t85,5\t80\t178\r\n",
                     false),
               {"2026-03-01T08:00:00.000+00:00 metric man 85.5 80 178"}},
        Format{"utf16_big_endian",
               utf16(u"Date and time,Units,Female,Waist,Weight,Height\n"
                     u"2026-03-01T08:00Z,imperial,no,34,180,70\n",
                     true),
               {"2026-03-01T08:00:00.000+00:00 imperial man 34 180 70"}},
        Format{
            "non_ascii_in_utf16",
            utf16(u"Datum,Größe (cm),Gewicht (kg),Taille (cm)\r\n01.03.2026,178,80,92\r\n", false),
            {"2026-03-01T12:00:00.000+01:00 metric woman 92 80 178"},
            "female",
            {},
            1},
        Format{"a_bad_number_named_by_its_line",
               "Datum;Gewicht (kg);Taille (cm);Größe (cm)\n01.03.2026;80,5;92,1;178\n"
               "02.03.2026;80,5,1;92;178\n03.03.2026;;92;178\n",
               {"2026-03-01T12:00:00.000+01:00 metric woman 92.1 80.5 178",
                "2026-03-03T12:00:00.000+01:00 metric woman 92 66.25 178"},
               "female weight",
               {3},
               2},
        Format{"day_first_and_month_first_mixed",
               "Date,Weight\n13/03/2026,80\n03/13/2026,80\n",
               {},
               "",
               {},
               0,
               "",
               "its dates are day-first in places (“%1”) and month-first in others (“%2”)"},
        Format{"slashes_that_never_say",
               "Date,Weight\n03/04/2026,80\n04/03/2026,80\n",
               {},
               "",
               {},
               0,
               "",
               "its dates (“%1”) may be day-first or month-first, and none of them says which"},
        Format{"no_date",
               "Waist;Weight;Height\n85;80;178\n",
               {},
               "",
               {},
               0,
               "",
               "its first line names no column of the date and time (such as “Date and time”, "
               "“Date” or “dateTime”); it names %1"},
        Format{"neither_weight_nor_waist",
               "Date,Score\n2026-03-01,3\n",
               {},
               "",
               {},
               0,
               "",
               "its first line names no column of the weight or of the waist (such as “Weight "
               "(kg)” or “Waist (cm)”); it names %1"},
        Format{"zero_bytes",
               std::string("Date,Weight\n\0\0\0\0", 16),
               {},
               "",
               {},
               0,
               "",
               "it is no text: it holds zero bytes, as files of programs and UTF-16 without its "
               "mark do"},
        Format{"utf16_cut_off",
               "\xFF\xFE" + std::string("D\0a\0t", 5),
               {},
               "",
               {},
               0,
               "",
               "it is UTF-16 text cut off in a character"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ReadsTheFormat, AsItsEntriesToTheBitOrTheReason) {
    const HistoryCsv::Reading reading = HistoryCsv::read(GetParam().bytes);
    EXPECT_EQ(reading.notEntries.id, GetParam().notEntries);
    std::vector<std::string> entries;
    for (const HistoryEntry& entry : HistoryCsv::completed(reading, given)) {
        entries.push_back(line(entry));
    }
    EXPECT_EQ(entries, GetParam().entries);
    EXPECT_EQ(lacking(reading.lacking), GetParam().lacks);
    std::vector<std::size_t> refused;
    for (const HistoryCsv::Refusal& refusal : reading.refused.described) {
        refused.push_back(refusal.line);
    }
    EXPECT_EQ(refused, GetParam().refused);
    EXPECT_EQ(reading.dateAlone, GetParam().dateAlone);
    std::string others;
    for (const std::string& heading : reading.othersFigures) {
        others += (others.empty() ? "" : ",") + heading;
    }
    EXPECT_EQ(others, GetParam().others);
}

// A refused line says which field and why; a first line that names no entry says what it names.
TEST(Import, RefusalsNameTheFieldAndTheColumnsFound) {
    const HistoryCsv::Reading bad =
        HistoryCsv::read("Datum;Gewicht (kg)\n01.03.2026;achtzig\n31.02.2026;80\n");
    ASSERT_EQ(bad.refused.described.size(), 2u);
    EXPECT_EQ(bad.refused.described[0].why.arguments,
              (std::vector<std::string>{"Weight", "achtzig"}));
    EXPECT_EQ(bad.refused.described[1].why.arguments, (std::vector<std::string>{"31.02.2026"}));
    const HistoryCsv::Reading none = HistoryCsv::read("Name\tScore\tLevel\nAda\t3\t1\n");
    EXPECT_EQ(none.notEntries.arguments, (std::vector<std::string>{"“Name”, “Score”, “Level”"}));
}

// Headings match without case, blanks, punctuation or a unit, in German capitals too.
TEST(Import, HeadingsAreMatchedWithoutCaseBlanksOrUnit) {
    for (const auto& [heading, name] :
         {std::pair{"Date and time (ISO 8601)", "dateandtime"}, std::pair{"dateTime", "datetime"},
          std::pair{"  Tour de taille [cm]", "tourdetaille"}, std::pair{"GRÖSSE", "grösse"},
          std::pair{"Körper\xC2\xA0Gewicht", "körpergewicht"}, std::pair{"waist_cm", "waistcm"}}) {
        EXPECT_EQ(ImportColumns::normalized(heading), name) << heading;
    }
}

} // namespace
} // namespace fenwake
