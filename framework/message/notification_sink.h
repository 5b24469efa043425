#pragma once

#include "framework/message/message.h"

namespace fenwake {

// Where a window's controls report what happened to them: its dialog. The controls and the
// window that carries them know only this, not the dialog.
class NotificationSink {
public:
    // True when the default handling should still see the event.
    virtual bool notify(const Message& message) = 0;

protected:
    ~NotificationSink() = default;
};

} // namespace fenwake
