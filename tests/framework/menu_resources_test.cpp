// The menu resources as the program registers them, read by the framework's parsers, and
// the parsers against malformed bytes laid against the end of readable memory: a read one
// byte too far faults at once, whatever the build.
#include "framework/formats/menu_bar_record.h"
#include "framework/formats/menu_template.h"
#include "framework/resources/resources.h"
#include "res/program_resources.h"
#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace fenwake {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A copy of the bytes that ends where readable memory ends.
class BytesAtTheEdge {
public:
    explicit BytesAtTheEdge(const Bytes& bytes) {
        const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        length = 2 * page;
        memory = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        auto* start = static_cast<std::uint8_t*>(memory);
        mprotect(start + page, page, PROT_NONE);
        std::uint8_t* first = start + page - bytes.size();
        if (!bytes.empty()) {
            std::memcpy(first, bytes.data(), bytes.size());
        }
        view = {first, bytes.size()};
    }
    ~BytesAtTheEdge() { munmap(memory, length); }
    BytesAtTheEdge(const BytesAtTheEdge&) = delete;
    BytesAtTheEdge& operator=(const BytesAtTheEdge&) = delete;

    std::span<const std::uint8_t> bytes() const { return view; }

private:
    void* memory = nullptr;
    std::size_t length = 0;
    std::span<const std::uint8_t> view;
};

// The program's registered resources.
const Bytes& registeredMenu() {
    registerProgramResources();
    return *Resources::menu(IDR_MAINMENU);
}

const Bytes& registeredBar() {
    registerProgramResources();
    return *Resources::menuBar(IDR_MAINMENU);
}

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

// The template begins as it always did: "Tools", whose first item "About" sends IDM_ABOUT; the
// program's additions follow, each naming its key after a tab.
TEST(MenuTemplate, ReadsTheToolsMenu) {
    const Bytes start{0x00, 0x00, 0x00, 0x00, 0x90, 0x00, 'T',  0,    'o',  0,    'o', 0,
                      'l',  0,    's',  0,    0,    0,    0x00, 0x00, 0x09, 0x80, 'A', 0,
                      'b',  0,    'o',  0,    'u',  0,    't',  0,    0,    0};
    ASSERT_GT(registeredMenu().size(), start.size());
    EXPECT_TRUE(std::equal(start.begin(), start.end(), registeredMenu().begin()));
    const auto items = MenuTemplate::parse(registeredMenu());
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 1u);
    EXPECT_EQ((*items)[0].text, "Tools");
    EXPECT_TRUE((*items)[0].isPopup());
    const std::vector<MenuItem>& tools = (*items)[0].items;
    ASSERT_GE(tools.size(), 2u);
    EXPECT_EQ(tools[0].text, "About");
    EXPECT_EQ(tools[0].id, IDM_ABOUT);
    EXPECT_EQ(tools[1].label(), "Help");
    EXPECT_EQ(tools[1].shortcut(), "F1");
    EXPECT_EQ(tools[1].id, IDM_HELP);
}

// What encode writes, parse reads back as it was, but for the end flags it sets itself.
TEST(MenuTemplate, EncodesWhatItReads) {
    const std::vector<MenuItem> items{
        {MenuItem::popup,
         0,
         "Größe \U0001F4CF",
         {{0, 10, "Open\tCtrl+O", {}},
          {0, 0, "", {}},
          {MenuItem::popup, 0, "Recent", {{MenuItem::grayed, 11, "x", {}}}}}},
        {MenuItem::popup, 0, "Help", {{MenuItem::checked, 12, "About", {}}}}};
    const auto read = MenuTemplate::parse(MenuTemplate::encode(items));
    ASSERT_TRUE(read);
    std::vector<MenuItem> expected = items;
    expected[0].items[2].flags |= MenuItem::end;
    expected[0].items[2].items[0].flags |= MenuItem::end;
    expected[1].flags |= MenuItem::end;
    expected[1].items[0].flags |= MenuItem::end;
    EXPECT_EQ(*read, expected);
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
                    BadMenu{"cut_in_text", truncated(registeredMenu(), 30)},
                    BadMenu{"cut_in_header", truncated(registeredMenu(), 3)},
                    BadMenu{"odd_size", truncated(registeredMenu(), 33)},
                    BadMenu{"odd_size_in_text", truncated(registeredMenu(), 25)},
                    BadMenu{"bytes_after_end", withTrailingByte(registeredMenu())},
                    BadMenu{"popup_never_closed",
                            menu({popup(MenuItem::end, u"Tools"), item(0, 1, u"About")})},
                    BadMenu{"lone_surrogate", menu({item(MenuItem::end, 1, u"\xD800x")})},
                    BadMenu{"offset_past_end", {0, 0, 200, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(RejectsMenu, AsNotAMenu) {
    const BytesAtTheEdge bytes(GetParam().bytes);
    EXPECT_FALSE(MenuTemplate::parse(bytes.bytes()));
}

TEST(MenuTemplate, RefusesNestingDeeperThanAnyoneUses) {
    std::vector<Bytes> parts;
    for (int level = 0; level < 5000; ++level) {
        parts.push_back(popup(MenuItem::end, u"x"));
    }
    parts.push_back(item(MenuItem::end, 1, u"y"));
    EXPECT_FALSE(MenuTemplate::parse(menu(parts)));
}

TEST(MenuBarRecord, ReadsTheToolsButton) {
    ASSERT_EQ(registeredBar().size(), 18u);
    const auto record = MenuBarRecord::parse(registeredBar());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->menuId, 130);
    ASSERT_EQ(record->buttons.size(), 1u);
    const MenuBarButton& button = record->buttons[0];
    EXPECT_EQ(button.commandId, 32774);
    EXPECT_EQ(button.state, MenuBarButton::enabledState);
    EXPECT_TRUE(button.isDropDown());
    EXPECT_EQ(button.stringId, 32776);
    EXPECT_EQ(button.popupIndex, 0);
}

TEST(MenuBarRecord, ReadsSeveralButtonsWordByWord) {
    Bytes bytes;
    for (const std::uint16_t word :
         {200, 2, 3, 40001, 4, 0, 501, 0, 0, 65534, 40002, 0, 8, 502, 0, 1}) {
        appendWord(bytes, word);
    }
    const auto record = MenuBarRecord::parse(bytes);
    ASSERT_TRUE(record);
    ASSERT_EQ(record->buttons.size(), 2u);
    EXPECT_EQ(record->buttons[0].commandId, 40001);
    EXPECT_EQ(record->buttons[0].stringId, 501);
    EXPECT_FALSE(record->buttons[0].isDropDown());
    EXPECT_EQ(record->buttons[1].commandId, 40002);
    EXPECT_EQ(record->buttons[1].stringId, 502);
    EXPECT_EQ(record->buttons[1].state, 0);
    EXPECT_EQ(record->buttons[1].popupIndex, 1);
}

class RejectsRecord : public testing::TestWithParam<BadMenu> {};

INSTANTIATE_TEST_SUITE_P(MenuBarRecord, RejectsRecord,
                         testing::Values(BadMenu{"empty", {}}, BadMenu{"half_header", {0x82, 0x00}},
                                         BadMenu{"truncated", truncated(registeredBar(), 16)},
                                         BadMenu{"odd_size", truncated(registeredBar(), 17)},
                                         BadMenu{"extra_byte", withTrailingByte(registeredBar())},
                                         BadMenu{"count_too_large",
                                                 {0x82, 0x00, 0xff, 0xff, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(RejectsRecord, AsNotARecord) {
    const BytesAtTheEdge bytes(GetParam().bytes);
    EXPECT_FALSE(MenuBarRecord::parse(bytes.bytes()));
}

} // namespace
} // namespace fenwake
