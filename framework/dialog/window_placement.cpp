#include "framework/dialog/window_placement.h"

#include "framework/profile/profile.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace fenwake {

namespace {

constexpr const char* section = "Window";

} // namespace

void WindowPlacement::place(QWidget& window, const QWidget* owner, QPoint templatePosition) {
    window.adjustSize();
    if (owner != nullptr) {
        QRect area(QPoint(0, 0), window.size());
        area.moveCenter(owner->geometry().center());
        window.move(area.topLeft());
        return;
    }
    window.move(window.screen()->availableGeometry().topLeft() + templatePosition);
}

// The window's own area is centred: before it is shown its frame is not yet known.
void WindowPlacement::centreOnScreen(QWidget& window) {
    QRect area(QPoint(0, 0), window.size());
    area.moveCenter(window.screen()->availableGeometry().center());
    window.setGeometry(area);
}

bool WindowPlacement::restore(QWidget& window, Profile& store) {
    const QSize kept(store.readInteger(section, "Width", 0),
                     store.readInteger(section, "Height", 0));
    const QSize smallest = window.minimumSizeHint();
    const QSize screen = window.screen()->availableGeometry().size();
    const bool fits = kept.width() >= smallest.width() && kept.height() >= smallest.height() &&
                      kept.width() <= screen.width() && kept.height() <= screen.height();
    if (fits) {
        window.resize(kept);
    }
    return store.readInteger(section, "Maximized", 0) != 0;
}

void WindowPlacement::keep(const QWidget& window, Profile& store) {
    const bool maximised = window.isMaximized();
    const QSize size = maximised && window.normalGeometry().isValid()
                           ? window.normalGeometry().size()
                           : window.size();
    store.beginBatch();
    store.writeInteger(section, "Width", size.width());
    store.writeInteger(section, "Height", size.height());
    store.writeInteger(section, "Maximized", maximised ? 1 : 0);
    store.endBatch();
}

} // namespace fenwake
