#pragma once

#include "windows/chart_data.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace fenwake {

// A chart over time, drawn with QPainter: panels one above the other on a shared, dated axis
// whose ticks suit the span shown (days, months or years, on the wall clock's days), each panel
// on a scale of its own fitted to what the span shows. The entries are small light points, or,
// where they would touch, each day's lowest and highest as a thin band; lines (a trend) are
// drawn strong over them and break where they start afresh or where more than two weeks pass
// between two of their points; levels (a goal) run across. It takes its colours from the
// palette, so that it reads in light, dark and high-contrast ones.
//
// The span is the last four weeks, three months, year, or all of it: chosen by setSpan, by the
// + and - keys over the chart, and by Ctrl and the wheel. One moment can be selected: it is
// marked across the panels, and a click, the arrow keys, Home and End select another, which the
// callback hears; the mouse over the chart is heard too, as the moment it is nearest. The chart
// is drawn once into an image of the widget's size, and a repaint only adds the mark and the
// focus.
class TimeChart : public QWidget {
public:
    enum class Span { FourWeeks, ThreeMonths, Year, All };

    explicit TimeChart(QWidget* parent);

    void setData(ChartData data);
    const ChartData& data() const { return chart; }
    void setSpan(Span span);
    Span span() const { return shownSpan; }
    // -1: none.
    void setSelected(int moment);
    int selected() const { return selectedMoment; }
    void setSelectionCallback(std::function<void(int moment)> callback);
    // The moment the mouse is nearest, -1 once it leaves.
    void setHoverCallback(std::function<void(int moment)> callback);
    void setSpanCallback(std::function<void(Span span)> callback);

    // Where things are drawn, in the widget's coordinates; for checks of what it draws.
    QRectF plotArea(std::size_t panel) const;
    QPointF pointAt(std::size_t panel, int moment) const;
    QPointF lineAt(std::size_t panel, std::size_t line, std::size_t index) const;
    double levelY(std::size_t panel, std::size_t level) const;
    QColor bandColour(int band) const;
    QColor pointColour() const;
    QColor lineColour() const;
    struct Tick {
        std::int64_t time; // the wall clock's midnight of the day the tick marks
        QString label;
    };
    std::vector<Tick> ticks() const;
    // The wall-clock times the span shows.
    std::pair<double, double> timeWindow() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Scale {
        double low = 0;
        double high = 1;
        double step = 1;
        int decimals = 0;
    };
    struct Frame {
        std::vector<QRectF> plots; // one a panel, top to bottom
        std::vector<Scale> scales;
        double timeLow = 0;
        double timeHigh = 1;
    };
    // A day's entries, lowest and highest, for a panel whose points would touch.
    struct DayRange {
        std::int64_t time; // the day's noon
        double low;
        double high;
    };

    Frame frameFor(QSizeF size) const;
    std::pair<double, double> windowFor() const;
    Scale scaleFor(std::size_t panel, double timeLow, double timeHigh, double length) const;
    double xOf(const Frame& frame, double time) const;
    static double yOf(const QRectF& plot, const Scale& scale, double value);
    bool pointsWouldTouch(const Frame& frame) const;
    void drawPlot(QPainter& painter, const Frame& frame) const;
    void drawPanel(QPainter& painter, const Frame& frame, std::size_t index) const;
    void drawBands(QPainter& painter, const QRectF& plot, const Scale& scale,
                   const ChartData::Panel& panel) const;
    void drawScale(QPainter& painter, const QRectF& plot, const Scale& scale) const;
    void drawTimeAxis(QPainter& painter, const Frame& frame) const;
    void drawPoints(QPainter& painter, const Frame& frame, std::size_t index) const;
    void drawLine(QPainter& painter, const Frame& frame, std::size_t index,
                  const ChartData::Line& line) const;
    void drawLevels(QPainter& painter, const Frame& frame, std::size_t index) const;
    void drawTitle(QPainter& painter, const QRectF& plot, const ChartData::Panel& panel) const;
    void drawSelection(QPainter& painter, const Frame& frame) const;
    std::vector<Tick> ticksFor(const Frame& frame) const;
    int nearestMoment(double x) const;
    void selectByStep(long step);
    void choose(int moment);
    void showSpan(Span span);
    void redraw();

    ChartData chart;
    std::vector<std::vector<DayRange>> dayRanges; // a panel's, oldest first
    Span shownSpan = Span::All;
    int selectedMoment = -1;
    int hoveredMoment = -1;
    std::function<void(int)> onSelected;
    std::function<void(int)> onHovered;
    std::function<void(Span)> onSpan;
    QPixmap cache;
};

} // namespace fenwake
