#pragma once

#include <string>

namespace fenwake {

// What the figures and the fields mean, in a sentence or two each, for their tool tips and
// for screen readers: how a figure comes from the entries and, for the two rated figures, the
// bands (a man's or a woman's) with the band the figure falls in marked. Every figure is an
// estimate from a simple formula, and each explanation says so.
class ResultExplanations {
public:
    static std::string fatPercentage(double fatPercentage, bool female);
    static std::string fatMass(bool metric);
    static std::string leanMass(bool metric);
    static std::string restMetabolicRate();
    static std::string bodyMassIndex(double bodyMassIndex);

    static std::string waistField(bool metric);
    static std::string weightField(bool metric);
    static std::string heightField(bool metric);
};

} // namespace fenwake
