#pragma once

// framework/message: messages and static message tables. What controls and menus tell a
// window, the tables that map it to member handlers, and the dispatch through a class's
// table and its bases'. Standard library only: it knows no widget.

#include "framework/message/message_map.h"

namespace fenwake {

// Anything that receives messages through a static message table: the application object,
// dialogs and list controls. Dispatch looks in the class's own table first, then in its base
// classes' tables; a message no table names is left to the default handling.
class MessageTarget {
public:
    virtual ~MessageTarget();

    // True when some table had an entry for the message and its handler ran.
    bool dispatch(const Message& message);

    // True when the handler of the message being dispatched handed it on to the default
    // handling (for a left button: the control's own selection, focus and so on).
    bool passedToDefault() const { return defaultRequested; }

protected:
    virtual const MessageMap* messageMap() const;

    // For handlers: let the default handling have the message as it came.
    void passToDefault() { defaultRequested = true; }

private:
    bool defaultRequested = false;
};

} // namespace fenwake
