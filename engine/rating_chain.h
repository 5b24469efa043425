#pragma once

#include <cstddef>
#include <span>

namespace fenwake {

// One ordered chain of comparisons, lowest threshold first: the first threshold the value
// does not exceed names its band; past the last one (and for NaN) the band after it.
inline std::size_t bandIndex(double value, std::span<const double> ascendingThresholds) {
    std::size_t band = 0;
    for (const double threshold : ascendingThresholds) {
        if (value <= threshold) {
            return band;
        }
        ++band;
    }
    return band;
}

} // namespace fenwake
