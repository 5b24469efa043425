#pragma once

#include "engine/bmi_category.h"
#include "engine/fat_rating.h"

#include <cmath>
#include <optional>

namespace fenwake {

// A rating says where a number stands; a figure that is no number (a weight or a height of 0)
// stands nowhere, and has none.
inline std::optional<FatRating> fatRatingOf(double fatPercentage, bool female) {
    return std::isfinite(fatPercentage) ? std::optional(rateFatPercentage(fatPercentage, female))
                                        : std::nullopt;
}

inline std::optional<BmiCategory> bmiCategoryOf(double bodyMassIndex) {
    return std::isfinite(bodyMassIndex) ? std::optional(categoriseBodyMassIndex(bodyMassIndex))
                                        : std::nullopt;
}

} // namespace fenwake
