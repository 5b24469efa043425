#pragma once

#include <string_view>

namespace fenwake {

enum class FatRating { VeryLow, Low, Average, High, VeryHigh };

// Bands differ by sex. A value on a threshold belongs to the lower band; NaN, which no
// comparison admits, falls through to the last band.
FatRating rateFatPercentage(double fatPercentage, bool female);

std::string_view fatRatingLabel(FatRating rating);

} // namespace fenwake
