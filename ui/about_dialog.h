#pragma once

#include "ui/toolkit_dialog.h"

namespace fenwake {

// The About box: the icon, the name and version, the copyright and contact lines, all from
// its template. It has no buttons; Return, Escape or the close button end it.
class AboutDialog : public ToolkitDialog {
public:
    explicit AboutDialog(Dialog* parentWindow = nullptr);
    ~AboutDialog() override;

protected:
    const MessageMap* messageMap() const override;

private:
    static const MessageMap messages;
};

} // namespace fenwake
