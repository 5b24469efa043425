#pragma once

#include "engine/history_entry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fenwake {

// ISO 8601 text of moments, without the C locale or time zone files:
// "2026-12-08T14:05:33.123+01:00".
class IsoTime {
public:
    // The moment now, with the wall clock's present offset.
    static Moment now();
    // The local wall clock's offset from UTC at that moment, in minutes.
    static int localOffsetMinutes(std::int64_t utcMilliseconds);

    // Always with its milliseconds and its offset, so that it reads back the same moment.
    static std::string format(const Moment& moment);
    // "YYYY-MM-DD", then "T" or a blank and "hh:mm", with ":ss" and a fraction of seconds, and
    // "Z" or "+hh:mm" / "-hh:mm" if given; without an offset the time is the local wall clock's.
    // Nothing when the text is no such time or names no day of the calendar.
    static std::optional<Moment> parse(std::string_view text);
};

} // namespace fenwake
