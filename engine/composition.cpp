#include "engine/composition.h"

#include "engine/unit_factors.h"

namespace fenwake {

namespace {

constexpr double weightCoefficient = 1.082;
constexpr double waistCoefficient = 4.15;
constexpr double maleConstant = 98.42;
constexpr double femaleConstant = 76.76;
constexpr double percentFactor = 100.0;
constexpr double caloriesPerLeanPound = 13.83;
constexpr double indexFactor = 703.0;

struct ImperialEntry {
    double waist;
    double weight;
    double height;
};

ImperialEntry toPoundsAndInches(const Measurements& entry) {
    if (!entry.metric) {
        return {entry.waist, entry.weight, entry.height};
    }
    const double weight = entry.weight * poundsPerKilogram;
    const double waist = entry.waist * inchesPerCentimetre;
    const double height = entry.height * inchesPerCentimetre;
    return {waist, weight, height};
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

} // namespace

CompositionResult computeComposition(const Measurements& entry) {
    const ImperialEntry imperial = toPoundsAndInches(entry);
    const double lean = leanPounds(imperial, entry.female);
    const double fat = imperial.weight - lean;
    const double ratio = fat / imperial.weight;

    CompositionResult result;
    result.fatPercentage = ratio * percentFactor;
    result.restMetabolicRate = lean * caloriesPerLeanPound;
    result.bodyMassIndex = bodyMassIndex(imperial);
    result.fatMass = entry.metric ? fat * kilogramsPerPound : fat;
    result.leanMass = entry.metric ? lean * kilogramsPerPound : lean;
    return result;
}

} // namespace fenwake
