#include "ui/help_text.h"

#include "engine/bmi_category.h"
#include "engine/fat_rating.h"
#include "engine/unit_factors.h"
#include "framework/language/translation.h"
#include "framework/text/number_text.h"

#include <cmath>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace fenwake {

namespace {

// Every text of the help is the program's, and plain: none holds markup of its own.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string number(double value) {
    return Translation::number(NumberText::editText(value));
}

std::string phrase(std::string_view id, std::initializer_list<std::string> arguments = {}) {
    return escaped(Translation::fill(translated(id), arguments));
}

// A sentence whose arguments are markup of the help's own (a path as code): the sentence is
// plain text, its arguments are not.
std::string phraseAround(std::string_view id, std::initializer_list<std::string> markup) {
    return Translation::fill(escaped(translated(id)), markup);
}

std::string code(const std::string& text) {
    return "<code>" + escaped(text) + "</code>";
}

std::string heading(std::string_view id) {
    return "<h2>" + phrase(id) + "</h2>";
}

std::string paragraph(const std::string& text) {
    return "<p>" + text + "</p>";
}

std::string row(const std::vector<std::string>& cells, const char* tag = "td") {
    std::string text = "<tr>";
    for (const std::string& cell : cells) {
        text += std::string("<") + tag + ">" + cell + "</" + tag + ">";
    }
    return text + "</tr>";
}

std::string table(const std::vector<std::string>& headings,
                  const std::vector<std::vector<std::string>>& rows) {
    std::string text =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">" + row(headings, "th");
    for (const auto& cells : rows) {
        text += row(cells);
    }
    return text + "</table>";
}

// "up to 10", ..., "above 25" for each band of a rating.
template <std::size_t count>
std::vector<std::string> bandLimits(std::span<const double, count> thresholds) {
    std::vector<std::string> limits;
    for (const double threshold : thresholds) {
        limits.push_back(phrase(TRANSLATABLE("up to %1"), {number(threshold)}));
    }
    limits.push_back(phrase(TRANSLATABLE("above %1"), {number(thresholds[count - 1])}));
    return limits;
}

std::string figures() {
    const std::vector<std::vector<std::string>> rows{
        {phrase(TRANSLATABLE("Lean Body Mass")),
         phrase(TRANSLATABLE(
             "The part of your weight that is not fat: 1.082 times weight, less 4.15 times "
             "waist, plus 98.42 for a man or 76.76 for a woman, from pounds and inches."))},
        {phrase(TRANSLATABLE("Fat Body Mass")),
         phrase(TRANSLATABLE("The part of your weight that is fat: weight less lean body "
                             "mass."))},
        {phrase(TRANSLATABLE("Fat Percentage")),
         phrase(TRANSLATABLE("The share of your weight that is fat: fat body mass divided "
                             "by weight, times 100."))},
        {phrase(TRANSLATABLE("Rest Metabolic Rate")),
         phrase(TRANSLATABLE("The calories a day your body uses at rest: 13.83 for "
                             "each pound of lean body mass."))},
        {phrase(TRANSLATABLE("Body Mass Index")),
         phrase(TRANSLATABLE("Weight for height: weight divided by the square of height, "
                             "times 703, from pounds and inches."))},
    };
    return heading(TRANSLATABLE("The figures")) +
           paragraph(phrase(
               TRANSLATABLE("Every figure is an estimate from a simple formula, not medical "
                            "advice. The lean body mass comes first; the others follow from it "
                            "and from what you typed."))) +
           table({phrase(TRANSLATABLE("Figure")),
                  phrase(TRANSLATABLE("What it is, and how it is computed"))},
                 rows);
}

// A band a row: its name, then its limits, a column for each group the bands are for.
template <class Label>
std::vector<std::vector<std::string>>
bandRows(int count, Label label, const std::vector<std::vector<std::string>>& limits) {
    std::vector<std::vector<std::string>> rows;
    for (int band = 0; band < count; ++band) {
        std::vector<std::string> cells{phrase(label(band))};
        for (const std::vector<std::string>& group : limits) {
            cells.push_back(group[static_cast<std::size_t>(band)]);
        }
        rows.push_back(cells);
    }
    return rows;
}

std::string bands() {
    const auto fatLabel = [](int band) {
        return fatRatingLabel(static_cast<FatRating>(band));
    };
    const auto indexLabel = [](int band) {
        return bmiCategoryLabel(static_cast<BmiCategory>(band));
    };
    return heading(TRANSLATABLE("The bands")) +
           paragraph(phrase(
               TRANSLATABLE("The fat percentage is rated by bands for your sex, the body mass "
                            "index by the same bands for everyone. A value on an edge belongs to "
                            "the lower band; a figure that is no number gets no band."))) +
           table({phrase(TRANSLATABLE("Fat Percentage")), phrase(TRANSLATABLE("a man")),
                  phrase(TRANSLATABLE("a woman"))},
                 bandRows(static_cast<int>(FatRating::VeryHigh) + 1, fatLabel,
                          {bandLimits(fatPercentageThresholds(false)),
                           bandLimits(fatPercentageThresholds(true))})) +
           "<br>" +
           table({phrase(TRANSLATABLE("Body Mass Index")), phrase(TRANSLATABLE("everyone"))},
                 bandRows(static_cast<int>(BmiCategory::Obese) + 1, indexLabel,
                          {bandLimits(bodyMassIndexThresholds())}));
}

std::string units() {
    // 703 x 2.2 / (0.390625 squared x 10,000): how far the metric index is above kg/m².
    const double ratio =
        703.0 * poundsPerKilogram / (inchesPerCentimetre * inchesPerCentimetre * 10000.0);
    return heading(TRANSLATABLE("Units")) +
           paragraph(phrase(
               TRANSLATABLE("Without Metric, waist and height are in inches and the weight in "
                            "pounds; with Metric ticked, in centimetres and kilograms. Ticking or "
                            "clearing Metric converts what you typed."))) +
           paragraph(phrase(
               TRANSLATABLE("Fenwake converts with its own factors: %1 centimetres to the inch "
                            "and %2 pounds to the kilogram. Everything is computed in pounds and "
                            "inches, and the two masses are turned back into kilograms."),
               {number(centimetresPerInch), number(poundsPerKilogram)})) +
           paragraph(phrase(
               TRANSLATABLE("Because the inch is taken as %1 centimetres, a metric body mass "
                            "index reads about %2 % above kg/m\xC2\xB2: 703 times %3, divided by "
                            "%4 squared times 10,000, is %5."),
               {number(centimetresPerInch), number(std::round((ratio - 1.0) * 1000.0) / 10.0),
                number(poundsPerKilogram), number(inchesPerCentimetre),
                number(std::round(ratio * 10000.0) / 10000.0)}));
}

std::string methods() {
    const std::vector<std::vector<std::string>> rows{
        {phrase(TRANSLATABLE("Waist and Weight")),
         phrase(TRANSLATABLE("Waist and weight, and your sex.")),
         phrase(TRANSLATABLE("Fenwake's own formula, from the lean body mass (the figures above). "
                             "The one used unless you choose another."))},
        {phrase(TRANSLATABLE("US Navy")),
         phrase(TRANSLATABLE("Waist, neck and height, and the hip for a woman.")),
         phrase(TRANSLATABLE("Hodgdon and Beckett, 1984; against underwater weighing it agreed "
                             "with R 0.90 for men and 0.85 for women, within about 3.5 to 3.7 "
                             "points."))},
        {phrase(TRANSLATABLE("Relative Fat Mass")), phrase(TRANSLATABLE("Height and waist.")),
         phrase(TRANSLATABLE("Woolcott and Bergman, 2018; developed on 12,581 adults and checked "
                             "on 3,456 others against DXA scans."))},
    };
    return heading(TRANSLATABLE("Methods of the fat estimate")) +
           paragraph(phrase(TRANSLATABLE(
               "Tools, Method chooses how the fat percentage is estimated; the masses, the rate "
               "and the band follow from it. The US Navy method shows two more fields, Neck and "
               "Hip, under Height. Whatever the method, the fat percentage's explanation (Shift+F1 "
               "on its row) lists what every method your entries allow gives, so that you see how "
               "far they differ."))) +
           table({phrase(TRANSLATABLE("Method")), phrase(TRANSLATABLE("What it needs")),
                  phrase(TRANSLATABLE("Where it comes from"))},
                 rows);
}

std::string noNumber() {
    return heading(TRANSLATABLE("A field that holds no number")) +
           paragraph(phrase(
               TRANSLATABLE("While a field holds something that is no number (a minus sign "
                            "alone, say, or a letter), it is framed in red, a line at the foot of "
                            "the window names it, and the list keeps the figures of the last "
                            "number, dimmed. Nothing of it is stored. All of it goes as soon as "
                            "the text is a number again. A comma is taken as the decimal point "
                            "when there is no point."))) +
           paragraph(phrase(
               TRANSLATABLE("A weight or a height of 0 gives figures that are no numbers: the list "
                            "shows inf, -inf or nan, and no band.")));
}

std::string whereKept(const HelpText::Files& paths) {
    return heading(TRANSLATABLE("Where your values are kept")) +
           paragraph(phraseAround(
               TRANSLATABLE("What you type is stored at once in %1, and Fenwake opens with it next "
                            "time. The window's size is kept in %2. You may edit the settings file "
                            "by hand; to start afresh, close Fenwake and delete it."),
               {code(paths.settings), code(paths.state)}));
}

std::string history(const HelpText::Files& paths) {
    return heading(TRANSLATABLE("The history")) +
           paragraph(phrase(
               TRANSLATABLE("Add to History in the Tools menu keeps your entries as they stand, "
                            "with the date and time; typing alone adds nothing. History… shows "
                            "them in a window of its own: a table, newest first, in the units "
                            "the main window uses, and a chart of the fat percentage and the "
                            "weight over time. Delete removes the selected rows and Ctrl+Z "
                            "brings them back while the window is open. Export… writes every "
                            "entry, or the selected ones, to a CSV file that spreadsheets read; "
                            "Import… adds the entries of such a file."))) +
           paragraph(phraseAround(TRANSLATABLE("The history is kept in %1, an SQLite database. To "
                                               "start afresh, close Fenwake and delete it."),
                                  {code(paths.history)}));
}

std::string keys() {
    const std::vector<std::vector<std::string>> rows{
        {phrase(TRANSLATABLE("Tab, Shift+Tab")),
         phrase(TRANSLATABLE("The next or the previous field, box or list."))},
        {phrase(TRANSLATABLE("Alt and an underlined letter")),
         phrase(TRANSLATABLE("The field or box of that letter."))},
        {phrase(TRANSLATABLE("Space")),
         phrase(TRANSLATABLE("Ticks or clears the box with the focus."))},
        {phrase(TRANSLATABLE("F10, or Alt and the menu's letter")),
         phrase(TRANSLATABLE("Opens the Tools menu."))},
        {phrase(TRANSLATABLE("F1")), phrase(TRANSLATABLE("This help."))},
        {phrase(TRANSLATABLE("Shift+F1, Ctrl+F1")),
         phrase(TRANSLATABLE(
             "What the field, box or list row with the focus means, and for a figure how it "
             "is computed."))},
        {phrase(TRANSLATABLE("Up, Down")), phrase(TRANSLATABLE("In the list: from row to row."))},
        {phrase(TRANSLATABLE("Ctrl+A, Ctrl+C")),
         phrase(TRANSLATABLE(
             "In the list: select every row; copy the selected rows, or all of them when none "
             "is selected, with the date and your entries."))},
        {phrase(TRANSLATABLE("Menu key, Shift+F10")),
         phrase(TRANSLATABLE("In the list: Copy and Copy All."))},
        {phrase(TRANSLATABLE("Ctrl+D")), phrase(TRANSLATABLE("Add to History."))},
        {phrase(TRANSLATABLE("Ctrl+H")), phrase(TRANSLATABLE("Opens the history."))},
        {phrase(TRANSLATABLE("Delete, Ctrl+Z")),
         phrase(TRANSLATABLE("In the history: remove the selected rows; bring them back."))},
        {phrase(TRANSLATABLE("Left, Right, Home, End")),
         phrase(TRANSLATABLE("In the history's chart: the entry before or after, the first, the "
                             "last."))},
        {phrase(TRANSLATABLE("+, -")),
         phrase(TRANSLATABLE("In the history's chart: less time, more time."))},
        {phrase(TRANSLATABLE("Escape, Ctrl+W, Ctrl+Q")),
         phrase(TRANSLATABLE(
             "Closes Fenwake. Everything you typed is kept. In this help and in the history, "
             "Escape and Ctrl+W close that window alone."))},
    };
    return heading(TRANSLATABLE("Keys")) +
           table({phrase(TRANSLATABLE("Key")), phrase(TRANSLATABLE("What it does"))}, rows);
}

} // namespace

std::string HelpText::html(const Files& files) {
    return "<html><body><h1>" + phrase(TRANSLATABLE("Fenwake Help")) + "</h1>" +
           paragraph(phrase(
               TRANSLATABLE("Fenwake estimates your body composition from your waist, weight and "
                            "height. Type them, tick Female and Metric as they apply, and the five "
                            "figures follow each key you press."))) +
           figures() + bands() + methods() + units() + noNumber() + whereKept(files) +
           history(files) + keys() + "</body></html>";
}

} // namespace fenwake
