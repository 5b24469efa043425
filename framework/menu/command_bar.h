#pragma once

// framework/menu: menu bars. The binary menu template and menu-bar record are read by
// parsers of the standard library alone (menu_template.h, menu_bar_record.h); the command
// bar turns what they read into a Qt menu bar of a dialog. It may use Qt Widgets, the
// dialogs, the resources and the messages.

#include <cstdint>
#include <memory>

namespace fenwake {

class Dialog;

// A dialog's menu bar, built from the resources as data: a menu-bar record names the buttons
// (text from the string table, a drop-down pop-up from the menu template, or a command of
// their own) and the bar sends the commands chosen in it to its dialog. A bar whose resources
// are missing or malformed is not shown at all; the dialog works on without it.
class CommandBar {
public:
    static constexpr int standardId = 0xE800;
    static constexpr int noBitmap = 0xFFFF;

    CommandBar();
    ~CommandBar();
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    // Creates the empty bar in the parent's window, along its top edge. False when the
    // parent has no window.
    bool create(Dialog& parent, std::uint32_t controlStyle, std::uint32_t windowStyle, int id);

    // Fills the bar from the menu-bar record of that number. bitmapId names a strip of button
    // images; the program's bars have none (noBitmap), so a button shows its text alone
    // whatever image index the record gives. False, and no bar, when the record, its menu or
    // a button's text or pop-up cannot be found or read.
    bool insertMenuBar(int menuBarId, int bitmapId);

    // Checks or clears an item of the bar's menus; checking one of a pop-up's choices clears
    // the others. False when the bar has no such item.
    bool checkCommand(int commandId, bool checked);

private:
    struct Bar;
    std::unique_ptr<Bar> bar;
};

} // namespace fenwake
