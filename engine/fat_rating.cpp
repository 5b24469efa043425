#include "engine/fat_rating.h"

#include "engine/rating_chain.h"

#include <array>

namespace fenwake {

namespace {

constexpr std::array<double, 4> maleThresholds{10.0, 13.0, 17.0, 25.0};
constexpr std::array<double, 4> femaleThresholds{17.0, 20.0, 27.0, 31.0};

} // namespace

FatRating rateFatPercentage(double fatPercentage, bool female) {
    return static_cast<FatRating>(bandIndex(fatPercentage, fatPercentageThresholds(female)));
}

std::span<const double, 4> fatPercentageThresholds(bool female) {
    return female ? femaleThresholds : maleThresholds;
}

std::string_view fatRatingLabel(FatRating rating) {
    switch (rating) {
    case FatRating::VeryLow:
        return "Very Low";
    case FatRating::Low:
        return "Low";
    case FatRating::Average:
        return "Average";
    case FatRating::High:
        return "High";
    case FatRating::VeryHigh:
        return "Very High";
    }
    return {};
}

} // namespace fenwake
