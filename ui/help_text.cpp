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

std::string said(std::string_view id, std::initializer_list<std::string> arguments = {}) {
    return escaped(Translation::fill(translated(id), arguments));
}

std::string heading(std::string_view id) {
    return "<h2>" + said(id) + "</h2>";
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
        limits.push_back(said("up to %1", {number(threshold)}));
    }
    limits.push_back(said("above %1", {number(thresholds[count - 1])}));
    return limits;
}

std::string figures() {
    const std::vector<std::vector<std::string>> rows{
        {said("Lean Body Mass"),
         said("The part of your weight that is not fat: 1.082 times weight, less 4.15 times "
              "waist, plus 98.42 for a man or 76.76 for a woman, from pounds and inches.")},
        {said("Fat Body Mass"), said("The part of your weight that is fat: weight less lean body "
                                     "mass.")},
        {said("Fat Percentage"), said("The share of your weight that is fat: fat body mass divided "
                                      "by weight, times 100.")},
        {said("Rest Metabolic Rate"), said("The calories a day your body uses at rest: 13.83 for "
                                           "each pound of lean body mass.")},
        {said("Body Mass Index"), said("Weight for height: weight divided by the square of height, "
                                       "times 703, from pounds and inches.")},
    };
    return heading("The figures") +
           paragraph(said("Every figure is an estimate from a simple formula, not medical "
                          "advice. The lean body mass comes first; the others follow from it "
                          "and from what you typed.")) +
           table({said("Figure"), said("What it is, and how it is computed")}, rows);
}

std::string bands() {
    std::vector<std::string> fatHeadings{said("Fat Percentage")};
    for (int rating = 0; rating <= static_cast<int>(FatRating::VeryHigh); ++rating) {
        fatHeadings.push_back(said(fatRatingLabel(static_cast<FatRating>(rating))));
    }
    std::vector<std::string> man{said("a man")};
    for (const std::string& limit : bandLimits(fatPercentageThresholds(false))) {
        man.push_back(limit);
    }
    std::vector<std::string> woman{said("a woman")};
    for (const std::string& limit : bandLimits(fatPercentageThresholds(true))) {
        woman.push_back(limit);
    }
    std::vector<std::string> indexHeadings{said("Body Mass Index")};
    for (int category = 0; category <= static_cast<int>(BmiCategory::Obese); ++category) {
        indexHeadings.push_back(said(bmiCategoryLabel(static_cast<BmiCategory>(category))));
    }
    std::vector<std::string> index{said("everyone")};
    for (const std::string& limit : bandLimits(bodyMassIndexThresholds())) {
        index.push_back(limit);
    }
    return heading("The bands") +
           paragraph(said("The fat percentage is rated by bands for your sex, the body mass "
                          "index by the same bands for everyone. A value on an edge belongs to "
                          "the lower band; a figure that is no number gets no band.")) +
           table(fatHeadings, {man, woman}) + "<br>" + table(indexHeadings, {index});
}

std::string units() {
    // 703 x 2.2 / (0.390625 squared x 10,000): how far the metric index is above kg/m².
    const double ratio =
        703.0 * poundsPerKilogram / (inchesPerCentimetre * inchesPerCentimetre * 10000.0);
    return heading("Units") +
           paragraph(said("Without Metric, waist and height are in inches and the weight in "
                          "pounds; with Metric ticked, in centimetres and kilograms. Ticking or "
                          "clearing Metric converts what you typed.")) +
           paragraph(said("Fenwake converts with its own factors: %1 centimetres to the inch "
                          "and %2 pounds to the kilogram. Everything is computed in pounds and "
                          "inches, and the two masses are turned back into kilograms.",
                          {number(centimetresPerInch), number(poundsPerKilogram)})) +
           paragraph(
               said("Because the inch is taken as %1 centimetres, a metric body mass "
                    "index reads about %2 % above kg/m\xC2\xB2: 703 times %3, divided by "
                    "%4 squared times 10,000, is %5.",
                    {number(centimetresPerInch), number(std::round((ratio - 1.0) * 1000.0) / 10.0),
                     number(poundsPerKilogram), number(inchesPerCentimetre),
                     number(std::round(ratio * 10000.0) / 10000.0)}));
}

std::string noNumber() {
    return heading("A field that holds no number") +
           paragraph(said("While a field holds something that is no number (a minus sign "
                          "alone, say, or a letter), it is framed in red, a line at the foot of "
                          "the window names it, and the list keeps the figures of the last "
                          "number, dimmed. Nothing of it is stored. All of it goes as soon as "
                          "the text is a number again. A comma is taken as the decimal point "
                          "when there is no point.")) +
           paragraph(said("A weight or a height of 0 gives figures that are no numbers: the list "
                          "shows inf, -inf or nan, and no band."));
}

std::string files(const HelpText::Files& paths) {
    return heading("Where your values are kept") +
           paragraph(said("What you type is stored at once in %1, and Fenwake opens with it next "
                          "time. The window's size is kept in %2. You may edit the settings file "
                          "by hand; to start afresh, close Fenwake and delete it.",
                          {"<code>" + escaped(paths.settings) + "</code>",
                           "<code>" + escaped(paths.state) + "</code>"}));
}

std::string keys() {
    const std::vector<std::vector<std::string>> rows{
        {said("Tab, Shift+Tab"), said("The next or the previous field, box or list.")},
        {said("Alt and an underlined letter"), said("The field or box of that letter.")},
        {said("Space"), said("Ticks or clears the box with the focus.")},
        {said("F10, or Alt and the menu's letter"), said("Opens the Tools menu.")},
        {said("F1"), said("This help.")},
        {said("Shift+F1, Ctrl+F1"),
         said("What the field, box or list row with the focus means, and for a figure how it "
              "is computed.")},
        {said("Up, Down"), said("In the list: from row to row.")},
        {said("Ctrl+A, Ctrl+C"),
         said("In the list: select every row; copy the selected rows, or all of them when none "
              "is selected, with the date and your entries.")},
        {said("Menu key, Shift+F10"), said("In the list: Copy and Copy All.")},
        {said("Escape, Ctrl+W, Ctrl+Q"),
         said("Close Fenwake. Everything you typed is kept. In this help, Escape and Ctrl+W "
              "close the help.")},
    };
    return heading("Keys") + table({said("Key"), said("What it does")}, rows);
}

} // namespace

std::string HelpText::html(const Files& paths) {
    return "<html><body><h1>" + said("Fenwake Help") + "</h1>" +
           paragraph(said("Fenwake estimates your body composition from your waist, weight and "
                          "height. Type them, tick Female and Metric as they apply, and the five "
                          "figures follow each key you press.")) +
           figures() + bands() + units() + noNumber() + files(paths) + keys() + "</body></html>";
}

} // namespace fenwake
