#include "framework/input_panel.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace fenwake {

namespace {

std::vector<InputPanel::Record>& history() {
    static std::vector<InputPanel::Record> records;
    return records;
}

} // namespace

void InputPanel::request(const Dialog& window, InputPanelRequest request) {
    history().push_back({&window, request});
    if (QInputMethod* inputMethod = QGuiApplication::inputMethod()) {
        if (request == InputPanelRequest::Raise) {
            inputMethod->show();
        } else {
            inputMethod->hide();
        }
    }
}

const std::vector<InputPanel::Record>& InputPanel::requests() {
    return history();
}

void InputPanel::forgetRequests() {
    history().clear();
}

} // namespace fenwake
