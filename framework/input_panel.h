#pragma once

#include <vector>

namespace fenwake {

class Dialog;

enum class InputPanelRequest { Raise = 0, Lower = 1 };

// The on-screen keyboard. Requests go to the platform's input method (which shows or hides
// a virtual keyboard where the desktop has one) and are kept in order, so that what a window
// asked for can be checked.
class InputPanel {
public:
    struct Record {
        const Dialog* window;
        InputPanelRequest request;
    };

    static void request(const Dialog& window, InputPanelRequest request);
    static const std::vector<Record>& requests();
    static void forgetRequests();
};

} // namespace fenwake
