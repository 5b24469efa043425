#include "ui/about_dialog.h"

#include "res/resource_ids.h"

namespace fenwake {

const MessageMap AboutDialog::messages{&ToolkitDialog::messages, {}};

AboutDialog::AboutDialog(Dialog* parentWindow) : ToolkitDialog(IDD_ABOUT, parentWindow) {}

AboutDialog::~AboutDialog() = default;

const MessageMap* AboutDialog::messageMap() const {
    return &messages;
}

} // namespace fenwake
