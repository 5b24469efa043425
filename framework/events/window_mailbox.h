#pragma once

// framework/events: how work done on other threads (the background writers') reaches the
// windows' thread. Qt Core only.

#include <functional>
#include <memory>

namespace fenwake {

// A place on the windows' thread where other threads leave tasks for one owner: each runs
// there soon, in the order left, and only while the mailbox is there. Made and destroyed on the
// windows' thread; its address may be kept and used from any thread, also after the mailbox is
// gone (a task left then is dropped).
class WindowMailbox {
public:
    class Address {
    public:
        void post(std::function<void()> task) const;

    private:
        friend class WindowMailbox;
        struct Box;
        explicit Address(std::shared_ptr<Box> box) : box(std::move(box)) {}
        std::shared_ptr<Box> box;
    };

    WindowMailbox();
    ~WindowMailbox(); // nothing left in it runs after this
    WindowMailbox(const WindowMailbox&) = delete;
    WindowMailbox& operator=(const WindowMailbox&) = delete;

    Address address() const { return Address(box); }

private:
    std::shared_ptr<Address::Box> box;
};

} // namespace fenwake
