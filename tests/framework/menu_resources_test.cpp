#include "framework/menu_bar_record.h"
#include "framework/menu_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fenwake {
namespace {

using Bytes = std::vector<std::uint8_t>;

void appendWord(Bytes& bytes, std::uint16_t word) {
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

void appendText(Bytes& bytes, const std::u16string& text) {
    for (const char16_t unit : text) {
        appendWord(bytes, unit);
    }
    appendWord(bytes, 0);
}

Bytes popup(std::uint16_t flags, const std::u16string& text) {
    Bytes bytes;
    appendWord(bytes, static_cast<std::uint16_t>(flags | MenuItem::popup));
    appendText(bytes, text);
    return bytes;
}

Bytes item(std::uint16_t flags, std::uint16_t id, const std::u16string& text) {
    Bytes bytes;
    appendWord(bytes, flags);
    appendWord(bytes, id);
    appendText(bytes, text);
    return bytes;
}

Bytes menu(const std::vector<Bytes>& parts) {
    Bytes bytes{0, 0, 0, 0};
    for (const Bytes& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

// The program's own menu, byte for byte.
const Bytes toolsMenu{0x00, 0x00, 0x00, 0x00, 0x90, 0x00, 'T',  0,    'o',  0,    'o', 0,
                      'l',  0,    's',  0,    0,    0,    0x80, 0x00, 0x09, 0x80, 'A', 0,
                      'b',  0,    'o',  0,    'u',  0,    't',  0,    0,    0};

TEST(MenuTemplate, ReadsTheToolsMenu) {
    ASSERT_EQ(toolsMenu.size(), 34u);
    const auto items = MenuTemplate::parse(toolsMenu);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 1u);
    EXPECT_EQ((*items)[0].text, "Tools");
    EXPECT_TRUE((*items)[0].isPopup());
    ASSERT_EQ((*items)[0].items.size(), 1u);
    EXPECT_EQ((*items)[0].items[0].text, "About");
    EXPECT_EQ((*items)[0].items[0].id, 32777);
    EXPECT_FALSE((*items)[0].items[0].isPopup());
}

TEST(MenuTemplate, ReadsNestedPopupsSeparatorsFlagsAndUnicode) {
    const Bytes bytes = menu({popup(0, u"File"), item(0, 10, u"Open"), item(0, 0, u""),
                              popup(MenuItem::end, u"Recent"),
                              item(MenuItem::end | MenuItem::grayed, 11, u"Größe \U0001F4CF"),
                              popup(MenuItem::end, u"Help"), item(MenuItem::end, 12, u"About")});
    const auto items = MenuTemplate::parse(bytes);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    const MenuItem& file = (*items)[0];
    ASSERT_EQ(file.items.size(), 3u);
    EXPECT_TRUE(file.items[1].isSeparator());
    ASSERT_EQ(file.items[2].items.size(), 1u);
    EXPECT_EQ(file.items[2].items[0].text, "Größe \xF0\x9F\x93\x8F");
    EXPECT_EQ(file.items[2].items[0].flags & MenuItem::grayed, MenuItem::grayed);
    EXPECT_EQ((*items)[1].items[0].id, 12);
}

struct BadMenu {
    const char* name;
    Bytes bytes;
};

void PrintTo(const BadMenu& c, std::ostream* out) {
    *out << c.name;
}

class RejectsMenu : public testing::TestWithParam<BadMenu> {};

Bytes truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes withTrailingByte(Bytes bytes) {
    bytes.push_back(0);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    MenuTemplate, RejectsMenu,
    testing::Values(BadMenu{"empty", {}}, BadMenu{"header_only", {0, 0, 0, 0}},
                    BadMenu{"wrong_version", {1, 0, 0, 0, 0x80, 0, 1, 0, 'x', 0, 0, 0}},
                    BadMenu{"cut_in_text", truncated(toolsMenu, 30)},
                    BadMenu{"cut_in_header", truncated(toolsMenu, 3)},
                    BadMenu{"odd_size", truncated(toolsMenu, 33)},
                    BadMenu{"bytes_after_end", withTrailingByte(toolsMenu)},
                    BadMenu{"popup_never_closed",
                            menu({popup(MenuItem::end, u"Tools"), item(0, 1, u"About")})},
                    BadMenu{"lone_surrogate", menu({item(MenuItem::end, 1, u"\xD800x")})},
                    BadMenu{"offset_past_end", {0, 0, 200, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(RejectsMenu, AsNotAMenu) {
    EXPECT_FALSE(MenuTemplate::parse(GetParam().bytes));
}

TEST(MenuTemplate, RefusesNestingDeeperThanAnyoneUses) {
    std::vector<Bytes> parts;
    for (int level = 0; level < 5000; ++level) {
        parts.push_back(popup(MenuItem::end, u"x"));
    }
    parts.push_back(item(MenuItem::end, 1, u"y"));
    EXPECT_FALSE(MenuTemplate::parse(menu(parts)));
}

const Bytes toolsBar{0x82, 0x00, 0x01, 0x00, 0xfe, 0xff, 0x06, 0x80, 0x04,
                     0x00, 0x18, 0x00, 0x08, 0x80, 0x00, 0x00, 0x00, 0x00};

TEST(MenuBarRecord, ReadsTheToolsButton) {
    const auto record = MenuBarRecord::parse(toolsBar);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->menuId, 130);
    ASSERT_EQ(record->buttons.size(), 1u);
    const MenuBarButton& button = record->buttons[0];
    EXPECT_EQ(button.imageIndex, MenuBarButton::noImage);
    EXPECT_EQ(button.commandId, 32774);
    EXPECT_EQ(button.state, MenuBarButton::enabledState);
    EXPECT_TRUE(button.isDropDown());
    EXPECT_EQ(button.stringId, 32776);
    EXPECT_EQ(button.popupIndex, 0);
}

TEST(MenuBarRecord, ReadsSeveralButtonsWithImages) {
    Bytes bytes;
    for (const std::uint16_t word :
         {200, 2, 3, 40001, 4, 0, 501, 0, 0, 65534, 40002, 0, 8, 502, 0, 1}) {
        appendWord(bytes, word);
    }
    const auto record = MenuBarRecord::parse(bytes);
    ASSERT_TRUE(record);
    ASSERT_EQ(record->buttons.size(), 2u);
    EXPECT_EQ(record->buttons[0].imageIndex, 3);
    EXPECT_FALSE(record->buttons[0].isDropDown());
    EXPECT_EQ(record->buttons[1].imageIndex, -2);
    EXPECT_EQ(record->buttons[1].state, 0);
    EXPECT_EQ(record->buttons[1].popupIndex, 1);
}

class RejectsRecord : public testing::TestWithParam<BadMenu> {};

INSTANTIATE_TEST_SUITE_P(MenuBarRecord, RejectsRecord,
                         testing::Values(BadMenu{"empty", {}}, BadMenu{"half_header", {0x82, 0x00}},
                                         BadMenu{"truncated", truncated(toolsBar, 16)},
                                         BadMenu{"extra_byte", withTrailingByte(toolsBar)},
                                         BadMenu{"count_too_large",
                                                 {0x82, 0x00, 0xff, 0xff, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(RejectsRecord, AsNotARecord) {
    EXPECT_FALSE(MenuBarRecord::parse(GetParam().bytes));
}

} // namespace
} // namespace fenwake
