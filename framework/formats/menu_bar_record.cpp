#include "framework/formats/menu_bar_record.h"

#include "framework/text/little_endian.h"

namespace fenwake {

namespace {

constexpr std::size_t headerBytes = 4;
constexpr std::size_t buttonBytes = 14;

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
    return littleEndianWord(bytes, 2 * index);
}

} // namespace

std::optional<MenuBarRecord> MenuBarRecord::parse(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < headerBytes) {
        return std::nullopt;
    }
    MenuBarRecord record;
    record.menuId = wordAt(bytes, 0);
    const std::size_t count = wordAt(bytes, 1);
    if (bytes.size() != headerBytes + count * buttonBytes) {
        return std::nullopt;
    }
    for (std::size_t button = 0; button < count; ++button) {
        const std::size_t first = 2 + button * 7;
        MenuBarButton entry;
        // first is the image index.
        entry.commandId = wordAt(bytes, first + 1);
        entry.state = wordAt(bytes, first + 2);
        entry.style = wordAt(bytes, first + 3);
        entry.stringId = wordAt(bytes, first + 4);
        // first + 5 is reserved.
        entry.popupIndex = wordAt(bytes, first + 6);
        record.buttons.push_back(entry);
    }
    return record;
}

} // namespace fenwake
