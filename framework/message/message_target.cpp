#include "framework/message/message_target.h"

namespace fenwake {

MessageTarget::~MessageTarget() = default;

const MessageMap* MessageTarget::messageMap() const {
    static const MessageMap noEntries{nullptr, {}};
    return &noEntries;
}

bool MessageTarget::dispatch(const Message& message) {
    defaultRequested = false;
    for (const MessageMap* map = messageMap(); map != nullptr; map = map->base) {
        for (const MessageEntry& entry : map->entries) {
            const bool sameNotification = message.kind == MessageKind::LeftButtonDown ||
                                          entry.notification == message.notification;
            if (entry.kind == message.kind && entry.id == message.id && sameNotification) {
                entry.handler(*this, message);
                return true;
            }
        }
    }
    return false;
}

} // namespace fenwake
