#pragma once

#include "framework/dialog/dialog.h"

namespace fenwake {

// The thin dialog base of the program's widget toolkit: a dialog whose only addition is to
// hand the left button, unchanged, to the default handling.
class ToolkitDialog : public Dialog {
public:
    explicit ToolkitDialog(int templateId, Dialog* parentWindow = nullptr);
    ~ToolkitDialog() override;

protected:
    const MessageMap* messageMap() const override;
    static const MessageMap messages;

private:
    void onLeftButtonDown(unsigned keyFlags, Point point);

    static const MessageEntry messageEntries[];
};

} // namespace fenwake
