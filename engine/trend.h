#pragma once

#include "engine/history_entry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fenwake {

// The figures of an entry that change over time and have a trend.
enum class Figure { Weight, FatPercentage, FatMass, LeanMass };

// Whether a figure is estimated by the fat method, so that a change of method changes it
// without any change of the body.
bool dependsOnMethod(Figure figure);

// The trend of a figure through the day-to-day noise, the rate it changes at with its
// uncertainty, and the dates a goal may be reached. Computed from the entries every time, never
// stored; each step is one double operation rounded once, in the order written, so that the
// same history gives the same bits everywhere.
class Trend {
public:
    // The mean of a calendar day's entries: the day is the entry's own wall-clock day (its
    // offset from UTC applied), the mean the sum of its values in order divided by their count.
    // Where the figure depends on the method, entries of another method than the one before
    // begin a day of their own.
    struct Day {
        std::int64_t day = 0; // days since 1970-01-01 on the wall clock
        double mean = 0;
        FatMethod method = FatMethod::WaistAndWeight;
        std::size_t lastEntry = 0; // the index of its last entry in the history
    };
    // A day's trend: the first day's is its mean; each later day's is T + (1 - 0.9^d) x (M - T),
    // T the day before's trend, M this day's mean and d the days between them, 0.9^d the d-fold
    // product of 0.9. It starts afresh at a change of method, where the figure depends on it.
    struct Point {
        std::int64_t day = 0;
        double mean = 0;
        double trend = 0;
        bool afresh = false; // the trend starts again here
    };
    // The rate, a day, by Theil and Sen: the median of the pairwise slopes of the daily means,
    // with Sen's 95 % interval from Kendall's S.
    struct Rate {
        double perDay = 0;
        double lowPerDay = 0;
        double highPerDay = 0;
        double perWeek() const { return perDay * 7; }
        double lowPerWeek() const { return lowPerDay * 7; }
        double highPerWeek() const { return highPerDay * 7; }
    };

    static constexpr int rateDays = 28;          // the window the rate is taken over
    static constexpr std::size_t fewestDays = 7; // days with entries the rate needs in it
    static constexpr int shortestSpan = 14;      // from its first to its last, in days

    // The entries are the history's, oldest first; masses in kilograms when metric is set.
    static std::vector<Day> dailyMeans(std::span<const HistoryEntry> entries, Figure figure,
                                       bool metric);
    static std::vector<Point> smoothed(const std::vector<Day>& days, Figure figure);
    // Over the daily means of the last rateDays calendar days ending on the latest day (of the
    // latest method, where the figure depends on it); nothing while there are too few.
    static std::optional<Rate> rateOf(const std::vector<Point>& points);

    // When the trend reaches a goal at the rate's interval.
    struct GoalDates {
        enum class Kind { Reached, NotOnCourse, Between };
        Kind kind = Kind::NotOnCourse;
        std::int64_t earliest = 0; // days since 1970-01-01, for Between
        std::int64_t latest = 0;
    };
    // Reached once the latest trend is at the goal or past it, seen from where the trend began;
    // else, for each end of the interval, the latest day plus ceil((goal - trend) / rate) days,
    // the earlier and the later of the two; not on course when an end is zero or points away.
    static GoalDates goalDates(double goal, const std::vector<Point>& points, const Rate& rate);
};

} // namespace fenwake
