#include "framework/dialog/mouse_message.h"

#include <QMouseEvent>

namespace fenwake {

Message leftButtonDownMessage(const QMouseEvent& event, const QPoint& point) {
    unsigned flags = 0;
    const Qt::MouseButtons buttons = event.buttons();
    flags |= (buttons & Qt::LeftButton) ? LeftButtonFlag : 0U;
    flags |= (buttons & Qt::RightButton) ? RightButtonFlag : 0U;
    flags |= (buttons & Qt::MiddleButton) ? MiddleButtonFlag : 0U;
    flags |= (event.modifiers() & Qt::ShiftModifier) ? ShiftFlag : 0U;
    flags |= (event.modifiers() & Qt::ControlModifier) ? ControlFlag : 0U;

    Message message;
    message.kind = MessageKind::LeftButtonDown;
    message.keyFlags = flags;
    message.point = {point.x(), point.y()};
    return message;
}

} // namespace fenwake
