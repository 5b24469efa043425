#include "settings/settings_store.h"

#include "engine/fat_method.h"

#include "framework/application/application.h"
#include "framework/text/number_text.h"

#include <cmath>
#include <iterator>
#include <string>
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

bool isStored(std::string_view key) {
    Application* application = Application::current();
    // A text no stored value can hold: a value with a line break is written escaped.
    constexpr std::string_view absent = "\n";
    return application != nullptr && application->profileString(section, key, absent) != absent;
}

// A goal: a number, or nothing where the key is missing, empty or no number.
std::optional<double> loadGoal(std::string_view key) {
    Application* application = Application::current();
    if (application == nullptr) {
        return std::nullopt;
    }
    const std::string text = application->profileString(section, key, "");
    const std::optional<double> value = NumberText::readEditNumber(text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

// Written once set; cleared, an empty text where a goal was.
void saveGoal(std::string_view key, std::optional<double> goal) {
    Application* application = Application::current();
    if (application == nullptr || (goal && !std::isfinite(*goal))) {
        return;
    }
    if (goal) {
        application->writeProfileString(section, key, NumberText::twoDecimals(*goal));
    } else if (isStored(key)) {
        application->writeProfileString(section, key, "");
    }
}

} // namespace

std::optional<double> SettingsStore::loadGoalWeight() {
    return loadGoal("GoalWeight");
}
std::optional<double> SettingsStore::loadGoalFat() {
    return loadGoal("GoalFat");
}
void SettingsStore::saveGoalWeight(std::optional<double> weight) {
    saveGoal("GoalWeight", weight);
}
void SettingsStore::saveGoalFat(std::optional<double> fat) {
    saveGoal("GoalFat", fat);
}

FatMethod SettingsStore::loadMethod() {
    Application* application = Application::current();
    const std::string name =
        application != nullptr ? application->profileString(section, "Method", "") : std::string();
    return methodForKey(name).value_or(FatMethod::WaistAndWeight);
}

void SettingsStore::saveMethod(FatMethod method) {
    if (Application* application = Application::current()) {
        application->writeProfileString(section, "Method", methodKey(method));
    }
}

double SettingsStore::loadNeck() {
    return loadNumber("Neck");
}
double SettingsStore::loadHip() {
    return loadNumber("Hip");
}
void SettingsStore::saveNeck(double neck) {
    saveNumber("Neck", neck);
}
void SettingsStore::saveHip(double hip) {
    saveNumber("Hip", hip);
}
bool SettingsStore::hasNeck() {
    return isStored("Neck");
}
bool SettingsStore::hasHip() {
    return isStored("Hip");
}

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
