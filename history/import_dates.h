#pragma once

#include "engine/history_entry.h"
#include "framework/text/translatable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

// The dates other programs write, as moments: ISO 8601 date-times ("2026-03-01T08:00:00+01:00",
// "2026-03-01 08:00"), ISO dates alone (taken at noon, local time), and the numeric dates of
// spreadsheets and trackers, "01.03.2026 08:00", "1/3/2026" or "3/1/2026 8:05:09", with or
// without a time (local time; noon without one).
class ImportDates {
public:
    // Which of a numeric date's first two numbers is the day.
    enum class Order { DayFirst, MonthFirst };
    struct Decision {
        Order order = Order::DayFirst;
        TranslatableText why; // not empty when the file's own dates cannot say which
    };
    // The order of a column's numeric dates, from the dates themselves, seen one at a time: a
    // first number above 12 makes them day-first, a second one above 12 month-first. Where none
    // says, dotted dates are day-first, as everywhere they are written; dates with slashes are
    // then refused. It keeps no more than one date of each kind, whatever the file's size.
    class OrderFinder {
    public:
        void see(std::string_view date);
        Decision decision() const;

    private:
        std::string dayFirst; // a date that can only be day-first
        std::string monthFirst;
        std::string undecided;
        bool slashes = false;
    };

    // Whether the text is a numeric date ("01.03.2026", "3/1/2026 8:05"), whose order counts.
    static bool isNumeric(std::string_view text);

    struct Read {
        Moment taken;
        bool dateAlone = false; // no time of day was given: noon was taken
    };
    static std::optional<Read> parse(std::string_view text, Order order);
};

} // namespace fenwake
