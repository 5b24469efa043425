#pragma once

#include <span>

namespace fenwake {

// The program icon's larger sizes, our PNG artwork, made into a source file at build time.
struct PngIcon {
    int size;
    std::span<const unsigned char> png;
};

std::span<const PngIcon> largeIcons();

} // namespace fenwake
