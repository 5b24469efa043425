#include "windows/time_chart.h"

#include "framework/dialog/mark_colour.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/table_copy.h"
#include "framework/language/date_locale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace fenwake {

namespace {

constexpr double day = 86'400'000.0;
// Two points further apart than this are not joined by a line.
constexpr double longestGap = 14 * day;

// How strongly a band is shaded: neighbours differ, so that each shows where it ends.
constexpr int bandAlpha[] = {34, 70};

double spanLength(TimeChart::Span span) {
    switch (span) {
    case TimeChart::Span::FourWeeks:
        return 28 * day;
    case TimeChart::Span::ThreeMonths:
        return 91 * day;
    case TimeChart::Span::Year:
        return 365 * day;
    case TimeChart::Span::All:
        break;
    }
    return std::numeric_limits<double>::infinity();
}

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

// Wall-clock times are counted as UTC: the day a wall clock shows is the day of that count.
QDate wallDate(double time) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::floor(time)), Qt::UTC).date();
}

double wallMidnight(const QDate& date) {
    return static_cast<double>(date.startOfDay(Qt::UTC).toMSecsSinceEpoch());
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

// What a screen reader takes the chart for: a chart, named, its description the change in words.
QAccessibleInterface* chartFor(const QString&, QObject* object) {
    if (auto* chart = dynamic_cast<TimeChart*>(object)) {
        return new QAccessibleWidget(chart, QAccessible::Chart);
    }
    return nullptr;
}

QColor blend(const QColor& over, const QColor& under, double share) {
    return QColor::fromRgbF(
        static_cast<float>(over.redF() * share + under.redF() * (1 - share)),
        static_cast<float>(over.greenF() * share + under.greenF() * (1 - share)),
        static_cast<float>(over.blueF() * share + under.blueF() * (1 - share)));
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
    setMouseTracking(true);
}

void TimeChart::setData(ChartData data) {
    chart = std::move(data);
    dayRanges.assign(chart.panels.size(), {});
    for (std::size_t panel = 0; panel < chart.panels.size(); ++panel) {
        const std::vector<double>& points = chart.panels[panel].points;
        std::vector<DayRange>& ranges = dayRanges[panel];
        for (std::size_t i = 0; i < points.size() && i < chart.moments.size(); ++i) {
            if (!std::isfinite(points[i])) {
                continue;
            }
            const auto dayStart = static_cast<std::int64_t>(
                std::floor(static_cast<double>(chart.moments[i]) / day) * day);
            const std::int64_t noon = dayStart + static_cast<std::int64_t>(day / 2);
            if (ranges.empty() || ranges.back().time != noon) {
                ranges.push_back({noon, points[i], points[i]});
            } else {
                ranges.back().low = std::min(ranges.back().low, points[i]);
                ranges.back().high = std::max(ranges.back().high, points[i]);
            }
        }
    }
    if (selectedMoment >= static_cast<int>(chart.moments.size())) {
        selectedMoment = -1;
    }
    setAccessibleName(qtText(chart.name));
    setAccessibleDescription(qtText(chart.description));
    redraw();
}

void TimeChart::setSpan(Span span) {
    if (span != shownSpan) {
        shownSpan = span;
        redraw();
    }
}

void TimeChart::showSpan(Span span) {
    if (span != shownSpan) {
        setSpan(span);
        if (onSpan) {
            onSpan(span);
        }
    }
}

void TimeChart::redraw() {
    cache = QPixmap();
    update();
}

void TimeChart::setSelected(int moment) {
    if (moment < -1 || moment >= static_cast<int>(chart.moments.size()) ||
        moment == selectedMoment) {
        return;
    }
    const std::pair<double, double> before = windowFor();
    selectedMoment = moment;
    // A moment outside the span brings the span to it.
    if (windowFor() != before) {
        cache = QPixmap();
    }
    update();
}

void TimeChart::setSelectionCallback(std::function<void(int)> callback) {
    onSelected = std::move(callback);
}

void TimeChart::setHoverCallback(std::function<void(int)> callback) {
    onHovered = std::move(callback);
}

void TimeChart::setSpanCallback(std::function<void(Span)> callback) {
    onSpan = std::move(callback);
}

void TimeChart::choose(int moment) {
    if (moment == selectedMoment) {
        return;
    }
    setSelected(moment);
    if (onSelected) {
        onSelected(moment);
    }
}

QSize TimeChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 80, metrics.lineSpacing() * 22};
}

QSize TimeChart::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 40, metrics.lineSpacing() * 12};
}

// The times the span shows: it ends just after the newest moment (or the selected one, when
// that is older than the span's start) and goes back the span's length, or to the oldest.
std::pair<double, double> TimeChart::windowFor() const {
    if (chart.moments.empty()) {
        const QDateTime now = QDateTime::currentDateTime();
        const double wall =
            static_cast<double>(now.toMSecsSinceEpoch()) + now.offsetFromUtc() * 1000.0;
        return {wall - 15 * day, wall + 15 * day};
    }
    const double first = static_cast<double>(chart.moments.front());
    const double last = static_cast<double>(chart.moments.back());
    const double length = spanLength(shownSpan);
    if (!std::isfinite(length) || last - first <= length) {
        const double margin = std::max((last - first) * 0.03, day / 2);
        return {first - margin, last + margin};
    }
    const double margin = std::max(length * 0.03, day / 2);
    double end = last + margin;
    if (selectedMoment >= 0) {
        const double chosen = static_cast<double>(chart.moments[selectedMoment]);
        if (chosen < end - length) {
            end = chosen + length - margin;
        }
    }
    return {end - length, end};
}

std::pair<double, double> TimeChart::timeWindow() const {
    return windowFor();
}

TimeChart::Scale TimeChart::scaleFor(std::size_t panelIndex, double timeLow, double timeHigh,
                                     double length) const {
    const ChartData::Panel& panel = chart.panels[panelIndex];
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto take = [&](double time, double value) {
        if (time >= timeLow && time <= timeHigh && std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    };
    for (std::size_t i = 0; i < panel.points.size() && i < chart.moments.size(); ++i) {
        take(static_cast<double>(chart.moments[i]), panel.points[i]);
    }
    for (const ChartData::Line& line : panel.lines) {
        for (std::size_t i = 0; i < line.values.size() && i < line.times.size(); ++i) {
            take(static_cast<double>(line.times[i]), line.values[i]);
        }
    }
    for (const ChartData::Level& level : panel.levels) {
        take((timeLow + timeHigh) / 2, level.value);
    }
    if (!(low <= high)) {
        low = 0;
        high = 1;
    }
    if (high - low < std::pow(10.0, -panel.decimals)) {
        low -= 1;
        high += 1;
    }
    // A little room above and below, so that no point sits on the frame.
    const double room = (high - low) * 0.05;
    low -= room;
    high += room;
    const double ticks = std::max(2.0, length / (fontMetrics().lineSpacing() * 2.5));
    Scale scale;
    scale.step = niceStep((high - low) / ticks);
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    scale.decimals = decimalsOf(scale.step, std::max(panel.decimals, 0) + 2);
    return scale;
}

// The panels one above the other, each with a line for its title; the time axis' labels under
// the last.
TimeChart::Frame TimeChart::frameFor(QSizeF size) const {
    const QFontMetrics metrics(font());
    const double line = metrics.lineSpacing();
    const double left = metrics.horizontalAdvance(QStringLiteral("0000.0")) + line;
    const double right = metrics.horizontalAdvance(QStringLiteral("00 MMM")) / 2.0 + line / 2;
    Frame frame;
    std::tie(frame.timeLow, frame.timeHigh) = windowFor();
    const std::size_t count = std::max<std::size_t>(chart.panels.size(), 1);
    const double bottom = line * 2;
    const double each = std::max(line * 3, (size.height() - bottom) / static_cast<double>(count));
    for (std::size_t panel = 0; panel < count; ++panel) {
        const double top = each * static_cast<double>(panel) + line * 1.5;
        frame.plots.emplace_back(left, top, size.width() - left - right, each - line * 2);
        frame.scales.push_back(
            panel < chart.panels.size()
                ? scaleFor(panel, frame.timeLow, frame.timeHigh, frame.plots.back().height())
                : Scale{});
    }
    return frame;
}

double TimeChart::xOf(const Frame& frame, double time) const {
    const QRectF& plot = frame.plots.front();
    return plot.left() + (time - frame.timeLow) / (frame.timeHigh - frame.timeLow) * plot.width();
}

double TimeChart::yOf(const QRectF& plot, const Scale& scale, double value) {
    return plot.bottom() - (value - scale.low) / (scale.high - scale.low) * plot.height();
}

QRectF TimeChart::plotArea(std::size_t panel) const {
    return frameFor(size()).plots.at(panel);
}

QPointF TimeChart::pointAt(std::size_t panel, int moment) const {
    const Frame frame = frameFor(size());
    return {xOf(frame, static_cast<double>(chart.moments.at(moment))),
            yOf(frame.plots.at(panel), frame.scales.at(panel),
                chart.panels.at(panel).points.at(moment))};
}

QPointF TimeChart::lineAt(std::size_t panel, std::size_t line, std::size_t index) const {
    const Frame frame = frameFor(size());
    const ChartData::Line& drawn = chart.panels.at(panel).lines.at(line);
    return {xOf(frame, static_cast<double>(drawn.times.at(index))),
            yOf(frame.plots.at(panel), frame.scales.at(panel), drawn.values.at(index))};
}

double TimeChart::levelY(std::size_t panel, std::size_t level) const {
    const Frame frame = frameFor(size());
    return yOf(frame.plots.at(panel), frame.scales.at(panel),
               chart.panels.at(panel).levels.at(level).value);
}

// The bands' shades of the line's colour, stronger on a dark background, where a faint one
// would not show.
QColor TimeChart::bandColour(int band) const {
    const QColor base = palette().color(QPalette::Base);
    const double share = bandAlpha[band % 2] / 255.0 * (base.lightnessF() < 0.5 ? 1.6 : 1.0);
    return blend(lineColour(), base, share);
}

// The palette's highlight, made lighter on a dark background or darker on a light one until it
// stands out from it as a line must (a contrast of 3 to 1).
QColor TimeChart::lineColour() const {
    const QColor base = palette().color(QPalette::Base);
    QColor line = palette().color(QPalette::Highlight);
    for (int step = 0; step < 20 && MarkColour::contrast(line, base) < 3.0; ++step) {
        line = base.lightnessF() < 0.5 ? line.lighter(115) : line.darker(115);
    }
    return line;
}

// The entries, lighter than the line through them, yet seen on every background.
QColor TimeChart::pointColour() const {
    return blend(palette().color(QPalette::Text), palette().color(QPalette::Base), 0.55);
}

void TimeChart::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const Frame frame = frameFor(size());
    if (cache.size() != pixels || cache.devicePixelRatio() != ratio) {
        cache = QPixmap(pixels);
        cache.setDevicePixelRatio(ratio);
        QPainter painter(&cache);
        painter.setRenderHint(QPainter::Antialiasing);
        drawPlot(painter, frame);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSelection(painter, frame);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TimeChart::drawPlot(QPainter& painter, const Frame& frame) const {
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size())), palette().color(QPalette::Base));
    for (std::size_t panel = 0; panel < chart.panels.size(); ++panel) {
        drawPanel(painter, frame, panel);
    }
    drawTimeAxis(painter, frame);
}

void TimeChart::drawPanel(QPainter& painter, const Frame& frame, std::size_t index) const {
    const QRectF& plot = frame.plots[index];
    const Scale& scale = frame.scales[index];
    const ChartData::Panel& panel = chart.panels[index];
    drawBands(painter, plot, scale, panel);
    drawScale(painter, plot, scale);
    painter.save();
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    drawPoints(painter, frame, index);
    for (const ChartData::Line& line : panel.lines) {
        drawLine(painter, frame, index, line);
    }
    drawLevels(painter, frame, index);
    painter.restore();
    drawTitle(painter, plot, panel);
}

void TimeChart::drawBands(QPainter& painter, const QRectF& plot, const Scale& scale,
                          const ChartData::Panel& panel) const {
    const QFontMetrics metrics(font());
    for (std::size_t band = 0; band < panel.bands.size(); ++band) {
        const ChartData::Band& range = panel.bands[band];
        const double top = std::max(plot.top(), yOf(plot, scale, range.to));
        const double bottom = std::min(plot.bottom(), yOf(plot, scale, range.from));
        if (bottom <= top) {
            continue;
        }
        const QColor shade = bandColour(static_cast<int>(band));
        painter.fillRect(QRectF(plot.left(), top, plot.width(), bottom - top), shade);
        if (bottom - top >= metrics.height()) {
            // The band's name at the right edge, where the newest entries rarely reach.
            painter.setPen(palette().color(QPalette::Text));
            const QString name = qtText(range.name);
            const double pad = metrics.averageCharWidth() / 2.0;
            const double width = metrics.horizontalAdvance(name);
            painter.drawText(QRectF(plot.right() - width - pad,
                                    (top + bottom - metrics.height()) / 2, width, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, name);
        }
    }
}

void TimeChart::drawScale(QPainter& painter, const QRectF& plot, const Scale& scale) const {
    const QFontMetrics metrics(font());
    const QLocale locale = dateLocale();
    QColor grid = palette().color(QPalette::Text);
    grid.setAlpha(40);
    const double gap = metrics.averageCharWidth();
    const int steps = static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
    for (int i = 0; i <= steps; ++i) {
        const double value = scale.low + i * scale.step;
        const double y = yOf(plot, scale, value);
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(0, y - metrics.height(), plot.left() - gap, 2 * metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         locale.toString(value, 'f', scale.decimals));
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}

void TimeChart::drawTitle(QPainter& painter, const QRectF& plot,
                          const ChartData::Panel& panel) const {
    const QFontMetrics metrics(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(plot.left(), plot.top() - metrics.lineSpacing() * 1.3, plot.width(),
                            metrics.lineSpacing()),
                     Qt::AlignLeft | Qt::AlignVCenter, qtText(panel.name));
}

std::vector<TimeChart::Tick> TimeChart::ticks() const {
    return ticksFor(frameFor(size()));
}

std::vector<TimeChart::Tick> TimeChart::ticksFor(const Frame& frame) const {
    const QFontMetrics metrics(font());
    const double span = frame.timeHigh - frame.timeLow;
    const double room = metrics.horizontalAdvance(QStringLiteral("00 MMM 0000")) * 1.5;
    const double most = std::max(1.0, frame.plots.front().width() / room);
    TimeStep step = timeSteps[std::size(timeSteps) - 1];
    for (const TimeStep& candidate : timeSteps) {
        if (span / roughLength(candidate) <= most) {
            step = candidate;
            break;
        }
    }
    const QDate lastDay = wallDate(frame.timeHigh);
    std::vector<Tick> ticks;
    for (QDate tick = firstTick(wallDate(frame.timeLow).addDays(1), step);
         tick.isValid() && tick <= lastDay; tick = nextTick(tick, step)) {
        const double x = xOf(frame, wallMidnight(tick));
        if (x >= frame.plots.front().left() && x <= frame.plots.front().right()) {
            ticks.push_back(
                {static_cast<std::int64_t>(wallMidnight(tick)), tickLabel(tick, step.unit)});
        }
    }
    return ticks;
}

void TimeChart::drawTimeAxis(QPainter& painter, const Frame& frame) const {
    const QFontMetrics metrics(font());
    const QRectF& last = frame.plots.back();
    QColor grid = palette().color(QPalette::Text);
    grid.setAlpha(40);
    for (const Tick& tick : ticksFor(frame)) {
        const double x = xOf(frame, static_cast<double>(tick.time));
        painter.setPen(grid);
        for (const QRectF& plot : frame.plots) {
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(QPointF(x, last.bottom()),
                         QPointF(x, last.bottom() + metrics.height() / 3.0));
        const double half = metrics.horizontalAdvance(tick.label) / 2.0 + 1;
        painter.drawText(
            QRectF(x - half, last.bottom() + metrics.height() / 2.5, 2 * half, metrics.height()),
            Qt::AlignCenter, tick.label);
    }
}

// Whether the entries in the span, drawn as points, would touch: then each day is drawn as the
// range of its entries instead.
bool TimeChart::pointsWouldTouch(const Frame& frame) const {
    const auto from = std::lower_bound(chart.moments.begin(), chart.moments.end(),
                                       static_cast<std::int64_t>(frame.timeLow));
    const auto to = std::upper_bound(chart.moments.begin(), chart.moments.end(),
                                     static_cast<std::int64_t>(frame.timeHigh));
    const double unit = std::max(1.0, fontMetrics().height() / 8.0);
    return static_cast<double>(to - from) * unit * 4 > frame.plots.front().width();
}

void TimeChart::drawPoints(QPainter& painter, const Frame& frame, std::size_t index) const {
    const QRectF& plot = frame.plots[index];
    const Scale& scale = frame.scales[index];
    const double unit = std::max(1.0, fontMetrics().height() / 8.0);
    const QColor colour = pointColour();
    if (pointsWouldTouch(frame)) {
        // Each pixel column's lowest and highest, of the days that fall in it: one stroke a
        // column, however many days it holds.
        painter.setPen(QPen(colour, unit * 1.5, Qt::SolidLine, Qt::FlatCap));
        double column = std::numeric_limits<double>::quiet_NaN();
        double low = 0;
        double high = 0;
        const auto flush = [&] {
            if (!std::isnan(column)) {
                painter.drawLine(QPointF(column + 0.5, yOf(plot, scale, high) - unit),
                                 QPointF(column + 0.5, yOf(plot, scale, low) + unit));
            }
        };
        for (const DayRange& range : dayRanges[index]) {
            const double time = static_cast<double>(range.time);
            if (time < frame.timeLow || time > frame.timeHigh) {
                continue;
            }
            const double pixel = std::floor(xOf(frame, time));
            if (pixel != column) {
                flush();
                column = pixel;
                low = range.low;
                high = range.high;
            }
            low = std::min(low, range.low);
            high = std::max(high, range.high);
        }
        flush();
        return;
    }
    const std::vector<double>& points = chart.panels[index].points;
    std::vector<QPointF> drawn;
    for (std::size_t i = 0; i < points.size() && i < chart.moments.size(); ++i) {
        const double time = static_cast<double>(chart.moments[i]);
        if (std::isfinite(points[i]) && time >= frame.timeLow && time <= frame.timeHigh) {
            drawn.emplace_back(xOf(frame, time), yOf(plot, scale, points[i]));
        }
    }
    painter.setPen(QPen(colour, unit * 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(drawn.data(), static_cast<int>(drawn.size()));
}

// The line in the order of its times, in pieces: it starts afresh where it says, and where two
// of its points are more than two weeks apart. Drawn through the points just outside the span
// too, so that it runs on to the edges.
void TimeChart::drawLine(QPainter& painter, const Frame& frame, std::size_t index,
                         const ChartData::Line& line) const {
    const QRectF& plot = frame.plots[index];
    const Scale& scale = frame.scales[index];
    const double unit = std::max(1.0, fontMetrics().height() / 8.0);
    painter.setPen(QPen(lineColour(), unit * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF piece;
    const auto flush = [&] {
        if (piece.size() == 1) {
            painter.drawPoint(piece.front());
        } else if (piece.size() > 1) {
            painter.drawPolyline(piece);
        }
        piece.clear();
    };
    std::size_t nextBreak = 0;
    const std::size_t count = std::min(line.times.size(), line.values.size());
    for (std::size_t i = 0; i < count; ++i) {
        const double time = static_cast<double>(line.times[i]);
        const bool startsAfresh =
            (nextBreak < line.breaks.size() && line.breaks[nextBreak] == i) ||
            (i > 0 && time - static_cast<double>(line.times[i - 1]) > longestGap);
        while (nextBreak < line.breaks.size() && line.breaks[nextBreak] <= i) {
            ++nextBreak;
        }
        if (startsAfresh || piece.size() >= 64) {
            const QPointF end = piece.isEmpty() ? QPointF() : piece.back();
            flush();
            if (!startsAfresh && !end.isNull()) {
                piece << end;
            }
        }
        const bool before = i + 1 < count && static_cast<double>(line.times[i + 1]) < frame.timeLow;
        const bool after = i > 0 && static_cast<double>(line.times[i - 1]) > frame.timeHigh;
        if (before || after || !std::isfinite(line.values[i])) {
            continue;
        }
        const QPointF at(xOf(frame, time), yOf(plot, scale, line.values[i]));
        // Within one pixel column only its turning points count: a decade of days draws as
        // few strokes as the plot has columns.
        const bool sameColumn = !startsAfresh && piece.size() >= 2 &&
                                std::floor(piece.back().x()) == std::floor(at.x()) &&
                                std::floor(piece[piece.size() - 2].x()) == std::floor(at.x());
        if (sameColumn) {
            piece.back() = at;
            continue;
        }
        piece << at;
    }
    flush();
}

void TimeChart::drawLevels(QPainter& painter, const Frame& frame, std::size_t index) const {
    const QRectF& plot = frame.plots[index];
    const Scale& scale = frame.scales[index];
    const QFontMetrics metrics(font());
    const double unit = std::max(1.0, metrics.height() / 8.0);
    const QColor mark = MarkColour::outline(palette(), palette().color(QPalette::Base));
    for (const ChartData::Level& level : chart.panels[index].levels) {
        const double y = yOf(plot, scale, level.value);
        painter.setPen(QPen(mark, unit * 1.5, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(mark);
        painter.drawText(QRectF(plot.left() + unit * 4, y - metrics.height() - unit,
                                plot.width() - unit * 8, metrics.height()),
                         Qt::AlignLeft | Qt::AlignBottom, qtText(level.name));
    }
}

void TimeChart::drawSelection(QPainter& painter, const Frame& frame) const {
    if (selectedMoment < 0 || chart.panels.empty()) {
        return;
    }
    const double unit = std::max(1.0, fontMetrics().height() / 8.0);
    const double x = xOf(frame, static_cast<double>(chart.moments[selectedMoment]));
    const QColor mark = MarkColour::outline(palette(), palette().color(QPalette::Base));
    for (std::size_t panel = 0; panel < chart.panels.size(); ++panel) {
        const QRectF& plot = frame.plots[panel];
        painter.setPen(QPen(mark, unit, Qt::DotLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const double value = chart.panels[panel].points[selectedMoment];
        if (std::isfinite(value)) {
            painter.setPen(QPen(mark, unit * 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(x, yOf(plot, frame.scales[panel], value)), unit * 4,
                                unit * 4);
        }
    }
}

void TimeChart::resizeEvent(QResizeEvent* event) {
    cache = QPixmap();
    QWidget::resizeEvent(event);
}

void TimeChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange || event->type() == QEvent::LanguageChange) {
        redraw();
    }
    QWidget::changeEvent(event);
}

// The moment nearest along the time axis, if it is drawn near enough; -1 if none is.
int TimeChart::nearestMoment(double x) const {
    const Frame frame = frameFor(size());
    const double reach = fontMetrics().height();
    const double time = frame.timeLow + (x - frame.plots.front().left()) /
                                            frame.plots.front().width() *
                                            (frame.timeHigh - frame.timeLow);
    const auto after = std::lower_bound(chart.moments.begin(), chart.moments.end(),
                                        static_cast<std::int64_t>(time));
    int nearest = -1;
    double distance = reach;
    for (auto at = after == chart.moments.begin() ? after : after - 1;
         at != chart.moments.end() && at <= after; ++at) {
        const double away = std::abs(xOf(frame, static_cast<double>(*at)) - x);
        if (away < distance) {
            distance = away;
            nearest = static_cast<int>(at - chart.moments.begin());
        }
    }
    return nearest;
}

void TimeChart::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (const int nearest = nearestMoment(event->position().x()); nearest >= 0) {
        choose(nearest);
    }
}

void TimeChart::mouseMoveEvent(QMouseEvent* event) {
    const int nearest = nearestMoment(event->position().x());
    if (nearest != hoveredMoment) {
        hoveredMoment = nearest;
        if (onHovered) {
            onHovered(nearest);
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TimeChart::leaveEvent(QEvent* event) {
    if (hoveredMoment >= 0) {
        hoveredMoment = -1;
        if (onHovered) {
            onHovered(-1);
        }
    }
    QWidget::leaveEvent(event);
}

// Ctrl and the wheel: a shorter span forward, a longer one back.
void TimeChart::wheelEvent(QWheelEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) == 0 || event->angleDelta().y() == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    const int shown = static_cast<int>(shownSpan);
    const int next =
        std::clamp(shown + (event->angleDelta().y() > 0 ? -1 : 1), 0, static_cast<int>(Span::All));
    showSpan(static_cast<Span>(next));
    event->accept();
}

void TimeChart::selectByStep(long step) {
    const long all = static_cast<long>(chart.moments.size());
    if (all == 0) {
        return;
    }
    const long place = selectedMoment >= 0 ? selectedMoment : (step > 0 ? -1 : all);
    choose(static_cast<int>(std::clamp<long>(place + step, 0, all - 1)));
}

void TimeChart::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the chart's menu as the Menu key does.
    if (TableCopy::opensMenu(*event)) {
        const QPoint middle = rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, mapToGlobal(middle));
        QCoreApplication::sendEvent(this, &menu);
        return;
    }
    const long all = static_cast<long>(chart.moments.size());
    switch (event->key()) {
    case Qt::Key_Left:
        selectByStep(-1);
        return;
    case Qt::Key_Right:
        selectByStep(1);
        return;
    case Qt::Key_Home:
        selectByStep(-all);
        return;
    case Qt::Key_End:
        selectByStep(all);
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        showSpan(static_cast<Span>(std::max(static_cast<int>(shownSpan) - 1, 0)));
        return;
    case Qt::Key_Minus:
        showSpan(static_cast<Span>(
            std::min(static_cast<int>(shownSpan) + 1, static_cast<int>(Span::All))));
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
