#pragma once

#include "engine/measurements.h"

#include <string>
#include <vector>

namespace fenwake {

// What the figures and the fields mean, in a sentence or two each, for their tool tips and
// for screen readers: how a figure comes from the entries and, for the two rated figures, the
// bands (a man's or a woman's) with the band the figure falls in marked. Every figure is an
// estimate from a simple formula, and each explanation says so.
class ResultExplanations {
public:
    // What one method gives for the entries, for the comparison in the fat percentage's row.
    struct Estimate {
        FatMethod method;
        double fatPercentage;
    };

    // The fat percentage by the method in use; then, when estimates are given, each method's
    // (those the entries allow), the one in use marked; then the bands.
    static std::string fatPercentage(double fatPercentage, bool female,
                                     FatMethod method = FatMethod::WaistAndWeight,
                                     const std::vector<Estimate>& estimates = {});
    static std::string fatMass(bool metric, FatMethod method = FatMethod::WaistAndWeight);
    static std::string leanMass(bool metric, FatMethod method = FatMethod::WaistAndWeight);
    static std::string restMetabolicRate();
    static std::string bodyMassIndex(double bodyMassIndex);

    static std::string waistField(bool metric);
    static std::string weightField(bool metric);
    static std::string heightField(bool metric);
    static std::string neckField(bool metric);
    static std::string hipField(bool metric);
    // What the two boxes change: Female the formula's constant and the bands by the method in
    // use, Metric the units and what is typed.
    static std::string femaleBox(FatMethod method);
    static std::string metricBox();

    // A method as a person names it, standing alone: "US Navy", "Relative fat mass".
    static std::string methodName(FatMethod method);
    // "by the US Navy method": what the screen reader hears after the fat percentage.
    static std::string byMethod(FatMethod method);
};

} // namespace fenwake
