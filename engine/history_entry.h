#pragma once

#include "engine/measurements.h"

#include <bit>
#include <cstdint>

namespace fenwake {

// A moment as a history entry keeps it: milliseconds since 1970 in UTC, and how far the wall
// clock was from UTC then, so that it reads back as the time the person saw.
struct Moment {
    std::int64_t utcMilliseconds = 0;
    int utcOffsetMinutes = 0;

    bool operator==(const Moment&) const = default;
    // The time the wall clock showed, counted as milliseconds since 1970 were it UTC: its day
    // is the day the person saw.
    std::int64_t wallClockMilliseconds() const {
        return utcMilliseconds + std::int64_t{utcOffsetMinutes} * 60'000;
    }
};

// One entry of the person's history: when it was added, and the entries of the window as they
// stood, the exact doubles (not their two-decimal text), so that its figures are always
// computed again, bit for bit those the window showed.
struct HistoryEntry {
    std::int64_t id = 0; // the history's; 0 until it is kept
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

// The order of the history: by the instant each entry was made, and of two made at the same
// instant, the one kept first.
inline bool comesBefore(const HistoryEntry& a, const HistoryEntry& b) {
    return a.taken.utcMilliseconds < b.taken.utcMilliseconds ||
           (a.taken.utcMilliseconds == b.taken.utcMilliseconds && a.id < b.id);
}

} // namespace fenwake
