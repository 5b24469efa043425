#include "history/iso_time.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace fenwake {

namespace {

constexpr std::int64_t millisecondsPerMinute = 60'000;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar (Howard Hinnant's
// days_from_civil).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

struct Civil {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

Civil civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

unsigned daysInMonth(std::int64_t year, unsigned month) {
    static constexpr unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// Reads exactly `count` digits at `at`.
bool digits(std::string_view text, std::size_t& at, std::size_t count, int& value) {
    if (text.size() < at + count) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    at += count;
    return true;
}

bool expect(std::string_view text, std::size_t& at, char wanted) {
    if (at < text.size() && text[at] == wanted) {
        ++at;
        return true;
    }
    return false;
}

} // namespace

Moment IsoTime::now() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const std::int64_t milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return {milliseconds, localOffsetMinutes(milliseconds)};
}

int IsoTime::localOffsetMinutes(std::int64_t utcMilliseconds) {
    const std::time_t seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return 0;
    }
    return static_cast<int>(local.tm_gmtoff / 60);
}

std::string IsoTime::format(const Moment& moment) {
    const std::int64_t wall =
        moment.utcMilliseconds + moment.utcOffsetMinutes * millisecondsPerMinute;
    std::int64_t days = wall / 86'400'000;
    std::int64_t inDay = wall % 86'400'000;
    if (inDay < 0) {
        inDay += 86'400'000;
        --days;
    }
    const Civil date = civilFromDays(days);
    const int offset =
        moment.utcOffsetMinutes < 0 ? -moment.utcOffsetMinutes : moment.utcOffsetMinutes;
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02lld:%02lld:%02lld.%03lld%c%02d:%02d",
                  static_cast<long long>(date.year), date.month, date.day,
                  static_cast<long long>(inDay / 3'600'000),
                  static_cast<long long>(inDay / 60'000 % 60),
                  static_cast<long long>(inDay / 1000 % 60), static_cast<long long>(inDay % 1000),
                  moment.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::optional<Moment> IsoTime::parse(std::string_view text) {
    std::size_t at = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!digits(text, at, 4, year) || !expect(text, at, '-') || !digits(text, at, 2, month) ||
        !expect(text, at, '-') || !digits(text, at, 2, day) ||
        !(expect(text, at, 'T') || expect(text, at, ' ')) || !digits(text, at, 2, hour) ||
        !expect(text, at, ':') || !digits(text, at, 2, minute)) {
        return std::nullopt;
    }
    if (expect(text, at, ':') && !digits(text, at, 2, second)) {
        return std::nullopt;
    }
    int milliseconds = 0;
    if (expect(text, at, '.') || expect(text, at, ',')) {
        int scale = 100;
        const std::size_t first = at;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            milliseconds += (text[at] - '0') * scale;
            scale /= 10;
        }
        if (at == first) {
            return std::nullopt;
        }
    }
    if (month < 1 || month > 12 || day < 1 ||
        day > static_cast<int>(daysInMonth(year, static_cast<unsigned>(month))) || hour > 23 ||
        minute > 59 || second > 60) {
        return std::nullopt;
    }
    const std::int64_t wall =
        ((daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 24 +
          hour) *
             60 +
         minute) *
            millisecondsPerMinute +
        second * 1000LL + milliseconds;
    std::optional<int> offset;
    if (expect(text, at, 'Z')) {
        offset = 0;
    } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        const int sign = text[at++] == '-' ? -1 : 1;
        int hours = 0;
        int minutes = 0;
        if (!digits(text, at, 2, hours)) {
            return std::nullopt;
        }
        expect(text, at, ':'); // "+01:00" or "+0100"
        if (!digits(text, at, 2, minutes) || hours > 23 || minutes > 59) {
            return std::nullopt;
        }
        offset = sign * (hours * 60 + minutes);
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    if (!offset) {
        // The wall clock's own: its offset is the one in force then (asked twice, so that a
        // time just after a change of offset finds it).
        const int guess = localOffsetMinutes(wall);
        offset = localOffsetMinutes(wall - guess * millisecondsPerMinute);
    }
    return Moment{wall - *offset * millisecondsPerMinute, *offset};
}

} // namespace fenwake
