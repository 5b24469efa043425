#include "ui/toolkit_dialog.h"

namespace fenwake {

const MessageEntry ToolkitDialog::messageEntries[] = {
    leftButtonDownEntry<&ToolkitDialog::onLeftButtonDown>(),
};

const MessageMap ToolkitDialog::messages{&Dialog::messages, messageEntries};

ToolkitDialog::ToolkitDialog(int templateId, Dialog* parentWindow)
    : Dialog(templateId, parentWindow) {}

ToolkitDialog::~ToolkitDialog() = default;

const MessageMap* ToolkitDialog::messageMap() const {
    return &messages;
}

void ToolkitDialog::onLeftButtonDown(unsigned keyFlags, Point point) {
    Dialog::onLeftButtonDown(keyFlags, point);
}

} // namespace fenwake
