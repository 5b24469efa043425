#pragma once

// framework/resources: the program's resources as data, found by number: dialog templates,
// menu bytes, strings and icons (made into Qt icons when asked for); and the application's
// identity: its name, its version and its desktop entry's id. The program registers them once
// at start-up; the framework never includes the program's res/ folder. It may use Qt Gui for
// icons and the application's identity.

#include "framework/formats/version_record.h"
#include "framework/resources/dialog_template.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

// An icon resource: one image per size, each either the text lines of an XPM image (the
// small sizes) or the bytes of a PNG image, read only when that size is asked for.
struct IconImage {
    int size = 0;
    std::vector<const char*> xpm;
    std::span<const unsigned char> png;
};

struct IconResource {
    std::vector<IconImage> images;
};

// The program's resources, looked up by number. The program fills the registry once, before
// anything asks for a resource; a lookup of a number nobody registered finds nothing.
class Resources {
public:
    static void addDialog(int id, DialogTemplate dialog);
    static void addMenu(int id, std::vector<std::uint8_t> menuTemplate);
    static void addMenuBar(int id, std::vector<std::uint8_t> record);
    static void addString(int id, std::string text);
    static void addIcon(int id, IconResource icon);
    // Also makes the product name and version the application's own, as Qt reports them.
    static void setVersion(const VersionRecord& version);
    // The id of the program's desktop entry, which the window system matches its windows to
    // (the Wayland app id).
    static void setDesktopEntry(std::string_view desktopId);

    static const DialogTemplate* dialog(int id);
    static const std::vector<std::uint8_t>* menu(int id);
    static const std::vector<std::uint8_t>* menuBar(int id);
    static const std::string* string(int id);
    static const IconResource* icon(int id);
};

} // namespace fenwake
