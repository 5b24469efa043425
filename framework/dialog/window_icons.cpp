#include "framework/dialog/window_icons.h"

#include <QWidget>

namespace fenwake {

void WindowIcons::set(QWidget& window, const Icon& icon, IconSize size) {
    (size == IconSize::Large ? large : small) = icon.windowImage();
    window.setWindowIcon(large.isNull() ? small : large);
}

} // namespace fenwake
