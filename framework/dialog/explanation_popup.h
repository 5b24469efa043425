#pragma once

#include <QLabel>

namespace fenwake {

// A control's explanation shown for the keyboard (Shift+F1, Ctrl+F1), where the focus is and in
// a tool tip's colours: it stays while the person reads it and goes at the next key, click or
// change of window, as a tool tip shown by the mouse goes when the mouse moves on; Escape puts
// it away without reaching the window. One at a time.
class ExplanationPopup : public QLabel {
public:
    // Shows the text beside the point (on the screen), over the given widget's window.
    static void show(QWidget& over, QPoint at, const QString& text);
    // The explanation on screen, or nullptr.
    static ExplanationPopup* current();
    // The focused control's explanation (its tool tip; for a list, its own and then its current
    // row's), where the focus is.
    static void explain(QWidget* focus);
    // From now on, in every window of the program: Shift+F1 (What's This, as Qt and KDE have
    // it) and Ctrl+F1 (GNOME's key for a tool tip) explain the focused control as F1 is let go,
    // and Escape puts away a tool tip the mouse brought without reaching the window under it.
    static void listenForKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ExplanationPopup(QWidget& over);
};

} // namespace fenwake
