#pragma once

#include "engine/unit_factors.h"

namespace fenwake {

// A length or a mass in the other unit system, converted as the window's unit switch converts
// the fields: one multiplication by the program's own factor. From imperial to metric when
// toMetric is set, from metric to imperial when it is clear.
inline double convertedLength(double length, bool toMetric) {
    return length * (toMetric ? centimetresPerInch : inchesPerCentimetre);
}

inline double convertedMass(double mass, bool toMetric) {
    return mass * (toMetric ? kilogramsPerPound : poundsPerKilogram);
}

// A length or a mass kept in one unit system (fromMetric), shown in another (toMetric): as it is
// in its own, converted once in the other.
inline double lengthIn(double length, bool fromMetric, bool toMetric) {
    return fromMetric == toMetric ? length : convertedLength(length, toMetric);
}

inline double massIn(double mass, bool fromMetric, bool toMetric) {
    return fromMetric == toMetric ? mass : convertedMass(mass, toMetric);
}

} // namespace fenwake
