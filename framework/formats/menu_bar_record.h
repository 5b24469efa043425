#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fenwake {

// The menu-bar record: little-endian words, a header (the menu whose pop-ups the buttons
// open, the number of buttons) and seven words per button. A button's first word, the index
// of its image, is not kept: the program's bars show their buttons' texts alone.
struct MenuBarButton {
    static constexpr std::uint16_t enabledState = 0x0004;
    static constexpr std::uint16_t hiddenState = 0x0008;
    static constexpr std::uint16_t dropDownStyle = 0x0008;
    std::uint16_t commandId = 0;
    std::uint16_t state = 0;
    std::uint16_t style = 0;
    std::uint16_t stringId = 0;
    std::uint16_t popupIndex = 0;

    bool isDropDown() const { return (style & dropDownStyle) != 0; }
};

struct MenuBarRecord {
    std::uint16_t menuId = 0;
    std::vector<MenuBarButton> buttons;

    // Nothing unless the bytes are exactly a header and as many buttons as it counts.
    static std::optional<MenuBarRecord> parse(std::span<const std::uint8_t> bytes);
};

} // namespace fenwake
