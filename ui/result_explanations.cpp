#include "ui/result_explanations.h"

#include "engine/bmi_category.h"
#include "engine/fat_rating.h"
#include "framework/text/number_text.h"

#include <cmath>
#include <span>
#include <string_view>

namespace fenwake {

namespace {

constexpr std::string_view estimate = " An estimate from a simple formula, not medical advice.";

// "Very Low up to 10, Low up to 13, ..., Very High above 25", the band at `marked` followed by
// "(this figure)"; no band is marked when the figure is no number.
template <std::size_t count, class Label>
std::string bands(std::span<const double, count> thresholds, Label label, std::size_t marked) {
    std::string text;
    for (std::size_t band = 0; band <= count; ++band) {
        const bool last = band == count;
        text += std::string(label(band)) + (last ? " above " : " up to ") +
                NumberText::editText(thresholds[last ? count - 1 : band]);
        text += band == marked ? " (this figure)" : "";
        text += last ? "." : ", ";
    }
    return text;
}

std::string massUnit(bool metric) {
    return metric ? "kilograms" : "pounds";
}

std::string lengthUnit(bool metric) {
    return metric ? "centimetres" : "inches";
}

} // namespace

std::string ResultExplanations::fatPercentage(double fatPercentage, bool female) {
    const std::size_t marked =
        std::isfinite(fatPercentage)
            ? static_cast<std::size_t>(rateFatPercentage(fatPercentage, female))
            : std::size_t(-1);
    const auto label = [](std::size_t band) {
        return fatRatingLabel(static_cast<FatRating>(band));
    };
    return "The share of your weight that is fat: fat body mass divided by weight, times 100. " +
           std::string(female ? "A woman's" : "A man's") +
           " bands: " + bands(fatPercentageThresholds(female), label, marked) +
           std::string(estimate);
}

std::string ResultExplanations::fatMass(bool metric) {
    return "The part of your weight that is fat: weight less lean body mass, in " +
           massUnit(metric) + "." + std::string(estimate);
}

std::string ResultExplanations::leanMass(bool metric) {
    return "The part of your weight that is not fat: 1.082 times weight, less 4.15 times waist, "
           "plus 98.42 for a man or 76.76 for a woman, from pounds and inches; in " +
           massUnit(metric) + "." + std::string(estimate);
}

std::string ResultExplanations::restMetabolicRate() {
    return "The calories a day your body uses at rest: 13.83 for each pound of lean body mass." +
           std::string(estimate);
}

std::string ResultExplanations::bodyMassIndex(double bodyMassIndex) {
    const std::size_t marked =
        std::isfinite(bodyMassIndex)
            ? static_cast<std::size_t>(categoriseBodyMassIndex(bodyMassIndex))
            : std::size_t(-1);
    const auto label = [](std::size_t band) {
        return bmiCategoryLabel(static_cast<BmiCategory>(band));
    };
    return "Weight for height: weight divided by the square of height, times 703, from pounds "
           "and inches (a metric entry, converted with 2.56 cm to the inch, gives about 1.4 % "
           "more than kg/m\xC2\xB2). Bands: " +
           bands(bodyMassIndexThresholds(), label, marked) + std::string(estimate);
}

std::string ResultExplanations::waistField(bool metric) {
    return "Your waist: measure around it at the navel, in " + lengthUnit(metric) + ".";
}

std::string ResultExplanations::weightField(bool metric) {
    return "Your weight, in " + massUnit(metric) + ".";
}

std::string ResultExplanations::heightField(bool metric) {
    return "Your height, without shoes, in " + lengthUnit(metric) + ".";
}

} // namespace fenwake
