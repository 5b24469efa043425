#include "engine/composition.h"

#include "engine/unit_factors.h"

#include <cmath>

namespace fenwake {

namespace {

constexpr double weightCoefficient = 1.082;
constexpr double waistCoefficient = 4.15;
constexpr double maleConstant = 98.42;
constexpr double femaleConstant = 76.76;
constexpr double percentFactor = 100.0;
constexpr double caloriesPerLeanPound = 13.83;
constexpr double indexFactor = 703.0;

// The US Navy method's constants, men and women, for lengths in inches.
constexpr double navyManDifference = 86.010;
constexpr double navyManHeight = 70.041;
constexpr double navyManConstant = 36.76;
constexpr double navyWomanDifference = 163.205;
constexpr double navyWomanHeight = 97.684;
constexpr double navyWomanConstant = 78.387;
// Relative fat mass: 64 - 20 x height / waist, and 12 more for a woman.
constexpr double relativeFatBase = 64.0;
constexpr double relativeFatRatio = 20.0;
constexpr double relativeFatWoman = 12.0;

struct ImperialEntry {
    double waist;
    double weight;
    double height;
    double neck;
    double hip;
};

ImperialEntry toPoundsAndInches(const Measurements& entry) {
    if (!entry.metric) {
        return {entry.waist, entry.weight, entry.height, entry.neck, entry.hip};
    }
    const double weight = entry.weight * poundsPerKilogram;
    const double waist = entry.waist * inchesPerCentimetre;
    const double height = entry.height * inchesPerCentimetre;
    const double neck = entry.neck * inchesPerCentimetre;
    const double hip = entry.hip * inchesPerCentimetre;
    return {waist, weight, height, neck, hip};
}

double navyPercentage(const ImperialEntry& imperial, bool female) {
    if (!female) {
        const double difference = imperial.waist - imperial.neck;
        const double a = navyManDifference * std::log10(difference);
        const double b = navyManHeight * std::log10(imperial.height);
        const double p = a - b;
        return p + navyManConstant;
    }
    const double sum = imperial.waist + imperial.hip;
    const double difference = sum - imperial.neck;
    const double a = navyWomanDifference * std::log10(difference);
    const double b = navyWomanHeight * std::log10(imperial.height);
    const double p = a - b;
    return p - navyWomanConstant;
}

double relativeFatPercentage(const ImperialEntry& imperial, bool female) {
    const double ratio = imperial.height / imperial.waist;
    const double scaled = relativeFatRatio * ratio;
    const double p = relativeFatBase - scaled;
    return female ? p + relativeFatWoman : p;
}

double leanPounds(const ImperialEntry& imperial, bool female) {
    const double weighted = imperial.weight * weightCoefficient;
    const double waisted = imperial.waist * waistCoefficient;
    const double difference = weighted - waisted;
    return difference + (female ? femaleConstant : maleConstant);
}

double bodyMassIndex(const ImperialEntry& imperial) {
    const double heightSquared = imperial.height * imperial.height;
    const double perSquareInch = imperial.weight / heightSquared;
    return perSquareInch * indexFactor;
}

// The fat percentage and the fat and lean pounds, by the entry's method: the waist-and-weight
// formula goes from the lean mass to the percentage, the others from the percentage to the
// masses.
struct FatAndLean {
    double percentage;
    double fat;
    double lean;
};

FatAndLean fatAndLean(const ImperialEntry& imperial, const Measurements& entry) {
    if (entry.method == FatMethod::WaistAndWeight) {
        const double lean = leanPounds(imperial, entry.female);
        const double fat = imperial.weight - lean;
        const double ratio = fat / imperial.weight;
        return {ratio * percentFactor, fat, lean};
    }
    const double percentage = entry.method == FatMethod::Navy
                                  ? navyPercentage(imperial, entry.female)
                                  : relativeFatPercentage(imperial, entry.female);
    const double share = percentage / percentFactor;
    const double fat = imperial.weight * share;
    const double lean = imperial.weight - fat;
    return {percentage, fat, lean};
}

} // namespace

CompositionResult computeComposition(const Measurements& entry) {
    const ImperialEntry imperial = toPoundsAndInches(entry);
    const auto [percentage, fat, lean] = fatAndLean(imperial, entry);

    CompositionResult result;
    result.fatPercentage = percentage;
    result.restMetabolicRate = lean * caloriesPerLeanPound;
    result.bodyMassIndex = bodyMassIndex(imperial);
    result.fatMass = entry.metric ? fat * kilogramsPerPound : fat;
    result.leanMass = entry.metric ? lean * kilogramsPerPound : lean;
    return result;
}

} // namespace fenwake
