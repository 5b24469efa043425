#pragma once

#include <functional>

namespace fenwake {

class Dialog;

enum class InputPanelRequest { Raise = 0, Lower = 1 };

// The on-screen keyboard. Requests go to the platform's input method, which shows or hides a
// virtual keyboard where the desktop has one. Nothing is kept: whoever needs to see what a
// window asked for, a test for one, listens.
class InputPanel {
public:
    static void request(const Dialog& window, InputPanelRequest request);

    using Listener = std::function<void(const Dialog& window, InputPanelRequest request)>;
    static void setListener(Listener newListener);
};

} // namespace fenwake
