#pragma once

#include <optional>

namespace fenwake {

// What the person aims at: a weight, in the units the window shows, and a fat percentage; either
// may be missing.
struct Goal {
    std::optional<double> weight;
    std::optional<double> fat;

    bool operator==(const Goal&) const = default;
};

} // namespace fenwake
