#pragma once

class QWidget;

namespace fenwake {

class Dialog;

// The Qt widgets behind a dialog, for the framework's own code (a command bar goes into its
// dialog's window) and for tests that drive them. The program's dialogs reach their controls
// through the dialog alone. Null while the dialog has no window, or no control of that id.
class DialogWidgets {
public:
    static QWidget* window(const Dialog& dialog);
    static QWidget* control(const Dialog& dialog, int id);
};

} // namespace fenwake
