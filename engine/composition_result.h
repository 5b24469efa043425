#pragma once

namespace fenwake {

// The five figures in the order of the results list. The two masses are in kilograms for a
// metric entry and in pounds otherwise; the other three are the same in both systems.
struct CompositionResult {
    double fatPercentage = 0.0;
    double fatMass = 0.0;
    double leanMass = 0.0;
    double restMetabolicRate = 0.0;
    double bodyMassIndex = 0.0;
};

} // namespace fenwake
