#pragma once

class QFont;

namespace fenwake {

// Dialog units to pixels for a font: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its character height, so a dialog grows
// with the desktop font and its scale.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;

private:
    int baseWidth;
    int baseHeight;
};

} // namespace fenwake
