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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ExplanationPopup(QWidget& over);
};

} // namespace fenwake
