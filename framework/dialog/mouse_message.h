#pragma once

#include "framework/message/message.h"

class QMouseEvent;
class QPoint;

namespace fenwake {

// The left-button-down message for a Qt mouse press: key flags and the point in the
// coordinates of the window that receives it.
Message leftButtonDownMessage(const QMouseEvent& event, const QPoint& point);

} // namespace fenwake
