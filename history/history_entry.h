#pragma once

// history: the person's history of entries, kept in an SQLite database of its own, written by a
// thread of its own, and taken to CSV and back. Standard library, SQLite and the engine only;
// the window shows it through the framework.

#include "engine/measurements.h"
#include "history/iso_time.h"

#include <bit>
#include <cstdint>

namespace fenwake {

// One entry of the history: when it was added, and the entries of the window as they stood,
// the exact doubles (not their two-decimal text), so that its figures are always computed
// again, bit for bit those the window showed.
struct HistoryEntry {
    std::int64_t id = 0; // the database's; 0 until it is kept
    Moment taken;
    Measurements measurements;

    // The same entry, whoever keeps it: the same moment and the same numbers to the bit.
    bool sameAs(const HistoryEntry& other) const {
        const Measurements& a = measurements;
        const Measurements& b = other.measurements;
        const auto bits = [](double value) {
            return std::bit_cast<std::uint64_t>(value);
        };
        return taken == other.taken && bits(a.waist) == bits(b.waist) &&
               bits(a.weight) == bits(b.weight) && bits(a.height) == bits(b.height) &&
               a.female == b.female && a.metric == b.metric && bits(a.neck) == bits(b.neck) &&
               bits(a.hip) == bits(b.hip) && a.method == b.method;
    }
};

} // namespace fenwake
