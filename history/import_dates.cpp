#include "history/import_dates.h"

#include "history/iso_time.h"

#include <cstdio>
#include <string>

namespace fenwake {

namespace {

// "01.03.2026", "1/3/2026": its two leading numbers, its year and what follows it.
struct Numeric {
    int first = 0;
    int second = 0;
    int year = 0;
    char separator = 0;
    std::string_view rest;
};

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one to `most` digits at `at`.
std::optional<int> digits(std::string_view text, std::size_t& at, std::size_t fewest,
                          std::size_t most) {
    int value = 0;
    std::size_t count = 0;
    while (at < text.size() && digit(text[at]) && count < most) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++count;
    }
    return count >= fewest && (at >= text.size() || !digit(text[at])) ? std::optional(value)
                                                                      : std::nullopt;
}

std::optional<Numeric> numeric(std::string_view text) {
    Numeric date;
    std::size_t at = 0;
    const std::optional<int> first = digits(text, at, 1, 2);
    if (!first || at >= text.size() || (text[at] != '.' && text[at] != '/')) {
        return std::nullopt;
    }
    date.separator = text[at++];
    const std::optional<int> second = digits(text, at, 1, 2);
    if (!second || at >= text.size() || text[at] != date.separator) {
        return std::nullopt;
    }
    ++at;
    const std::optional<int> year = digits(text, at, 4, 4);
    if (!year) {
        return std::nullopt;
    }
    date.first = *first;
    date.second = *second;
    date.year = *year;
    date.rest = text.substr(at);
    return date;
}

// " 08:00", " 8:05:09", "T08:00" or ", 08:00" after a date: the time as ISO writes it.
std::optional<std::string> timeOfDay(std::string_view rest) {
    if (rest.empty()) {
        return std::string("12:00");
    }
    if (rest.starts_with(", ")) {
        rest.remove_prefix(2);
    } else if (rest.front() == ' ' || rest.front() == 'T') {
        rest.remove_prefix(1);
    } else {
        return std::nullopt;
    }
    std::size_t at = 0;
    const std::optional<int> hour = digits(rest, at, 1, 2);
    if (!hour || at >= rest.size() || rest[at] != ':') {
        return std::nullopt;
    }
    std::string time = *hour < 10 ? "0" : "";
    return time.append(std::to_string(*hour)).append(rest.substr(at));
}

} // namespace

bool ImportDates::isNumeric(std::string_view text) {
    return numeric(text).has_value();
}

void ImportDates::OrderFinder::see(std::string_view date) {
    const std::optional<Numeric> numericDate = numeric(date);
    if (!numericDate) {
        return;
    }
    slashes = slashes || numericDate->separator == '/';
    if (numericDate->first > 12 && dayFirst.empty()) {
        dayFirst = date;
    } else if (numericDate->second > 12 && monthFirst.empty()) {
        monthFirst = date;
    } else if (undecided.empty()) {
        undecided = date;
    }
}

ImportDates::Decision ImportDates::OrderFinder::decision() const {
    Decision decision;
    if (!dayFirst.empty() && !monthFirst.empty()) {
        decision.why =
            sentence(TRANSLATABLE("its dates are day-first in places (“%1”) and month-first in "
                                  "others (“%2”)"),
                     {dayFirst, monthFirst});
    } else if (!monthFirst.empty()) {
        decision.order = Order::MonthFirst;
    } else if (dayFirst.empty() && slashes) {
        decision.why = sentence(TRANSLATABLE("its dates (“%1”) may be day-first or month-first, "
                                             "and none of them says which"),
                                {undecided});
    }
    return decision;
}

std::optional<ImportDates::Read> ImportDates::parse(std::string_view text, Order order) {
    std::string iso;
    if (const std::optional<Numeric> date = numeric(text)) {
        const int day = order == Order::DayFirst ? date->first : date->second;
        const int month = order == Order::DayFirst ? date->second : date->first;
        const std::optional<std::string> time = timeOfDay(date->rest);
        if (!time) {
            return std::nullopt;
        }
        char head[32];
        std::snprintf(head, sizeof head, "%04d-%02d-%02dT", date->year % 10000, month % 100,
                      day % 100);
        iso = std::string(head).append(*time);
        const std::optional<Moment> taken = IsoTime::parse(iso);
        return taken ? std::optional<Read>({*taken, date->rest.empty()}) : std::nullopt;
    }
    // An ISO date alone, "2026-03-01", is the day at noon.
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        const std::optional<Moment> taken = IsoTime::parse(std::string(text) + "T12:00");
        return taken ? std::optional<Read>({*taken, true}) : std::nullopt;
    }
    const std::optional<Moment> taken = IsoTime::parse(text);
    return taken ? std::optional<Read>({*taken, false}) : std::nullopt;
}

} // namespace fenwake
