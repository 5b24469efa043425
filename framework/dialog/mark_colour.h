#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

namespace fenwake {

// Colours for marks a person must see (an invalid field's frame, the current row's frame),
// taken from the palette in use and never fixed, so that a dark desktop shows them as well as
// a light one: at least markContrast against every background they stand on, as WCAG asks of
// graphics.
class MarkColour {
public:
    static constexpr double markContrast = 3.0;

    // WCAG's contrast ratio of two colours, from 1 to 21.
    static double contrast(const QColor& a, const QColor& b);

    // The colour of an alarm (a red), as light or as dark as the backgrounds need.
    static QColor alarm(std::initializer_list<QColor> backgrounds);

    // Of the palette's own text colours, the one that stands out most on the background;
    // black or white should neither reach markContrast.
    static QColor outline(const QPalette& palette, const QColor& background);
};

} // namespace fenwake
