#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace fenwake {

class Profile;

// Where a window beside the main one opens (the help, the History window): where it was when it
// last closed, as large as it was then, or, the first time, beside its owner where the screen
// has room, else where it hides the least of it. Never wider or taller than the screen, never
// with its frame off the screen. Its place and size are kept in the state profile as it is put
// away, beside the main window's size, under keys that begin with its name ("HistoryWidth").
class SideWindow {
public:
    static void place(QWidget& window, const QWidget& owner, Profile* state, std::string_view name);
};

} // namespace fenwake
