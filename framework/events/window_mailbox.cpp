#include "framework/events/window_mailbox.h"

#include <QMetaObject>
#include <QObject>

#include <mutex>

namespace fenwake {

// The object tasks are delivered to, while there is one: Qt drops what was left for an object
// as it is destroyed, and the lock keeps a task from being left for one being destroyed.
struct WindowMailbox::Address::Box {
    std::mutex mutex;
    QObject* receiver = nullptr;
};

void WindowMailbox::Address::post(std::function<void()> task) const {
    const std::lock_guard lock(box->mutex);
    if (box->receiver != nullptr) {
        QMetaObject::invokeMethod(box->receiver, std::move(task), Qt::QueuedConnection);
    }
}

WindowMailbox::WindowMailbox() : box(std::make_shared<Address::Box>()) {
    box->receiver = new QObject;
}

WindowMailbox::~WindowMailbox() {
    QObject* receiver = nullptr;
    {
        const std::lock_guard lock(box->mutex);
        receiver = box->receiver;
        box->receiver = nullptr;
    }
    delete receiver;
}

} // namespace fenwake
