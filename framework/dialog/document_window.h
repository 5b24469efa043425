#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fenwake {

class Dialog;
class Profile;

// A window that shows a document the program makes, such as its help, beside the window it
// belongs to: a dialog of that window for the window manager and for screen readers, which
// blocks nothing (the help is read beside the figures it explains). Nothing of it exists
// before it is first asked for, and the document is made then; asked for again while open, it
// comes to the front. Escape, Ctrl+W and its Close button close it; Ctrl+Q closes it and the
// window it belongs to. Its text can be read, scrolled and searched from the keyboard, and its
// links followed with Tab and Return.
class DocumentWindow {
public:
    // The document is HTML in UTF-8, made by `document` when the window is made. It opens beside
    // the owner, or where it was when it last closed, kept in the state profile under its name.
    // Does nothing when the owner has no window.
    static void open(const Dialog& owner, std::string_view title,
                     const std::function<std::string()>& document, Profile* state,
                     std::string_view name);
};

} // namespace fenwake
