#include "ui/result_explanations.h"

#include "engine/ratings.h"
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

// How the method in use gives the fat percentage, in a sentence.
std::string howByMethod(FatMethod method, bool female) {
    switch (method) {
    case FatMethod::Navy:
        return female ? translated("By the US Navy method (Hodgdon and Beckett, 1984): 163.205 "
                                   "times the logarithm of waist plus hip less neck, less 97.684 "
                                   "times the logarithm of height, less 78.387, from inches.")
                      : translated("By the US Navy method (Hodgdon and Beckett, 1984): 86.010 "
                                   "times the logarithm of waist less neck, less 70.041 times the "
                                   "logarithm of height, plus 36.76, from inches.");
    case FatMethod::RelativeFatMass:
        return translated("By relative fat mass (Woolcott and Bergman, 2018): 64 less 20 times "
                          "height divided by waist, plus 12 for a woman.");
    case FatMethod::WaistAndWeight:
        break;
    }
    return translated(
        "The share of your weight that is fat: fat body mass divided by weight, times 100.");
}

// A method's name within a sentence.
std::string methodInText(FatMethod method) {
    switch (method) {
    case FatMethod::Navy:
        return translated("US Navy");
    case FatMethod::RelativeFatMass:
        return translated("relative fat mass");
    case FatMethod::WaistAndWeight:
        break;
    }
    return translated("waist and weight");
}

// "The methods' estimates: waist and weight 15.51 % (this figure), US Navy 16.49 %, ...".
std::string comparison(const std::vector<ResultExplanations::Estimate>& estimates,
                       FatMethod inUse) {
    std::string list;
    for (const ResultExplanations::Estimate& estimate : estimates) {
        std::string piece = Translation::fill(
            translated("%1 %2 %"),
            {methodInText(estimate.method),
             Translation::number(NumberText::twoDecimals(estimate.fatPercentage))});
        if (estimate.method == inUse) {
            piece = Translation::fill(translated("%1 (this figure)"), {piece});
        }
        list.append(list.empty() ? "" : ", ").append(piece);
    }
    if (list.empty()) {
        return list;
    }
    // Appended, not " " + text: GCC 12 at -O3 warns falsely on a literal + a string.
    std::string sentence(" ");
    return sentence.append(Translation::fill(translated("The methods' estimates: %1."), {list}));
}

} // namespace

std::string ResultExplanations::methodName(FatMethod method) {
    switch (method) {
    case FatMethod::Navy:
        return translated("US Navy");
    case FatMethod::RelativeFatMass:
        return translated("Relative fat mass");
    case FatMethod::WaistAndWeight:
        break;
    }
    return translated("Waist and weight");
}

std::string ResultExplanations::byMethod(FatMethod method) {
    switch (method) {
    case FatMethod::Navy:
        return translated("by the US Navy method");
    case FatMethod::RelativeFatMass:
        return translated("by relative fat mass");
    case FatMethod::WaistAndWeight:
        break;
    }
    return translated("by waist and weight");
}

std::string ResultExplanations::fatPercentage(double fatPercentage, bool female, FatMethod method,
                                              const std::vector<Estimate>& estimates) {
    const std::optional<FatRating> rating = fatRatingOf(fatPercentage, female);
    const std::size_t marked = rating ? static_cast<std::size_t>(*rating) : std::size_t(-1);
    const auto label = [](std::size_t band) {
        return fatRatingLabel(static_cast<FatRating>(band));
    };
    const std::string list = bands(fatPercentageThresholds(female), label, marked);
    std::string text = howByMethod(method, female);
    text += comparison(estimates, method);
    text += ' ';
    text += Translation::fill(
        female ? translated("A woman's bands: %1") : translated("A man's bands: %1"), {list});
    return text + estimate();
}

std::string ResultExplanations::fatMass(bool metric, FatMethod method) {
    const std::string how =
        method == FatMethod::WaistAndWeight
            ? translated("The part of your weight that is fat: weight less lean body mass, in %1.")
            : translated("The part of your weight that is fat: weight times the fat percentage, "
                         "divided by 100, in %1.");
    return Translation::fill(how, {massUnit(metric)}) + estimate();
}

std::string ResultExplanations::leanMass(bool metric, FatMethod method) {
    const std::string how =
        method == FatMethod::WaistAndWeight
            ? translated("The part of your weight that is not fat: 1.082 times weight, less 4.15 "
                         "times waist, plus 98.42 for a man or 76.76 for a woman, from pounds and "
                         "inches; in %1.")
            : translated("The part of your weight that is not fat: weight less fat body mass, "
                         "in %1.");
    return Translation::fill(how, {massUnit(metric)}) + estimate();
}

std::string ResultExplanations::restMetabolicRate() {
    return translated("The calories a day your body uses at rest: 13.83 for each pound of lean "
                      "body mass.") +
           estimate();
}

std::string ResultExplanations::bodyMassIndex(double bodyMassIndex) {
    const std::optional<BmiCategory> category = bmiCategoryOf(bodyMassIndex);
    const std::size_t marked = category ? static_cast<std::size_t>(*category) : std::size_t(-1);
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

std::string ResultExplanations::neckField(bool metric) {
    return Translation::fill(
        translated("Your neck: measure around it just below the larynx, in %1. The US Navy "
                   "method needs it."),
        {lengthUnit(metric)});
}

std::string ResultExplanations::hipField(bool metric) {
    return Translation::fill(
        translated("Your hip: measure around it at its widest, in %1. The US Navy method needs "
                   "it for a woman."),
        {lengthUnit(metric)});
}

std::string ResultExplanations::heightField(bool metric) {
    return Translation::fill(translated("Your height, without shoes, in %1."),
                             {lengthUnit(metric)});
}

std::string ResultExplanations::femaleBox(FatMethod method) {
    std::string how;
    switch (method) {
    case FatMethod::Navy:
        how = translated("Tick it for a woman: the US Navy method then reads the hip too, by a "
                         "woman's formula, and the fat percentage is rated by a woman's bands.");
        break;
    case FatMethod::RelativeFatMass:
        how = translated("Tick it for a woman: relative fat mass then adds 12, and the fat "
                         "percentage is rated by a woman's bands.");
        break;
    case FatMethod::WaistAndWeight:
        how = translated("Tick it for a woman: the lean mass then takes a woman's constant, "
                         "76.76 instead of a man's 98.42, and the fat percentage is rated by a "
                         "woman's bands.");
        break;
    }
    return how;
}

std::string ResultExplanations::metricBox() {
    return translated("Tick it for centimetres and kilograms, clear it for inches and pounds. "
                      "What you typed is converted at once, with 2.56 cm to the inch and 2.2 "
                      "pounds to the kilogram, and the figures follow.");
}

} // namespace fenwake
