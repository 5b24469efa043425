#include "engine/fat_method.h"

#include <cstddef>

namespace fenwake {

namespace {

constexpr std::array<std::string_view, fatMethods.size()> keys{"YMCA", "Navy", "RFM"};

} // namespace

std::string_view methodKey(FatMethod method) {
    return keys[static_cast<std::size_t>(method)];
}

std::optional<FatMethod> methodForKey(std::string_view key) {
    for (const FatMethod method : fatMethods) {
        if (key == methodKey(method)) {
            return method;
        }
    }
    return std::nullopt;
}

bool usesNeck(FatMethod method) {
    return method == FatMethod::Navy;
}

bool usesHip(FatMethod method, bool female) {
    return method == FatMethod::Navy && female;
}

bool hasWhatItsMethodNeeds(const Measurements& entry) {
    return (!usesNeck(entry.method) || entry.neck > 0.0) &&
           (!usesHip(entry.method, entry.female) || entry.hip > 0.0);
}

} // namespace fenwake
