#include "framework/dialog/time_chart.h"

#include "framework/dialog/mark_colour.h"
#include "framework/dialog/qt_text.h"
#include "framework/language/date_locale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

namespace fenwake {

namespace {

constexpr double day = 86'400'000.0;

// How strongly a band is shaded: neighbours differ, so that each shows where it ends.
constexpr int bandAlpha[] = {34, 70};

double niceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

int decimalsOf(double step, int most) {
    int decimals = 0;
    while (decimals < most && std::abs(step * std::pow(10.0, decimals) -
                                       std::round(step * std::pow(10.0, decimals))) > 1e-9) {
        ++decimals;
    }
    return decimals;
}

// The steps of the time axis, finest first: so many days, months or years.
struct TimeStep {
    enum Unit { Days, Months, Years } unit;
    int count;
};
constexpr TimeStep timeSteps[] = {
    {TimeStep::Days, 1},   {TimeStep::Days, 2},   {TimeStep::Days, 7},    {TimeStep::Days, 14},
    {TimeStep::Months, 1}, {TimeStep::Months, 2}, {TimeStep::Months, 3},  {TimeStep::Months, 6},
    {TimeStep::Years, 1},  {TimeStep::Years, 2},  {TimeStep::Years, 5},   {TimeStep::Years, 10},
    {TimeStep::Years, 20}, {TimeStep::Years, 50}, {TimeStep::Years, 100}, {TimeStep::Years, 1000}};

double roughLength(const TimeStep& step) {
    switch (step.unit) {
    case TimeStep::Days:
        return step.count * day;
    case TimeStep::Months:
        return step.count * 30.4 * day;
    case TimeStep::Years:
        return step.count * 365.25 * day;
    }
    return day;
}

QString tickLabel(const QDate& date, TimeStep::Unit unit) {
    const QLocale locale = dateLocale();
    switch (unit) {
    case TimeStep::Days:
        return locale.toString(date, QStringLiteral("d MMM"));
    case TimeStep::Months:
        return locale.toString(date, QStringLiteral("MMM yyyy"));
    case TimeStep::Years:
        return locale.toString(date, QStringLiteral("yyyy"));
    }
    return {};
}

// The first tick at or after the day: the start of a day, a month or a year on the step.
QDate firstTick(QDate from, const TimeStep& step) {
    switch (step.unit) {
    case TimeStep::Days:
        return from;
    case TimeStep::Months: {
        QDate month(from.year(), from.month(), 1);
        while (month < from || (month.month() - 1) % step.count != 0) {
            month = month.addMonths(1);
        }
        return month;
    }
    case TimeStep::Years: {
        QDate year(from.year(), 1, 1);
        while (year < from || year.year() % step.count != 0) {
            year = year.addYears(1);
        }
        return year;
    }
    }
    return from;
}

QDate nextTick(QDate tick, const TimeStep& step) {
    switch (step.unit) {
    case TimeStep::Days:
        return tick.addDays(step.count);
    case TimeStep::Months:
        return tick.addMonths(step.count);
    case TimeStep::Years:
        return tick.addYears(step.count);
    }
    return tick.addDays(1);
}

double timeOf(const QDate& date) {
    return static_cast<double>(date.startOfDay().toMSecsSinceEpoch());
}

// What a screen reader takes the chart for: a chart, named, its description the change in words.
QAccessibleInterface* chartFor(const QString&, QObject* object) {
    if (auto* chart = dynamic_cast<TimeChart*>(object)) {
        return new QAccessibleWidget(chart, QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

TimeChart::TimeChart(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(chartFor);
        return true;
    }();
    (void)factoryInstalled;
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimeChart::setData(ChartData newData) {
    data = std::move(newData);
    byTime.resize(data.times.size());
    for (std::size_t i = 0; i < byTime.size(); ++i) {
        byTime[i] = static_cast<int>(i);
    }
    std::stable_sort(byTime.begin(), byTime.end(),
                     [this](int a, int b) { return data.times[a] < data.times[b]; });
    if (selectedPoint >= static_cast<int>(data.times.size())) {
        selectedPoint = -1;
    }
    setAccessibleName(qtText(data.name));
    setAccessibleDescription(qtText(data.description));
    setToolTip(toolTipText(qtText(data.description)));
    cache = QPixmap();
    update();
}

void TimeChart::setSelected(int point) {
    if (point < -1 || point >= static_cast<int>(data.times.size()) || point == selectedPoint) {
        return;
    }
    selectedPoint = point;
    update();
}

void TimeChart::setSelectionCallback(std::function<void(int)> callback) {
    onSelected = std::move(callback);
}

void TimeChart::choose(int point) {
    if (point == selectedPoint) {
        return;
    }
    setSelected(point);
    if (onSelected) {
        onSelected(point);
    }
}

QSize TimeChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 72, metrics.lineSpacing() * 16};
}

QSize TimeChart::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 40, metrics.lineSpacing() * 10};
}

TimeChart::Scale TimeChart::scaleFor(const std::vector<double>& values, double length,
                                     int decimals) const {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const double value : values) {
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    if (!(low <= high)) {
        low = 0;
        high = 1;
    }
    if (high - low < std::pow(10.0, -decimals)) {
        low -= 1;
        high += 1;
    }
    const double ticks = std::max(2.0, length / (fontMetrics().lineSpacing() * 2.5));
    Scale scale;
    scale.step = niceStep((high - low) / ticks);
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    scale.decimals = decimalsOf(scale.step, std::max(decimals, 0) + 2);
    return scale;
}

TimeChart::Frame TimeChart::frameFor(QSizeF size) const {
    const QFontMetrics metrics(font());
    const double line = metrics.lineSpacing();
    const double side = metrics.horizontalAdvance(QStringLiteral("0000.0")) + line;
    Frame frame;
    frame.plot = QRectF(side, line * 2.5, size.width() - 2 * side, size.height() - line * 4.5);
    frame.left = scaleFor(data.first.values, frame.plot.height(), data.first.decimals);
    frame.right = scaleFor(data.second.values, frame.plot.height(), data.second.decimals);
    if (byTime.empty()) {
        const double now = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
        frame.timeLow = now - 15 * day;
        frame.timeHigh = now + 15 * day;
        return frame;
    }
    const double first = static_cast<double>(data.times[byTime.front()]);
    const double last = static_cast<double>(data.times[byTime.back()]);
    const double margin = std::max((last - first) * 0.03, day / 2);
    frame.timeLow = first - margin;
    frame.timeHigh = last + margin;
    return frame;
}

double TimeChart::xOf(const Frame& frame, double time) const {
    return frame.plot.left() +
           (time - frame.timeLow) / (frame.timeHigh - frame.timeLow) * frame.plot.width();
}

double TimeChart::yOf(const Frame& frame, const Scale& scale, double value) {
    return frame.plot.bottom() -
           (value - scale.low) / (scale.high - scale.low) * frame.plot.height();
}

QRectF TimeChart::plotArea() const {
    return frameFor(size()).plot;
}

QPointF TimeChart::firstAt(int point) const {
    const Frame frame = frameFor(size());
    return {xOf(frame, static_cast<double>(data.times.at(point))),
            yOf(frame, frame.left, data.first.values.at(point))};
}

QPointF TimeChart::secondAt(int point) const {
    const Frame frame = frameFor(size());
    return {xOf(frame, static_cast<double>(data.times.at(point))),
            yOf(frame, frame.right, data.second.values.at(point))};
}

// The bands' shades of the fat line's colour, stronger on a dark background, where a faint one
// would not show.
QColor TimeChart::bandColour(int band) const {
    const QColor shade = firstColour();
    const QColor base = palette().color(QPalette::Base);
    const double a = bandAlpha[band % 2] / 255.0 * (base.lightnessF() < 0.5 ? 1.6 : 1.0);
    return QColor::fromRgbF(static_cast<float>(shade.redF() * a + base.redF() * (1 - a)),
                            static_cast<float>(shade.greenF() * a + base.greenF() * (1 - a)),
                            static_cast<float>(shade.blueF() * a + base.blueF() * (1 - a)));
}

// The palette's highlight, made lighter on a dark background or darker on a light one until it
// stands out from it as a line must (a contrast of 3 to 1).
QColor TimeChart::firstColour() const {
    const QColor base = palette().color(QPalette::Base);
    QColor line = palette().color(QPalette::Highlight);
    for (int step = 0; step < 20 && MarkColour::contrast(line, base) < 3.0; ++step) {
        line = base.lightnessF() < 0.5 ? line.lighter(115) : line.darker(115);
    }
    return line;
}

QColor TimeChart::secondColour() const {
    return palette().color(QPalette::Text);
}

void TimeChart::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (cache.size() != pixels || cache.devicePixelRatio() != ratio) {
        cache = QPixmap(pixels);
        cache.setDevicePixelRatio(ratio);
        QPainter painter(&cache);
        painter.setRenderHint(QPainter::Antialiasing);
        drawPlot(painter, frameFor(size()));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSelection(painter, frameFor(size()));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TimeChart::drawPlot(QPainter& painter, const Frame& frame) const {
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size())), palette().color(QPalette::Base));
    drawBands(painter, frame);
    drawScales(painter, frame);
    drawTimeAxis(painter, frame);
    drawSeries(painter, frame, data.second, frame.right, false);
    drawSeries(painter, frame, data.first, frame.left, true);
    drawBandNames(painter, frame);
    drawLegend(painter, frame);
}

void TimeChart::drawBands(QPainter& painter, const Frame& frame) const {
    const QFontMetrics metrics(font());
    for (std::size_t band = 0; band < data.bands.size(); ++band) {
        const ChartData::Band& range = data.bands[band];
        const double top = std::max(frame.plot.top(), yOf(frame, frame.left, range.to));
        const double bottom = std::min(frame.plot.bottom(), yOf(frame, frame.left, range.from));
        if (bottom <= top) {
            continue;
        }
        const QRectF area(frame.plot.left(), top, frame.plot.width(), bottom - top);
        painter.fillRect(area, bandColour(static_cast<int>(band)));
    }
}

// The bands' names over the lines, each on its band's shade, so that no line hides one.
void TimeChart::drawBandNames(QPainter& painter, const Frame& frame) const {
    const QFontMetrics metrics(font());
    for (std::size_t band = 0; band < data.bands.size(); ++band) {
        const ChartData::Band& range = data.bands[band];
        const double top = std::max(frame.plot.top(), yOf(frame, frame.left, range.to));
        const double bottom = std::min(frame.plot.bottom(), yOf(frame, frame.left, range.from));
        if (bottom - top < metrics.height()) {
            continue;
        }
        const QString name = qtText(range.name);
        const double pad = metrics.averageCharWidth() / 2.0;
        const QRectF label(frame.plot.left() + pad, (top + bottom - metrics.height()) / 2,
                           metrics.horizontalAdvance(name) + 2 * pad, metrics.height());
        painter.fillRect(label, bandColour(static_cast<int>(band)));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(label, Qt::AlignCenter, name);
    }
}

void TimeChart::drawScales(QPainter& painter, const Frame& frame) const {
    const QFontMetrics metrics(font());
    const QLocale locale = dateLocale();
    QColor grid = palette().color(QPalette::Text);
    grid.setAlpha(40);
    const double gap = metrics.averageCharWidth();
    for (const auto& [scale, onLeft] : {std::pair{frame.left, true}, {frame.right, false}}) {
        const int steps = static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
        for (int i = 0; i <= steps; ++i) {
            const double value = scale.low + i * scale.step;
            const double y = yOf(frame, scale, value);
            if (onLeft) {
                painter.setPen(grid);
                painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
            }
            painter.setPen(palette().color(QPalette::Text));
            const QString text = locale.toString(value, 'f', scale.decimals);
            const QRectF box =
                onLeft
                    ? QRectF(0, y - metrics.height(), frame.plot.left() - gap, 2 * metrics.height())
                    : QRectF(frame.plot.right() + gap, y - metrics.height(),
                             width() - frame.plot.right() - gap, 2 * metrics.height());
            const Qt::Alignment alignment =
                (onLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            painter.drawText(box, static_cast<int>(alignment.toInt()), text);
        }
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.plot);
}

std::vector<TimeChart::Tick> TimeChart::ticks() const {
    return ticksFor(frameFor(size()));
}

std::vector<TimeChart::Tick> TimeChart::ticksFor(const Frame& frame) const {
    const QFontMetrics metrics(font());
    const double span = frame.timeHigh - frame.timeLow;
    const double room = metrics.horizontalAdvance(QStringLiteral("00 MMM 0000")) * 1.5;
    const double most = std::max(1.0, frame.plot.width() / room);
    TimeStep step = timeSteps[std::size(timeSteps) - 1];
    for (const TimeStep& candidate : timeSteps) {
        if (span / roughLength(candidate) <= most) {
            step = candidate;
            break;
        }
    }
    const QDate lastDay =
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(frame.timeHigh)).date();
    std::vector<Tick> ticks;
    for (QDate tick = firstTick(
             QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(frame.timeLow)).date().addDays(1),
             step);
         tick.isValid() && tick <= lastDay; tick = nextTick(tick, step)) {
        const double x = xOf(frame, timeOf(tick));
        if (x >= frame.plot.left() && x <= frame.plot.right()) {
            ticks.push_back({tick.startOfDay().toMSecsSinceEpoch(), tickLabel(tick, step.unit)});
        }
    }
    return ticks;
}

void TimeChart::drawTimeAxis(QPainter& painter, const Frame& frame) const {
    const QFontMetrics metrics(font());
    painter.setPen(palette().color(QPalette::Text));
    for (const Tick& tick : ticksFor(frame)) {
        const double x = xOf(frame, static_cast<double>(tick.time));
        painter.drawLine(QPointF(x, frame.plot.bottom()),
                         QPointF(x, frame.plot.bottom() + metrics.height() / 3.0));
        const double half = metrics.horizontalAdvance(tick.label) / 2.0 + 1;
        painter.drawText(QRectF(x - half, frame.plot.bottom() + metrics.height() / 2.5, 2 * half,
                                metrics.height()),
                         Qt::AlignCenter, tick.label);
    }
}

// The line through the points in the order of time, at most a few points a pixel column (the
// first, the lowest, the highest and the last), and a point for every moment, each pixel drawn
// once.
void TimeChart::drawSeries(QPainter& painter, const Frame& frame, const ChartData::Series& series,
                           const Scale& scale, bool isFirst) const {
    if (series.values.size() != data.times.size() || byTime.empty()) {
        return;
    }
    QPolygonF line;
    std::vector<QPointF> points;
    std::unordered_set<std::int64_t> drawn;
    double column = std::numeric_limits<double>::quiet_NaN();
    QPointF low, high, last;
    const auto flushColumn = [&] {
        if (!std::isnan(column)) {
            line << low << high << last;
        }
    };
    for (const int index : byTime) {
        const QPointF at(xOf(frame, static_cast<double>(data.times[index])),
                         yOf(frame, scale, series.values[index]));
        const double pixel = std::floor(at.x());
        if (pixel != column) {
            flushColumn();
            column = pixel;
            line << at;
            low = high = at;
        }
        low = at.y() > low.y() ? at : low;
        high = at.y() < high.y() ? at : high;
        last = at;
        const std::int64_t key =
            (static_cast<std::int64_t>(std::lround(at.x())) << 32) ^ std::lround(at.y());
        if (drawn.insert(key).second) {
            points.push_back(at);
        }
    }
    flushColumn();
    const double unit = std::max(1.0, fontMetrics().height() / 8.0);
    painter.save();
    painter.setClipRect(frame.plot.adjusted(-4 * unit, -4 * unit, 4 * unit, 4 * unit));
    const QColor colour = isFirst ? firstColour() : secondColour();
    QPen pen(colour, unit * (isFirst ? 1.5 : 1.0), isFirst ? Qt::SolidLine : Qt::DashLine);
    painter.setPen(pen);
    // In pieces: the stroker's cost grows faster than the line's length when a long line
    // crosses itself, as a dense history's does in every pixel column (a tenth of the time for
    // ten years of days). Each piece ends on a point that a dot covers.
    constexpr qsizetype piece = 32;
    for (qsizetype first = 0; first + 1 < line.size(); first += piece) {
        const qsizetype count = std::min(piece + 1, line.size() - first);
        painter.drawPolyline(line.constData() + first, static_cast<int>(count));
    }
    QPen dot(colour, unit * 4.5, Qt::SolidLine, isFirst ? Qt::RoundCap : Qt::SquareCap);
    painter.setPen(dot);
    painter.drawPoints(points.data(), static_cast<int>(points.size()));
    painter.restore();
}

void TimeChart::drawLegend(QPainter& painter, const Frame& frame) const {
    const QFontMetrics metrics(font());
    const double unit = std::max(1.0, metrics.height() / 8.0);
    double x = frame.plot.left();
    const double y = metrics.lineSpacing();
    for (const bool isFirst : {true, false}) {
        const ChartData::Series& series = isFirst ? data.first : data.second;
        const QColor colour = isFirst ? firstColour() : secondColour();
        painter.setPen(
            QPen(colour, unit * (isFirst ? 1.5 : 1.0), isFirst ? Qt::SolidLine : Qt::DashLine));
        painter.drawLine(QPointF(x, y), QPointF(x + 4 * metrics.averageCharWidth(), y));
        painter.setPen(
            QPen(colour, unit * 4.5, Qt::SolidLine, isFirst ? Qt::RoundCap : Qt::SquareCap));
        painter.drawPoint(QPointF(x + 2 * metrics.averageCharWidth(), y));
        x += 5 * metrics.averageCharWidth();
        painter.setPen(palette().color(QPalette::Text));
        const QString name = qtText(series.name);
        painter.drawText(QRectF(x, y - metrics.height(), metrics.horizontalAdvance(name) + 2,
                                2 * metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + 3 * metrics.averageCharWidth();
    }
}

void TimeChart::drawSelection(QPainter& painter, const Frame& frame) const {
    if (selectedPoint < 0) {
        return;
    }
    const double unit = std::max(1.0, fontMetrics().height() / 8.0);
    const double x = xOf(frame, static_cast<double>(data.times[selectedPoint]));
    const QColor mark = MarkColour::outline(palette(), palette().color(QPalette::Base));
    painter.setPen(QPen(mark, unit, Qt::DotLine));
    painter.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.plot.bottom()));
    painter.setPen(QPen(mark, unit * 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF at :
         {QPointF(x, yOf(frame, frame.left, data.first.values[selectedPoint])),
          QPointF(x, yOf(frame, frame.right, data.second.values[selectedPoint]))}) {
        painter.drawEllipse(at, unit * 5, unit * 5);
    }
}

void TimeChart::resizeEvent(QResizeEvent* event) {
    cache = QPixmap();
    QWidget::resizeEvent(event);
}

void TimeChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange || event->type() == QEvent::LanguageChange) {
        cache = QPixmap();
        update();
    }
    QWidget::changeEvent(event);
}

// The point nearest the click along the time axis, if it is drawn near enough to it.
void TimeChart::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const Frame frame = frameFor(size());
    const double reach = fontMetrics().height();
    int nearest = -1;
    double distance = reach;
    for (std::size_t point = 0; point < data.times.size(); ++point) {
        const double away =
            std::abs(xOf(frame, static_cast<double>(data.times[point])) - event->position().x());
        if (away < distance) {
            distance = away;
            nearest = static_cast<int>(point);
        }
    }
    if (nearest >= 0) {
        choose(nearest);
    }
}

void TimeChart::selectByStep(int step) {
    if (byTime.empty()) {
        return;
    }
    const auto at = std::find(byTime.begin(), byTime.end(), selectedPoint);
    const long place = at == byTime.end() ? (step > 0 ? -1 : static_cast<long>(byTime.size()))
                                          : at - byTime.begin();
    const long next = std::clamp<long>(place + step, 0, static_cast<long>(byTime.size()) - 1);
    choose(byTime[static_cast<std::size_t>(next)]);
}

void TimeChart::keyPressEvent(QKeyEvent* event) {
    const long all = static_cast<long>(byTime.size());
    switch (event->key()) {
    case Qt::Key_Left:
        selectByStep(-1);
        return;
    case Qt::Key_Right:
        selectByStep(1);
        return;
    case Qt::Key_Home:
        selectByStep(static_cast<int>(-all));
        return;
    case Qt::Key_End:
        selectByStep(static_cast<int>(all));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TimeChart::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TimeChart::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

} // namespace fenwake
