// The trend, the rate and the goal's dates, bit for bit those an independent evaluation of the
// documented steps gives (make_trend_vectors.py): daily noise, gaps and days of two entries, a
// change of method, an interval that holds zero, too few days, days moved by their offset, a
// goal reached and one the other way; and, over random histories, what must hold of any.
#include "engine/trend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace fenwake {
namespace {

struct RawEntry {
    std::int64_t utc;
    int offset;
    double waist;
    double weight;
    double height;
    bool female;
    bool metric;
    double neck;
    double hip;
    FatMethod method;
};

struct RawPoint {
    std::int64_t day;
    double mean;
    double trend;
    bool afresh;
};

struct RawRate {
    bool given;
    double perDay;
    double low;
    double high;
};

struct TrendCase {
    const char* name;
    std::vector<RawEntry> entries;
    Figure figure;
    bool metric;
    std::vector<RawPoint> points;
    RawRate rate;
    double goal;
    Trend::GoalDates::Kind kind;
    std::int64_t earliest;
    std::int64_t latest;

    friend void PrintTo(const TrendCase& worked, std::ostream* out) { *out << worked.name; }
};

std::vector<HistoryEntry> historyOf(const std::vector<RawEntry>& raw) {
    std::vector<HistoryEntry> entries;
    std::int64_t id = 1;
    for (const RawEntry& e : raw) {
        HistoryEntry entry;
        entry.id = id++;
        entry.taken = {e.utc, e.offset};
        entry.measurements = {e.waist,  e.weight, e.height, e.female,
                              e.metric, e.neck,   e.hip,    e.method};
        entries.push_back(entry);
    }
    return entries;
}

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

class WorkedTrend : public ::testing::TestWithParam<TrendCase> {};

TEST_P(WorkedTrend, IsTheIndependentEvaluationToTheBit) {
    const TrendCase& worked = GetParam();
    const std::vector<HistoryEntry> entries = historyOf(worked.entries);
    const std::vector<Trend::Point> points =
        Trend::smoothed(Trend::dailyMeans(entries, worked.figure, worked.metric), worked.figure);
    ASSERT_EQ(points.size(), worked.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].day, worked.points[i].day) << "day " << i;
        EXPECT_EQ(bits(points[i].mean), bits(worked.points[i].mean)) << "mean " << i;
        EXPECT_EQ(bits(points[i].trend), bits(worked.points[i].trend)) << "trend " << i;
        EXPECT_EQ(points[i].afresh, worked.points[i].afresh) << "afresh " << i;
    }
    const std::optional<Trend::Rate> rate = Trend::rateOf(points);
    ASSERT_EQ(rate.has_value(), worked.rate.given);
    if (!rate) {
        return;
    }
    EXPECT_EQ(bits(rate->perDay), bits(worked.rate.perDay));
    EXPECT_EQ(bits(rate->lowPerDay), bits(worked.rate.low));
    EXPECT_EQ(bits(rate->highPerDay), bits(worked.rate.high));
    const Trend::GoalDates dates = Trend::goalDates(worked.goal, points, *rate);
    EXPECT_EQ(dates.kind, worked.kind);
    EXPECT_EQ(dates.earliest, worked.earliest);
    EXPECT_EQ(dates.latest, worked.latest);
}

const TrendCase workedCases[] = {
#include "trend_vectors.inc"
    TrendCase{"no_entries",
              {},
              Figure::Weight,
              true,
              {},
              {false, 0, 0, 0},
              80.0,
              Trend::GoalDates::Kind::NotOnCourse,
              0,
              0},
};

INSTANTIATE_TEST_SUITE_P(Cases, WorkedTrend, ::testing::ValuesIn(workedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Over any history: each trend lies between the lowest and highest daily mean of its stretch (it
// is a weighted mean of them), the rate lies in its interval, and the trend starts afresh
// exactly where the method changes, for the figures that depend on it.
TEST(TrendOfAnyHistory, StaysAmongItsMeansAndTheRateInsideItsInterval) {
    std::mt19937_64 random(2812);
    for (int round = 0; round < 200; ++round) {
        std::vector<HistoryEntry> entries;
        std::int64_t moment = 1772323200000;
        FatMethod method = FatMethod::WaistAndWeight;
        for (int i = 0; i < 60; ++i) {
            moment += static_cast<std::int64_t>(random() % (3 * 86'400'000));
            if (random() % 20 == 0) {
                method = static_cast<FatMethod>(random() % 3);
            }
            HistoryEntry entry;
            entry.id = i + 1;
            entry.taken = {moment, static_cast<int>(random() % 25) * 60 - 720};
            entry.measurements = {70.0 + static_cast<double>(random() % 3000) / 100.0,
                                  60.0 + static_cast<double>(random() % 4000) / 100.0,
                                  170.0,
                                  random() % 2 == 0,
                                  true,
                                  38.0,
                                  95.0,
                                  method};
            entries.push_back(entry);
        }
        for (const Figure figure :
             {Figure::Weight, Figure::FatPercentage, Figure::FatMass, Figure::LeanMass}) {
            const std::vector<Trend::Day> days = Trend::dailyMeans(entries, figure, true);
            const std::vector<Trend::Point> points = Trend::smoothed(days, figure);
            double low = 0;
            double high = 0;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const bool methodChanged = i > 0 && days[i].method != days[i - 1].method;
                EXPECT_EQ(points[i].afresh, i == 0 || (dependsOnMethod(figure) && methodChanged));
                low = points[i].afresh ? points[i].mean : std::min(low, points[i].mean);
                high = points[i].afresh ? points[i].mean : std::max(high, points[i].mean);
                EXPECT_GE(points[i].trend, low - 1e-9 * std::abs(low));
                EXPECT_LE(points[i].trend, high + 1e-9 * std::abs(high));
            }
            if (const std::optional<Trend::Rate> rate = Trend::rateOf(points)) {
                EXPECT_LE(rate->lowPerDay, rate->perDay);
                EXPECT_LE(rate->perDay, rate->highPerDay);
            }
        }
    }
}

// A straight line through the days is its own trend's rate: a week's change of 0.7 kg.
TEST(TrendOfAnyHistory, AStraightLineHasItsSlopeForItsRate) {
    std::vector<HistoryEntry> entries;
    for (int day = 0; day < 28; ++day) {
        HistoryEntry entry;
        entry.id = day + 1;
        entry.taken = {1772323200000 + std::int64_t{day} * 86'400'000 + 8 * 3'600'000, 0};
        entry.measurements = {85.0, 90.0 - 0.1 * day,         178.0, false, true, 0,
                              0,    FatMethod::WaistAndWeight};
        entries.push_back(entry);
    }
    const auto points =
        Trend::smoothed(Trend::dailyMeans(entries, Figure::Weight, true), Figure::Weight);
    const std::optional<Trend::Rate> rate = Trend::rateOf(points);
    ASSERT_TRUE(rate.has_value());
    EXPECT_NEAR(rate->perWeek(), -0.7, 1e-9);
    EXPECT_NEAR(rate->lowPerWeek(), -0.7, 1e-9);
    EXPECT_NEAR(rate->highPerWeek(), -0.7, 1e-9);
}

} // namespace
} // namespace fenwake
