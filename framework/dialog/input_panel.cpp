#include "framework/dialog/input_panel.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace fenwake {

namespace {

InputPanel::Listener& listener() {
    static InputPanel::Listener told;
    return told;
}

} // namespace

void InputPanel::request(const Dialog& window, InputPanelRequest request) {
    if (listener()) {
        listener()(window, request);
    }
    if (QInputMethod* inputMethod = QGuiApplication::inputMethod()) {
        if (request == InputPanelRequest::Raise) {
            inputMethod->show();
        } else {
            inputMethod->hide();
        }
    }
}

void InputPanel::setListener(Listener newListener) {
    listener() = std::move(newListener);
}

} // namespace fenwake
