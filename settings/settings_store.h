#pragma once

#include "engine/measurements.h"

#include <optional>

namespace fenwake {

// The five inputs kept between runs, in the profile section "Settings", and what the program
// added since: the method of the fat estimate and the neck and hip it may need. The only code
// that knows their keys and defaults. Numbers are stored as text with two decimals, in the
// units the stored Metric selects; the flags as the integers 1 and 0; the method as "YMCA",
// "Navy" or "RFM". A key the program added is written only once it is used.
class SettingsStore {
public:
    static double loadWeight();
    static double loadWaist();
    static double loadHeight();
    static bool loadMetric();
    static bool loadFemale();

    static void saveWeight(double weight);
    static void saveWaist(double waist);
    static void saveHeight(double height);
    static void saveMetric(bool metric);
    static void saveFemale(bool female);

    // A missing or unknown method is the waist-and-weight formula.
    static FatMethod loadMethod();
    static void saveMethod(FatMethod method);
    static double loadNeck();
    static double loadHip();
    static void saveNeck(double neck);
    static void saveHip(double hip);
    // Whether a neck or a hip was ever stored: a unit switch converts only what is there.
    static bool hasNeck();
    static bool hasHip();

    // The goals of the history: a weight in the units the stored Metric selects, two decimals,
    // and a fat percentage. Nothing while none is set; a goal cleared is kept as an empty text,
    // so that a file that never had one stays as it was.
    static std::optional<double> loadGoalWeight();
    static std::optional<double> loadGoalFat();
    static void saveGoalWeight(std::optional<double> weight);
    static void saveGoalFat(std::optional<double> fat);
};

} // namespace fenwake
