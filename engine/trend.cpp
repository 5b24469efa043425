#include "engine/trend.h"

#include "engine/composition.h"
#include "engine/units.h"

#include <algorithm>
#include <cmath>

namespace fenwake {

namespace {

constexpr std::int64_t millisecondsADay = 86'400'000;
constexpr double keptEachDay = 0.9;
// Past this many days 0.9^d is below the smallest double: the trend is the day's mean.
constexpr std::int64_t longestMemory = 8000;
// The 97.5th percentile of the standard normal distribution: a two-sided 95 % interval.
constexpr double normalQuantile = 1.959963984540054;
// A goal further than this many days at the present rate is not on course.
constexpr double farthestGoal = 36525.0;

std::int64_t dayOf(const HistoryEntry& entry) {
    const std::int64_t wall = entry.taken.wallClockMilliseconds();
    return wall >= 0 ? wall / millisecondsADay : -((-wall - 1) / millisecondsADay) - 1;
}

double valueOf(const HistoryEntry& entry, Figure figure, bool metric) {
    const Measurements& m = entry.measurements;
    if (figure == Figure::Weight) {
        return massIn(m.weight, m.metric, metric);
    }
    const CompositionResult result = computeComposition(m);
    switch (figure) {
    case Figure::FatPercentage:
        return result.fatPercentage;
    case Figure::FatMass:
        return massIn(result.fatMass, m.metric, metric);
    case Figure::LeanMass:
        return massIn(result.leanMass, m.metric, metric);
    case Figure::Weight:
        break;
    }
    return 0.0;
}

// 0.9 multiplied by itself d times, in order.
double keptAfter(std::int64_t days) {
    double kept = 1.0;
    for (std::int64_t day = 0; day < days && day < longestMemory; ++day) {
        kept = kept * keptEachDay;
    }
    return days >= longestMemory ? 0.0 : kept;
}

// Σ t(t-1)(2t+5) over the groups of equal values.
double tiesTerm(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    double sum = 0.0;
    for (std::size_t start = 0; start < values.size();) {
        std::size_t end = start + 1;
        while (end < values.size() && values[end] == values[start]) {
            ++end;
        }
        const double t = static_cast<double>(end - start);
        if (end - start > 1) {
            sum = sum + t * (t - 1.0) * (2.0 * t + 5.0);
        }
        start = end;
    }
    return sum;
}

} // namespace

bool dependsOnMethod(Figure figure) {
    return figure != Figure::Weight;
}

std::vector<Trend::Day> Trend::dailyMeans(std::span<const HistoryEntry> entries, Figure figure,
                                          bool metric) {
    std::vector<Day> days;
    double sum = 0.0;
    double count = 0.0;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const HistoryEntry& entry = entries[index];
        const double value = valueOf(entry, figure, metric);
        if (!std::isfinite(value)) {
            continue;
        }
        const std::int64_t day = dayOf(entry);
        const FatMethod method = entry.measurements.method;
        const bool sameDay = !days.empty() && days.back().day == day &&
                             (!dependsOnMethod(figure) || days.back().method == method);
        if (!sameDay) {
            if (!days.empty()) {
                days.back().mean = sum / count;
            }
            days.push_back({day, 0.0, method, index});
            sum = 0.0;
            count = 0.0;
        }
        sum = sum + value;
        count = count + 1.0;
        days.back().lastEntry = index;
    }
    if (!days.empty()) {
        days.back().mean = sum / count;
    }
    return days;
}

std::vector<Trend::Point> Trend::smoothed(const std::vector<Day>& days, Figure figure) {
    std::vector<Point> points;
    points.reserve(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const Day& today = days[i];
        const bool afresh =
            i == 0 || (dependsOnMethod(figure) && today.method != days[i - 1].method);
        if (afresh) {
            points.push_back({today.day, today.mean, today.mean, true});
            continue;
        }
        const double before = points.back().trend;
        const double taken =
            1.0 - keptAfter(std::max<std::int64_t>(today.day - days[i - 1].day, 0));
        const double difference = today.mean - before;
        const double step = taken * difference;
        points.push_back({today.day, today.mean, before + step, false});
    }
    return points;
}

std::optional<Trend::Rate> Trend::rateOf(const std::vector<Point>& points) {
    if (points.empty()) {
        return std::nullopt;
    }
    const std::int64_t latest = points.back().day;
    std::vector<double> x;
    std::vector<double> y;
    for (std::size_t i = points.size(); i > 0; --i) {
        const Point& point = points[i - 1];
        if (point.day < latest - (rateDays - 1)) {
            break;
        }
        x.insert(x.begin(), static_cast<double>(point.day));
        y.insert(y.begin(), point.mean);
        if (point.afresh) {
            break; // a trend of another method begins before it
        }
    }
    const std::size_t n = x.size();
    if (n < fewestDays || x.back() - x.front() < shortestSpan) {
        return std::nullopt;
    }
    std::vector<double> slopes;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (x[j] != x[i]) {
                const double rise = y[j] - y[i];
                const double run = x[j] - x[i];
                slopes.push_back(rise / run);
            }
        }
    }
    std::sort(slopes.begin(), slopes.end());
    const std::size_t count = slopes.size();
    Rate rate;
    rate.perDay =
        count % 2 == 1 ? slopes[count / 2] : (slopes[count / 2 - 1] + slopes[count / 2]) / 2.0;
    const double m = static_cast<double>(n);
    const double variance = (m * (m - 1.0) * (2.0 * m + 5.0) - tiesTerm(x) - tiesTerm(y)) / 18.0;
    const double c = normalQuantile * std::sqrt(variance);
    const double all = static_cast<double>(count);
    const double lower = std::max(std::round((all - c) / 2.0) - 1.0, 0.0);
    const double upper = std::min(std::round((all + c) / 2.0), all - 1.0);
    rate.lowPerDay = slopes[static_cast<std::size_t>(lower)];
    rate.highPerDay = slopes[static_cast<std::size_t>(upper)];
    return rate;
}

Trend::GoalDates Trend::goalDates(double goal, const std::vector<Point>& points, const Rate& rate) {
    GoalDates dates;
    if (points.empty()) {
        return dates;
    }
    std::size_t start = points.size() - 1;
    while (start > 0 && !points[start].afresh) {
        --start;
    }
    const double latest = points.back().trend;
    const double towards = goal - points[start].trend;
    const double left = goal - latest;
    if (towards == 0.0 || left * towards <= 0.0) {
        dates.kind = GoalDates::Kind::Reached;
        return dates;
    }
    std::int64_t ends[2] = {0, 0};
    const double perDay[2] = {rate.lowPerDay, rate.highPerDay};
    for (int end = 0; end < 2; ++end) {
        if (perDay[end] == 0.0 || perDay[end] * left < 0.0) {
            return dates;
        }
        const double days = std::ceil(left / perDay[end]);
        if (days > farthestGoal) {
            return dates; // a century away is no course
        }
        ends[end] = points.back().day + static_cast<std::int64_t>(days);
    }
    dates.kind = GoalDates::Kind::Between;
    dates.earliest = std::min(ends[0], ends[1]);
    dates.latest = std::max(ends[0], ends[1]);
    return dates;
}

} // namespace fenwake
