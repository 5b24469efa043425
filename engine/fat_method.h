#pragma once

#include "engine/measurements.h"

#include <array>
#include <optional>
#include <string_view>

namespace fenwake {

// The methods of the fat estimate, in the order of FatMethod.
inline constexpr std::array<FatMethod, 3> fatMethods{FatMethod::WaistAndWeight, FatMethod::Navy,
                                                     FatMethod::RelativeFatMass};

// The method's name where the program keeps it (the settings, the history, CSV): "YMCA", "Navy"
// or "RFM". Never translated.
std::string_view methodKey(FatMethod method);
// The method of that name; nothing for a name that is none of them.
std::optional<FatMethod> methodForKey(std::string_view key);

// The measurements a method reads besides the waist, the weight and the height: the neck, for
// the US Navy method, and the hip for a woman by it.
bool usesNeck(FatMethod method);
bool usesHip(FatMethod method, bool female);
// Whether the entry gives what its method needs: a neck and, where it is used, a hip above 0.
// An estimate from a measurement nobody gave would be a figure of nothing.
bool hasWhatItsMethodNeeds(const Measurements& entry);

} // namespace fenwake
