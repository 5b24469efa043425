#pragma once

namespace fenwake {

// The five inputs kept between runs, in the profile section "Settings". The only code that
// knows their keys and defaults. Numbers are stored as text with two decimals, in the units
// the stored Metric selects; the flags as the integers 1 and 0.
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
};

} // namespace fenwake
