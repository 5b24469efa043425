#include "ui/results_list.h"

namespace fenwake {

const MessageEntry ResultsList::messageEntries[] = {
    leftButtonDownEntry<&ResultsList::onLeftButtonDown>(),
};

const MessageMap ResultsList::messages{&ListControl::messages, messageEntries};

ResultsList::ResultsList() = default;

ResultsList::~ResultsList() = default;

const MessageMap* ResultsList::messageMap() const {
    return &messages;
}

void ResultsList::onLeftButtonDown(unsigned keyFlags, Point point) {
    ListControl::onLeftButtonDown(keyFlags, point);
}

} // namespace fenwake
