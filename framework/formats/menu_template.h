#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace fenwake {

// A menu as the binary menu template holds it: a four-byte header, then items, each a flag
// word, a command id (not for pop-ups) and a zero-ended UTF-16 text; a pop-up's items follow
// it, and an item flagged as the end closes its level.
struct MenuItem {
    static constexpr std::uint16_t grayed = 0x0001;
    static constexpr std::uint16_t disabled = 0x0002;
    static constexpr std::uint16_t checked = 0x0008;
    static constexpr std::uint16_t popup = 0x0010;
    // One of a pop-up's choices of which one at a time is checked, with a bullet.
    static constexpr std::uint16_t radio = 0x0200;
    static constexpr std::uint16_t end = 0x0080;

    std::uint16_t flags = 0;
    int id = 0;
    std::string text; // UTF-8
    std::vector<MenuItem> items;

    bool isPopup() const { return (flags & popup) != 0; }
    bool isSeparator() const { return !isPopup() && id == 0 && text.empty(); }

    // An item's text may name the key that chooses it from anywhere in the window, after a
    // tab: "Help\tF1".
    std::string label() const { return text.substr(0, text.find('\t')); }
    std::string shortcut() const {
        const std::size_t tab = text.find('\t');
        return tab == std::string::npos ? std::string() : text.substr(tab + 1);
    }

    bool operator==(const MenuItem&) const = default;
};

class MenuTemplate {
public:
    // The top-level items, or nothing when the bytes are not a whole, well-formed template.
    static std::optional<std::vector<MenuItem>> parse(std::span<const std::uint8_t> bytes);

    // The template's bytes for these items, the inverse of parse: the last item of each level
    // gets the end flag, whatever its flags said.
    static std::vector<std::uint8_t> encode(const std::vector<MenuItem>& items);
};

} // namespace fenwake
