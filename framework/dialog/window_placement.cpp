#include "framework/dialog/window_placement.h"

#include "framework/profile/profile.h"

#include <QRect>
#include <QScreen>

namespace fenwake {

namespace {

constexpr const char* section = "Window";

void placeAtStart(QWidget& window, const QWidget* owner, QPoint templatePosition) {
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
void centreOnScreen(QWidget& window) {
    QRect area(QPoint(0, 0), window.size());
    area.moveCenter(window.screen()->availableGeometry().center());
    window.setGeometry(area);
}

// Resizes the window to the size kept; true when it should open maximised.
bool restoreSize(QWidget& window, Profile& store) {
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

} // namespace

void WindowPlacement::placeNew(QWidget& newWindow, QWidget& newContents, const QWidget* owner,
                               QPoint templatePosition) {
    window = &newWindow;
    contents = &newContents;
    centred = false;
    openMaximised = false;
    placeAtStart(newWindow, owner, templatePosition);
}

void WindowPlacement::centre() {
    centred = true;
    placeInCentre();
}

bool WindowPlacement::prepareToShow() {
    if (centred) {
        placeInCentre();
    }
    return openMaximised;
}

void WindowPlacement::placeInCentre() {
    if (!window) {
        return;
    }
    // What the contents hold may have changed since the layout last asked.
    if (contents) {
        contents->updateGeometry();
    }
    window->adjustSize();
    openMaximised = sizeStore != nullptr && restoreSize(*window, *sizeStore);
    centreOnScreen(*window);
}

void WindowPlacement::keepSize() {
    if (!window || sizeStore == nullptr) {
        return;
    }
    const bool maximised = window->isMaximized();
    const QSize size = maximised && window->normalGeometry().isValid()
                           ? window->normalGeometry().size()
                           : window->size();
    sizeStore->beginBatch();
    sizeStore->writeInteger(section, "Width", size.width());
    sizeStore->writeInteger(section, "Height", size.height());
    sizeStore->writeInteger(section, "Maximized", maximised ? 1 : 0);
    sizeStore->endBatch();
}

} // namespace fenwake
