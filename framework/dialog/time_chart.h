#pragma once

#include "framework/dialog/chart_data.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace fenwake {

// A chart of two series over time, drawn with QPainter: a dated axis whose ticks suit the span
// (days, months or years), each series on a scale of its own (the first on the left, drawn
// solid with round points over its named bands; the second on the right, dashed with square
// points), a point for every moment. It takes its colours from the palette, so that it reads
// in light, dark and high-contrast ones.
//
// One point can be selected: it is marked across the chart, and a click near a point or the
// arrow keys (Home and End too) select another, which the callback hears. The chart is drawn
// once into an image of the widget's size, and a repaint only adds the mark and the focus.
class TimeChart : public QWidget {
public:
    explicit TimeChart(QWidget* parent);

    void setData(ChartData data);
    // -1: none.
    void setSelected(int point);
    int selected() const { return selectedPoint; }
    void setSelectionCallback(std::function<void(int point)> callback);

    // Where things are drawn, in the widget's coordinates; for checks of what it draws.
    QRectF plotArea() const;
    QPointF firstAt(int point) const;
    QPointF secondAt(int point) const;
    QColor bandColour(int band) const;
    QColor firstColour() const;
    QColor secondColour() const;
    struct Tick {
        std::int64_t time; // the start of the local day the tick marks
        QString label;
    };
    // The time axis' ticks, oldest first.
    std::vector<Tick> ticks() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
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
        QRectF plot;
        double timeLow = 0;
        double timeHigh = 1;
        Scale left;
        Scale right;
    };

    Frame frameFor(QSizeF size) const;
    Scale scaleFor(const std::vector<double>& values, double length, int decimals) const;
    double xOf(const Frame& frame, double time) const;
    static double yOf(const Frame& frame, const Scale& scale, double value);
    void drawPlot(QPainter& painter, const Frame& frame) const;
    void drawBands(QPainter& painter, const Frame& frame) const;
    void drawBandNames(QPainter& painter, const Frame& frame) const;
    void drawScales(QPainter& painter, const Frame& frame) const;
    void drawTimeAxis(QPainter& painter, const Frame& frame) const;
    std::vector<Tick> ticksFor(const Frame& frame) const;
    void drawSeries(QPainter& painter, const Frame& frame, const ChartData::Series& series,
                    const Scale& scale, bool isFirst) const;
    void drawLegend(QPainter& painter, const Frame& frame) const;
    void drawSelection(QPainter& painter, const Frame& frame) const;
    void selectByStep(int step);
    void choose(int point);

    ChartData data;
    std::vector<int> byTime; // the points in the order of their moments
    int selectedPoint = -1;
    std::function<void(int)> onSelected;
    QPixmap cache;
};

} // namespace fenwake
