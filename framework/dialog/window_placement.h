#pragma once

#include <QPoint>

class QWidget;

namespace fenwake {

class Profile;

// Where a dialog's window opens, and how large. A dialog of another window opens centred on
// it; a window of its own at its template's position on the screen, or centred on the screen
// when its dialog asks. A window that keeps its size opens at the size, and in the maximised
// state, it last closed with, as long as that size still holds all of it and the screen
// still holds that size; otherwise at its own opening size.
class WindowPlacement {
public:
    static void place(QWidget& window, const QWidget* owner, QPoint templatePosition);
    static void centreOnScreen(QWidget& window);

    // Resizes the window to the size kept; true when it should open maximised.
    static bool restore(QWidget& window, Profile& store);
    static void keep(const QWidget& window, Profile& store);
};

} // namespace fenwake
