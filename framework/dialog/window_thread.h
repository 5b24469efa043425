#pragma once

#include <functional>

namespace fenwake {

// The thread the windows live on, for work done elsewhere to hand its results to: the task runs
// there soon, in the order handed, once the thread is free. From any thread.
class WindowThread {
public:
    static void post(std::function<void()> task);
};

} // namespace fenwake
