#include "settings/settings_store.h"

#include "framework/application/application.h"
#include "framework/text/number_text.h"

#include <cmath>
#include <string_view>

namespace fenwake {

namespace {

constexpr std::string_view section = "Settings";

double loadNumber(std::string_view key) {
    Application* application = Application::current();
    if (application == nullptr) {
        return 0.0;
    }
    return NumberText::readLeadingNumber(application->profileString(section, key, "0.0"));
}

bool loadFlag(std::string_view key) {
    Application* application = Application::current();
    return application != nullptr && application->profileInt(section, key, 0) != 0;
}

// A number that is no finite one (a unit switch can overflow) would be stored as "inf" and read
// back as 0: the key keeps the last number it held instead.
void saveNumber(std::string_view key, double value) {
    if (!std::isfinite(value)) {
        return;
    }
    if (Application* application = Application::current()) {
        application->writeProfileString(section, key, NumberText::twoDecimals(value));
    }
}

void saveFlag(std::string_view key, bool flag) {
    if (Application* application = Application::current()) {
        application->writeProfileInt(section, key, flag ? 1 : 0);
    }
}

} // namespace

double SettingsStore::loadWeight() {
    return loadNumber("Weight");
}
double SettingsStore::loadWaist() {
    return loadNumber("Waist");
}
double SettingsStore::loadHeight() {
    return loadNumber("Height");
}
bool SettingsStore::loadMetric() {
    return loadFlag("Metric");
}
bool SettingsStore::loadFemale() {
    return loadFlag("Female");
}

void SettingsStore::saveWeight(double weight) {
    saveNumber("Weight", weight);
}
void SettingsStore::saveWaist(double waist) {
    saveNumber("Waist", waist);
}
void SettingsStore::saveHeight(double height) {
    saveNumber("Height", height);
}
void SettingsStore::saveMetric(bool metric) {
    saveFlag("Metric", metric);
}
void SettingsStore::saveFemale(bool female) {
    saveFlag("Female", female);
}

} // namespace fenwake
