#pragma once

#include <span>
#include <string_view>

namespace fenwake {

enum class BmiCategory { Underweight, Normal, Overweight, Obese };

// Thresholds 18.5, 24.9 and 29.9 as the nearest doubles; a value on a threshold belongs to
// the lower category, and NaN to the last.
BmiCategory categoriseBodyMassIndex(double bodyMassIndex);

std::string_view bmiCategoryLabel(BmiCategory category);

// The upper ends of the categories below the last, lowest first.
std::span<const double, 3> bodyMassIndexThresholds();

} // namespace fenwake
