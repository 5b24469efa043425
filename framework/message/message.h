#pragma once

#include "framework/message/point.h"

#include <cstdint>

namespace fenwake {

// What a control tells its window, with the codes the message tables are written in.
enum class Notification : std::uint16_t {
    Clicked = 0x0000, // a button was clicked, or a menu command chosen
    EditFocusGained = 0x0100,
    EditFocusLost = 0x0200,
    EditChanged = 0x0300,
};

enum class MessageKind {
    Command,        // a notification from a control or a menu, with its id
    LeftButtonDown, // the left mouse button went down on the window itself
};

// Key flags that come with a mouse message.
enum KeyFlag : unsigned {
    LeftButtonFlag = 0x0001,
    RightButtonFlag = 0x0002,
    ShiftFlag = 0x0004,
    ControlFlag = 0x0008,
    MiddleButtonFlag = 0x0010,
};

struct Message {
    MessageKind kind = MessageKind::Command;
    Notification notification = Notification::Clicked;
    int id = 0;
    unsigned keyFlags = 0;
    Point point;
};

} // namespace fenwake
