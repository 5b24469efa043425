// The chart over time, drawn offscreen and read back pixel by pixel: each point where its date
// and value put it, the bands' shades behind the line, in light and dark palettes; and chosen
// with the mouse and the arrow keys.
#include "windows/time_chart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

namespace fenwake {
namespace {

constexpr std::int64_t day = 86'400'000;
constexpr std::int64_t march1st = 1772323200000 + 12 * 3'600'000; // noon UTC

// Three points ten days apart, oldest first: the fat rising through the middle band (the lower
// panel), the weight falling (the upper).
constexpr std::size_t weightPanel = 0;
constexpr std::size_t fatPanel = 1;

ChartData threePoints() {
    ChartData data;
    data.moments = {march1st, march1st + 10 * day, march1st + 20 * day};
    ChartData::Panel weight{"Weight (kg)", 1, {90.0, 71.0, 70.0}, {}, {}, {}};
    ChartData::Panel fat{"Fat percentage (%)", 1, {20.0, 25.0, 30.0}, {}, {}, {}};
    fat.bands = {{-1e9, 22.0, "Low"}, {22.0, 28.0, "Middle"}, {28.0, 1e9, "High"}};
    data.panels = {weight, fat};
    data.name = "Fat percentage and weight over time";
    data.description = "Fat percentage from 20.00 % to 30.00 %.";
    return data;
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return dark;
}

bool near(const QColor& a, const QColor& b, int tolerance = 3) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

class TimeChartPixels : public ::testing::TestWithParam<bool> {
protected:
    TimeChartPixels() {
        if (GetParam()) {
            chart.setPalette(darkPalette());
        }
        chart.resize(640, 360);
        chart.setData(threePoints());
    }
    QImage drawn() { return chart.grab().toImage(); }

    TimeChart chart{nullptr};
};

TEST_P(TimeChartPixels, EachPointIsWhereItsDateAndValuePutIt) {
    const QImage image = drawn();
    const QPointF oldest = chart.pointAt(fatPanel, 0);
    const QPointF middle = chart.pointAt(fatPanel, 1);
    const QPointF newest = chart.pointAt(fatPanel, 2);
    // Ten days apart, five points apart: the middle point halfway, in time and in value.
    EXPECT_NEAR(middle.x() - oldest.x(), newest.x() - middle.x(), 1e-9);
    EXPECT_NEAR(oldest.y() - middle.y(), middle.y() - newest.y(), 1e-9);
    EXPECT_LT(oldest.x(), newest.x());
    EXPECT_GT(oldest.y(), newest.y()); // more fat, higher up
    EXPECT_TRUE(chart.plotArea(fatPanel).contains(oldest) &&
                chart.plotArea(fatPanel).contains(newest));
    // The weight on its own panel, above the fat's.
    EXPECT_LT(chart.plotArea(weightPanel).bottom(), chart.plotArea(fatPanel).top());
    for (int point = 0; point < 3; ++point) {
        for (const std::size_t panel : {weightPanel, fatPanel}) {
            const QPoint at = chart.pointAt(panel, point).toPoint();
            EXPECT_TRUE(near(image.pixelColor(at), chart.pointColour(), 12))
                << "panel " << panel << " point " << point << ": "
                << image.pixelColor(at).name().toStdString();
        }
    }
    EXPECT_FALSE(near(chart.pointColour(), chart.bandColour(0), 30));
}

// Between two points nothing is drawn over the bands: down that column, each band's shade
// covers most of its height, and no other band's shows there.
TEST_P(TimeChartPixels, TheBandsShadeTheChartBehindTheLine) {
    const QImage image = drawn();
    // Between the first two points, away from the ticks' lines.
    const int x =
        static_cast<int>((chart.pointAt(fatPanel, 0).x() + chart.pointAt(fatPanel, 1).x()) / 2);
    const double at30 = chart.pointAt(fatPanel, 2).y();
    const double at20 = chart.pointAt(fatPanel, 0).y();
    const auto shareOfShade = [&](double from, double to, const QColor& shade) {
        const int top = static_cast<int>(std::ceil(at30 + (at20 - at30) * (30.0 - to) / 10.0));
        const int bottom =
            static_cast<int>(std::floor(at30 + (at20 - at30) * (30.0 - from) / 10.0));
        int shaded = 0;
        for (int y = top + 2; y <= bottom - 2; ++y) {
            shaded += near(image.pixelColor(x, y), shade) ? 1 : 0;
        }
        return static_cast<double>(shaded) / std::max(1, bottom - top - 3);
    };
    EXPECT_GT(shareOfShade(22.0, 28.0, chart.bandColour(1)), 0.6);
    EXPECT_EQ(shareOfShade(22.0, 28.0, chart.bandColour(0)), 0.0);
    EXPECT_GT(shareOfShade(20.0, 22.0, chart.bandColour(0)), 0.6);
    EXPECT_GT(shareOfShade(28.0, 30.0, chart.bandColour(2)), 0.6);
    // Just under the middle point, the middle band shows through.
    const QPoint under = (chart.pointAt(fatPanel, 1) + QPointF(0, 8)).toPoint();
    EXPECT_TRUE(near(image.pixelColor(under), chart.bandColour(1)))
        << image.pixelColor(under).name().toStdString();
    EXPECT_FALSE(near(chart.bandColour(0), chart.bandColour(1), 8));
    // Two shades in turn: neighbours differ, every other band is alike.
    EXPECT_EQ(chart.bandColour(2), chart.bandColour(0));
    EXPECT_EQ(chart.bandColour(3), chart.bandColour(1));
}

INSTANTIATE_TEST_SUITE_P(Palettes, TimeChartPixels, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "dark" : "light"; });

TEST(TimeChart, AClickOrAnArrowChoosesAPointInTheOrderOfTime) {
    TimeChart chart(nullptr);
    chart.resize(640, 360);
    chart.setData(threePoints());
    std::vector<int> chosen;
    chart.setSelectionCallback([&](int point) { chosen.push_back(point); });
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QTest::mouseClick(&chart, Qt::LeftButton, {},
                      (chart.pointAt(fatPanel, 1) + QPointF(3, 40)).toPoint());
    QTest::keyClick(&chart, Qt::Key_Right);
    QTest::keyClick(&chart, Qt::Key_Right); // the newest stays chosen
    QTest::keyClick(&chart, Qt::Key_Home);
    QTest::keyClick(&chart, Qt::Key_Left);
    EXPECT_EQ(chosen, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(chart.selected(), 0);
    EXPECT_EQ(chart.accessibleName().toStdString(), "Fat percentage and weight over time");
    // With nothing chosen, Right starts from the oldest and Left from the newest.
    for (const auto& [key, first] : {std::pair{Qt::Key_Right, 0}, {Qt::Key_Left, 2}}) {
        chart.setSelected(-1);
        chosen.clear();
        QTest::keyClick(&chart, key);
        EXPECT_EQ(chosen, std::vector<int>{first}) << "key " << key;
    }
    EXPECT_EQ(chart.accessibleDescription().toStdString(),
              "Fat percentage from 20.00 % to 30.00 %.");
}

// A history of one entry, or of several at one moment, still has a span of time: its point is
// drawn inside the plot, halfway along it.
TEST(TimeChart, OneMomentIsDrawnInTheMiddleOfItsDay) {
    TimeChart chart(nullptr);
    chart.resize(640, 360);
    ChartData data = threePoints();
    data.moments = {march1st, march1st, march1st};
    chart.setData(data);
    const QRectF plot = chart.plotArea(fatPanel);
    for (int point = 0; point < 3; ++point) {
        const QPointF at = chart.pointAt(fatPanel, point);
        EXPECT_NEAR(at.x(), plot.center().x(), 1e-6) << "point " << point;
        EXPECT_TRUE(plot.contains(at)) << "point " << point;
    }
}

// Months are ticked from January: quarters in January, April, July and October, halves in
// January and July, whatever month the history starts in.
struct MonthTicks {
    const char* name;
    int width;
    QStringList months; // the months the ticks may fall in
};

class TimeAxis : public ::testing::TestWithParam<MonthTicks> {};

TEST_P(TimeAxis, TicksMonthsFromTheStartOfTheYear) {
    TimeChart chart(nullptr);
    chart.resize(GetParam().width, 360);
    ChartData data = threePoints();
    data.moments = {march1st + 40 * day, march1st + 350 * day, march1st + 700 * day};
    chart.setData(data);
    const std::vector<TimeChart::Tick> ticks = chart.ticks();
    ASSERT_GE(ticks.size(), 3u);
    for (const TimeChart::Tick& tick : ticks) {
        const QString month = tick.label.section(' ', 0, 0);
        EXPECT_TRUE(GetParam().months.contains(month)) << tick.label.toStdString();
        EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(tick.time, Qt::UTC).date().day(), 1);
        EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(tick.time, Qt::UTC).time(), QTime(0, 0));
    }
    EXPECT_NE(ticks.front().label, ticks.back().label);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, TimeAxis,
    ::testing::Values(MonthTicks{"quarters", 1400, {"Jan", "Apr", "Jul", "Oct"}},
                      MonthTicks{"halves", 700, {"Jan", "Jul"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A trend drawn strong where its values put it, a goal across, and no line over a gap of more
// than two weeks, in light and dark palettes.
class TrendPixels : public ::testing::TestWithParam<bool> {};

TEST_P(TrendPixels, TheTrendAndTheGoalAreWhereTheirValuesPutThemAndAGapBreaksTheLine) {
    TimeChart chart(nullptr);
    if (GetParam()) {
        chart.setPalette(darkPalette());
    }
    chart.resize(800, 400);
    ChartData data;
    data.moments = {march1st, march1st + 5 * day, march1st + 30 * day, march1st + 35 * day};
    ChartData::Panel weight{"Weight (kg)", 1, {90.0, 89.0, 86.0, 85.0}, {}, {}, {}};
    weight.lines.push_back(
        {"Weight trend",
         {march1st, march1st + 5 * day, march1st + 30 * day, march1st + 35 * day},
         {90.0, 89.5, 86.5, 85.5},
         {}});
    weight.levels.push_back({84.0, "Goal 84.00 kg"});
    data.panels = {weight};
    chart.setData(data);
    const QImage image = chart.grab().toImage();
    for (std::size_t i = 0; i < 4; ++i) {
        const QPoint at = chart.lineAt(0, 0, i).toPoint();
        EXPECT_TRUE(near(image.pixelColor(at), chart.lineColour(), 12))
            << "trend point " << i << ": " << image.pixelColor(at).name().toStdString();
    }
    // Along the first piece, the line; across the gap of 25 days, none.
    const QPointF first = chart.lineAt(0, 0, 0);
    const QPointF second = chart.lineAt(0, 0, 1);
    EXPECT_TRUE(near(image.pixelColor(((first + second) / 2).toPoint()), chart.lineColour(), 12));
    const QPointF gap = (chart.lineAt(0, 0, 1) + chart.lineAt(0, 0, 2)) / 2;
    EXPECT_FALSE(near(image.pixelColor(gap.toPoint()), chart.lineColour(), 40))
        << "a line across the gap";
    // The goal: a dashed line across the panel at its value, below the trend.
    const double y = chart.levelY(0, 0);
    EXPECT_GT(y, chart.lineAt(0, 0, 3).y());
    EXPECT_TRUE(chart.plotArea(0).contains(QPointF(chart.plotArea(0).center().x(), y)));
    int dark = 0;
    const QColor background = chart.palette().color(QPalette::Base);
    for (int x = static_cast<int>(chart.plotArea(0).left()) + 2;
         x < static_cast<int>(chart.plotArea(0).right()) - 2; ++x) {
        dark += near(image.pixelColor(x, static_cast<int>(std::round(y))), background, 20) ? 0 : 1;
    }
    EXPECT_GT(dark, static_cast<int>(chart.plotArea(0).width() / 3)) << "no goal line";
}

INSTANTIATE_TEST_SUITE_P(Palettes, TrendPixels, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "dark" : "light"; });

// The span: all of it at first; + and Ctrl with the wheel forward show less, - and back more;
// the last four weeks end at the newest entry.
TEST(TimeChart, PlusAndMinusAndTheWheelChooseTheSpan) {
    TimeChart chart(nullptr);
    chart.resize(640, 360);
    ChartData data = threePoints();
    data.moments = {march1st, march1st + 100 * day, march1st + 400 * day};
    chart.setData(data);
    std::vector<TimeChart::Span> heard;
    chart.setSpanCallback([&](TimeChart::Span span) { heard.push_back(span); });
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    EXPECT_EQ(chart.span(), TimeChart::Span::All);
    QTest::keyClick(&chart, Qt::Key_Plus);
    EXPECT_EQ(chart.span(), TimeChart::Span::Year);
    QTest::keyClick(&chart, Qt::Key_Plus);
    QTest::keyClick(&chart, Qt::Key_Plus);
    QTest::keyClick(&chart, Qt::Key_Plus); // no shorter span
    EXPECT_EQ(chart.span(), TimeChart::Span::FourWeeks);
    const auto [from, to] = chart.timeWindow();
    EXPECT_NEAR(to - from, 28.0 * day, 1.0);
    EXPECT_GT(to, static_cast<double>(march1st + 400 * day));
    EXPECT_LT(from, static_cast<double>(march1st + 400 * day) - 27 * day);
    QTest::keyClick(&chart, Qt::Key_Minus);
    EXPECT_EQ(chart.span(), TimeChart::Span::ThreeMonths);
    QWheelEvent back(QPointF(100, 100), chart.mapToGlobal(QPointF(100, 100)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &back);
    EXPECT_EQ(chart.span(), TimeChart::Span::Year);
    EXPECT_EQ(heard,
              (std::vector<TimeChart::Span>{TimeChart::Span::Year, TimeChart::Span::ThreeMonths,
                                            TimeChart::Span::FourWeeks,
                                            TimeChart::Span::ThreeMonths, TimeChart::Span::Year}));
    // Choosing the oldest entry brings the span back to it.
    chart.setSelected(0);
    const auto [oldFrom, oldTo] = chart.timeWindow();
    EXPECT_LE(oldFrom, static_cast<double>(march1st));
    EXPECT_GE(oldTo, static_cast<double>(march1st));
}

} // namespace
} // namespace fenwake
