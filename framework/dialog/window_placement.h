#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace fenwake {

class Profile;

// Where a dialog's window opens, and how large. A dialog of another window opens centred on
// it; a window of its own at its template's position on the screen, or centred on the screen
// when its dialog asks, now and again as it is shown (should it have grown in between). A
// window that keeps its size opens at the size, and in the maximised state, it last closed
// with, as long as that size still holds all of it and the screen still holds that size;
// otherwise at its own opening size. One placement serves every window its dialog creates.
class WindowPlacement {
public:
    void keepSizeIn(Profile* store) { sizeStore = store; }

    // A new window: placed at once. Its contents are what grows as controls change.
    void placeNew(QWidget& window, QWidget& contents, const QWidget* owner,
                  QPoint templatePosition);
    void centre();
    // Just before the window shows; true when it is to open maximised.
    bool prepareToShow();
    // The window is closing: its size is kept, when it keeps it.
    void keepSize();

private:
    void placeInCentre();

    QPointer<QWidget> window;
    QPointer<QWidget> contents;
    Profile* sizeStore = nullptr;
    bool centred = false;
    bool openMaximised = false;
};

} // namespace fenwake
