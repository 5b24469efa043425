#pragma once

#include "framework/message/message.h"

#include <QDialog>
#include <QPointer>

namespace fenwake {

class NotificationSink;

// The Qt window of a Dialog. It turns the window's own input into the dialog's messages:
// Escape is Cancel, the close button and Ctrl+W are OK, Ctrl+Q is OK here and then in the
// window it belongs to, Return is OK when the dialog has no edits (a stray Enter after typing a
// number must not close a calculator), a left click on the window is a left-button-down
// message, and focus moving in or out of an edit is reported. From the first such window on,
// Shift+F1 and Ctrl+F1 explain the focused control in every window (ExplanationPopup). Whenever the
// window becomes the active one, the focus shows at once, as if a key had moved it: a Space
// would otherwise tick a box nobody saw had the focus. A window of its own is an application's
// frame to screen readers; a window of another is a dialog.
class DialogWindow : public QDialog {
public:
    DialogWindow(NotificationSink& owner, QWidget* parent);

    void setHasEdits(bool hasEdits) { editsPresent = hasEdits; }
    // Shows the window and runs a loop until it is done; returns its end code. A dialog of
    // another window runs as Qt's modal dialogs do; a window of its own is modal to nothing
    // for the window manager (there is nothing to be modal to), but its run is the same.
    int run(bool maximised);
    // Shows the window without a loop of its own, maximised or at its size.
    void showPlaced(bool maximised);
    // After this the window reports nothing more: its dialog is taking it down.
    void detach() { detached = true; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool report(Notification notification, int id);

    NotificationSink& owner;
    QPointer<QObject> focusedEdit;
    bool editsPresent = false;
    bool detached = false;
};

} // namespace fenwake
