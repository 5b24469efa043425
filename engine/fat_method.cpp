#include "engine/fat_method.h"

#include <cstddef>

namespace fenwake {

namespace {

constexpr std::array<std::string_view, fatMethods.size()> keys{"YMCA", "Navy", "RFM"};

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view methodKey(FatMethod method) {
    return keys[static_cast<std::size_t>(method)];
}

std::optional<FatMethod> methodForKey(std::string_view key) {
    for (const FatMethod method : fatMethods) {
        if (sameLetters(key, methodKey(method))) {
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
