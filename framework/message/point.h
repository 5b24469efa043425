#pragma once

namespace fenwake {

// A position in a window's own coordinates, in pixels.
struct Point {
    int x = 0;
    int y = 0;
};

} // namespace fenwake
