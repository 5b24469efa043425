#pragma once

#include <span>
#include <string_view>

namespace fenwake {

enum class FatRating { VeryLow, Low, Average, High, VeryHigh };

// Bands differ by sex. A value on a threshold belongs to the lower band; NaN, which no
// comparison admits, falls through to the last band.
FatRating rateFatPercentage(double fatPercentage, bool female);

std::string_view fatRatingLabel(FatRating rating);

// The upper ends of the bands below the last, lowest first, for a man or a woman.
std::span<const double, 4> fatPercentageThresholds(bool female);

} // namespace fenwake
