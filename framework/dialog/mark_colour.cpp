#include "framework/dialog/mark_colour.h"

#include <algorithm>
#include <cmath>

namespace fenwake {

namespace {

double channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double leastContrast(const QColor& colour, std::initializer_list<QColor> backgrounds) {
    double least = 21.0;
    for (const QColor& background : backgrounds) {
        least = std::min(least, MarkColour::contrast(colour, background));
    }
    return least;
}

} // namespace

double MarkColour::contrast(const QColor& a, const QColor& b) {
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor MarkColour::alarm(std::initializer_list<QColor> backgrounds) {
    double darkest = 1.0;
    for (const QColor& background : backgrounds) {
        darkest = std::min(darkest, luminance(background));
    }
    // On light backgrounds a deep red, on dark ones a pale one: move the lightness away from
    // the backgrounds until the red stands out from all of them.
    const bool lightBackground = darkest > 0.18;
    QColor best;
    double bestContrast = 0.0;
    for (int step = 0; step <= 20; ++step) {
        const double lightness = lightBackground ? 0.45 - step * 0.02 : 0.55 + step * 0.02;
        const QColor red =
            QColor::fromHslF(0.0F, 0.75F, static_cast<float>(std::clamp(lightness, 0.0, 1.0)));
        const double reached = leastContrast(red, backgrounds);
        if (reached >= markContrast) {
            return red;
        }
        if (!best.isValid() || reached > bestContrast) {
            best = red;
            bestContrast = reached;
        }
    }
    return best;
}

QColor MarkColour::outline(const QPalette& palette, const QColor& background) {
    QColor best = palette.color(QPalette::Text);
    for (const QColor& candidate :
         {palette.color(QPalette::HighlightedText), palette.color(QPalette::WindowText),
          QColor(Qt::black), QColor(Qt::white)}) {
        if (contrast(best, background) >= markContrast) {
            break;
        }
        if (contrast(candidate, background) > contrast(best, background)) {
            best = candidate;
        }
    }
    return best;
}

} // namespace fenwake
