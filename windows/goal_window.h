#pragma once

#include "engine/goal.h"

#include <functional>

namespace fenwake {

class Dialog;

// Tools, Goal…: a small window over the main one that sets a goal weight and a goal fat
// percentage, either left empty for none, or clears both. What is set goes to `chosen` when the
// person says OK; Cancel and Escape change nothing. It holds nothing up: the main window goes on
// while it is open.
class GoalWindow {
public:
    static void open(const Dialog& owner, const Goal& current, bool metric,
                     std::function<void(const Goal& chosen)> chosen);
};

} // namespace fenwake
