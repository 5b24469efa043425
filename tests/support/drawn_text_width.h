#pragma once

#include <QStyle>
#include <QTextLayout>
#include <QWidget>

#include <cmath>

namespace fenwake::test {

// The room a cell's text needs so that the style draws it whole: the style lays the text out
// and cuts it short when its natural width, in fractions of a pixel, exceeds the cell less a
// focus margin and a pixel on either side.
inline int drawnTextWidth(const QWidget& list, const QString& text) {
    QTextLayout layout(text, list.font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return static_cast<int>(std::ceil(line.naturalTextWidth())) + 2 * margin;
}

} // namespace fenwake::test
