#pragma once

#include "engine/composition_result.h"
#include "engine/measurements.h"

namespace fenwake {

// Pure: the same entry always gives bit-identical figures. Every step is one double operation
// rounded once, in a fixed order; the build keeps the compiler from fusing or regrouping them.
CompositionResult computeComposition(const Measurements& entry);

} // namespace fenwake
