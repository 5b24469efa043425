#pragma once

#include "framework/message/message.h"

#include <cstddef>
#include <span>
#include <type_traits>

namespace fenwake {

class MessageTarget;

using MessageHandler = void (*)(MessageTarget&, const Message&);

// One row of a class's static message table: which message, from which control, and the
// member function that handles it.
struct MessageEntry {
    MessageKind kind;
    Notification notification;
    int id;
    MessageHandler handler;
};

// A class's table and the table of its base class, searched when this one has no entry.
struct MessageMap {
    const MessageMap* base;
    std::span<const MessageEntry> entries;
};

namespace detail {

template <class Member>
struct MemberOf;

template <class Class>
struct MemberOf<void (Class::*)()> {
    using type = Class;
};

template <class Class>
struct MemberOf<void (Class::*)(unsigned, Point)> {
    using type = Class;
};

template <auto member>
void callMember(MessageTarget& target, const Message& message) {
    using Class = typename MemberOf<decltype(member)>::type;
    auto& object = static_cast<Class&>(target);
    if constexpr (std::is_invocable_v<decltype(member), Class&>) {
        (object.*member)();
    } else {
        (object.*member)(message.keyFlags, message.point);
    }
}

} // namespace detail

// An entry for a control notification or a menu command: handler takes no arguments.
template <auto member>
constexpr MessageEntry commandEntry(Notification notification, int id) {
    return {MessageKind::Command, notification, id, &detail::callMember<member>};
}

// An entry for the left button going down on the window: handler takes (keyFlags, point).
template <auto member>
constexpr MessageEntry leftButtonDownEntry() {
    return {MessageKind::LeftButtonDown, Notification::Clicked, 0, &detail::callMember<member>};
}

} // namespace fenwake
