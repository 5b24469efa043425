#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>

namespace fenwake::test {

// Where a template rectangle in dialog units should land for a window font, worked out
// from the font's metrics: a quarter of the average width of both alphabets across, an
// eighth of the character height down, each edge rounded on its own.
class ExpectedPixels {
public:
    explicit ExpectedPixels(const QFont& font) {
        const QFontMetrics metrics(font);
        const int alphabet =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        averageWidth = (alphabet / 26 + 1) / 2;
        characterHeight = metrics.height();
    }

    int x(int units) const { return (units * averageWidth + 2) / 4; }
    int y(int units) const { return (units * characterHeight + 4) / 8; }

    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(left + width) - x(left), y(top + height) - y(top)};
    }

private:
    int averageWidth = 0;
    int characterHeight = 0;
};

} // namespace fenwake::test
