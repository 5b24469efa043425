#pragma once

#include "framework/dialog/list_control.h"

namespace fenwake {

// The list of the five results. Display only: a tap selects a row, as lists do, and
// changes nothing else.
class ResultsList : public ListControl {
public:
    ResultsList();
    ~ResultsList() override;

protected:
    const MessageMap* messageMap() const override;

private:
    void onLeftButtonDown(unsigned keyFlags, Point point);

    static const MessageEntry messageEntries[];
    static const MessageMap messages;
};

} // namespace fenwake
