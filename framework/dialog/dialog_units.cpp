#include "framework/dialog/dialog_units.h"

#include <QFontMetrics>

namespace fenwake {

namespace {

// Rounds units * base / divisor to the nearest integer, halves away from zero.
int scale(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor
                                         : -((-product + half) / divisor));
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over both alphabets, rounded, as dialog managers have long measured it.
    const int alphabetWidth =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseWidth = (alphabetWidth / 26 + 1) / 2;
    baseHeight = metrics.height();
}

int DialogUnits::toPixelsX(int units) const {
    return scale(units, baseWidth, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return scale(units, baseHeight, 8);
}

} // namespace fenwake
