#include "engine/bmi_category.h"

#include "engine/rating_chain.h"

#include <array>

namespace fenwake {

namespace {

constexpr std::array<double, 3> indexThresholds{18.5, 24.9, 29.9};

} // namespace

BmiCategory categoriseBodyMassIndex(double bodyMassIndex) {
    return static_cast<BmiCategory>(bandIndex(bodyMassIndex, bodyMassIndexThresholds()));
}

std::span<const double, 3> bodyMassIndexThresholds() {
    return indexThresholds;
}

std::string_view bmiCategoryLabel(BmiCategory category) {
    switch (category) {
    case BmiCategory::Underweight:
        return "Underweight";
    case BmiCategory::Normal:
        return "Normal";
    case BmiCategory::Overweight:
        return "Overweight";
    case BmiCategory::Obese:
        return "Obese";
    }
    return {};
}

} // namespace fenwake
