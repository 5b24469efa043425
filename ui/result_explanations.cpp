#include "ui/result_explanations.h"

#include "engine/bmi_category.h"
#include "engine/fat_rating.h"
#include "framework/language/translation.h"
#include "framework/text/number_text.h"

#include <cmath>
#include <span>
#include <string_view>

namespace fenwake {

namespace {

// The ratings' texts are the engine's own; they are named here for the translation files.
[[maybe_unused]] constexpr const char* ratingTexts[] = {
    TRANSLATABLE("Very Low"), TRANSLATABLE("Low"),        TRANSLATABLE("Average"),
    TRANSLATABLE("High"),     TRANSLATABLE("Very High"),  TRANSLATABLE("Underweight"),
    TRANSLATABLE("Normal"),   TRANSLATABLE("Overweight"), TRANSLATABLE("Obese")};

std::string estimate() {
    // Appended rather than built with " " + ...: GCC 12 at -O3 warns falsely (-Wrestrict)
    // about the temporary's copy.
    std::string text = " ";
    text += translated("An estimate from a simple formula, not medical advice.");
    return text;
}

// "Very Low up to 10, Low up to 13, ..., Very High above 25.", the band at `marked` followed
// by "(this figure)"; no band is marked when the figure is no number.
template <std::size_t count, class Label>
std::string bands(std::span<const double, count> thresholds, Label label, std::size_t marked) {
    std::string text;
    for (std::size_t band = 0; band <= count; ++band) {
        const bool last = band == count;
        const std::string limit =
            Translation::number(NumberText::editText(thresholds[last ? count - 1 : band]));
        const std::string name = translated(label(band));
        std::string piece = Translation::fill(
            last ? translated("%1 above %2") : translated("%1 up to %2"), {name, limit});
        if (band == marked) {
            piece = Translation::fill(translated("%1 (this figure)"), {piece});
        }
        text += piece + (last ? "." : ", ");
    }
    return text;
}

std::string massUnit(bool metric) {
    return metric ? translated("kilograms") : translated("pounds");
}

std::string lengthUnit(bool metric) {
    return metric ? translated("centimetres") : translated("inches");
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
    const std::string list = bands(fatPercentageThresholds(female), label, marked);
    return Translation::fill(translated("The share of your weight that is fat: fat body mass "
                                        "divided by weight, times 100. %1"),
                             {Translation::fill(female ? translated("A woman's bands: %1")
                                                       : translated("A man's bands: %1"),
                                                {list})}) +
           estimate();
}

std::string ResultExplanations::fatMass(bool metric) {
    return Translation::fill(
               translated(
                   "The part of your weight that is fat: weight less lean body mass, in %1."),
               {massUnit(metric)}) +
           estimate();
}

std::string ResultExplanations::leanMass(bool metric) {
    return Translation::fill(translated("The part of your weight that is not fat: 1.082 times "
                                        "weight, less 4.15 times waist, plus 98.42 for a man or "
                                        "76.76 for a woman, from pounds and inches; in %1."),
                             {massUnit(metric)}) +
           estimate();
}

std::string ResultExplanations::restMetabolicRate() {
    return translated("The calories a day your body uses at rest: 13.83 for each pound of lean "
                      "body mass.") +
           estimate();
}

std::string ResultExplanations::bodyMassIndex(double bodyMassIndex) {
    const std::size_t marked =
        std::isfinite(bodyMassIndex)
            ? static_cast<std::size_t>(categoriseBodyMassIndex(bodyMassIndex))
            : std::size_t(-1);
    const auto label = [](std::size_t band) {
        return bmiCategoryLabel(static_cast<BmiCategory>(band));
    };
    return Translation::fill(translated("Weight for height: weight divided by the square of "
                                        "height, times 703, from pounds and inches (a metric "
                                        "entry, converted with 2.56 cm to the inch, gives about "
                                        "1.4 % more than kg/m\xC2\xB2). Bands: %1"),
                             {bands(bodyMassIndexThresholds(), label, marked)}) +
           estimate();
}

std::string ResultExplanations::waistField(bool metric) {
    return Translation::fill(translated("Your waist: measure around it at the navel, in %1."),
                             {lengthUnit(metric)});
}

std::string ResultExplanations::weightField(bool metric) {
    return Translation::fill(translated("Your weight, in %1."), {massUnit(metric)});
}

std::string ResultExplanations::heightField(bool metric) {
    return Translation::fill(translated("Your height, without shoes, in %1."),
                             {lengthUnit(metric)});
}

} // namespace fenwake
