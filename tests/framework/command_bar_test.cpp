#include "framework/dialog/dialog.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/menu/command_bar.h"
#include "framework/resources/resources.h"
#include "framework/resources/window_style.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <cstdint>
#include <vector>

namespace fenwake {
namespace {

constexpr std::uint32_t barWindowStyle =
    windowstyle::child | windowstyle::visible | windowstyle::barAlongTop;

using Bytes = std::vector<std::uint8_t>;

constexpr int IDD_HOST = 9100;
constexpr int IDR_BAR = 300;
constexpr int IDR_MENU = 301;
constexpr int IDS_FILE = 400;
constexpr int IDS_GO = 401;
constexpr int IDM_OPEN = 40010;
constexpr int IDM_GO = 40020;

Bytes words(std::initializer_list<std::uint16_t> values) {
    Bytes bytes;
    for (const std::uint16_t value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    return bytes;
}

// Menu 301: pop-up "File" with "Open", then the last pop-up "Edit" with "Undo".
const Bytes fileMenu =
    words({0, 0,    0x10, 'F', 'i', 'l', 'e', 0,    0x80, IDM_OPEN, 'O', 'p', 'e', 'n',
           0, 0x90, 'E',  'd', 'i', 't', 0,   0x82, 1,    'U',      'n', 'd', 'o', 0});

class HostDialog : public Dialog {
public:
    HostDialog() : Dialog(IDD_HOST) {}
    std::vector<int> commands;

protected:
    const MessageMap* messageMap() const override { return &messages; }

private:
    void onOpen() { commands.push_back(IDM_OPEN); }
    void onGo() { commands.push_back(IDM_GO); }

    static const MessageEntry messageEntries[];
    static const MessageMap messages;
};

const MessageEntry HostDialog::messageEntries[] = {
    commandEntry<&HostDialog::onOpen>(Notification::Clicked, IDM_OPEN),
    commandEntry<&HostDialog::onGo>(Notification::Clicked, IDM_GO),
};

const MessageMap HostDialog::messages{&Dialog::messages, messageEntries};

class CommandBarTest : public testing::Test {
protected:
    void SetUp() override {
        DialogTemplate host;
        host.rect = {0, 0, 100, 50};
        host.caption = "Host";
        Resources::addDialog(IDD_HOST, host);
        Resources::addMenu(IDR_MENU, fileMenu);
        Resources::addString(IDS_FILE, "File");
        Resources::addString(IDS_GO, "G&o");
        ASSERT_TRUE(dialog.create());
    }

    bool insert(const Bytes& record) {
        Resources::addMenuBar(IDR_BAR, record);
        EXPECT_TRUE(
            bar.create(dialog, windowstyle::toolBarFlat, barWindowStyle, CommandBar::standardId));
        return bar.insertMenuBar(IDR_BAR, CommandBar::noBitmap);
    }

    QMenuBar* menuBar() const { return DialogWidgets::window(dialog)->findChild<QMenuBar*>(); }

    HostDialog dialog;
    CommandBar bar;
};

TEST_F(CommandBarTest, ShowsADropDownAndACommandButton) {
    // Button 1: drop-down "File" opening pop-up 0; button 2: "Go", image 5, sends IDM_GO.
    ASSERT_TRUE(insert(words(
        {IDR_MENU, 2, 0xFFFE, 1, 4, 0x18, IDS_FILE, 0, 0, 5, IDM_GO, 4, 0x10, IDS_GO, 0, 0})));
    const QList<QAction*> buttons = menuBar()->actions();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->text(), "&File");
    ASSERT_NE(buttons[0]->menu(), nullptr);
    ASSERT_EQ(buttons[0]->menu()->actions().size(), 1);
    EXPECT_EQ(buttons[0]->menu()->actions()[0]->text(), "&Open");
    EXPECT_EQ(buttons[1]->text(), "G&o"); // a text that marks its own access key keeps it
    EXPECT_TRUE(buttons[1]->icon().isNull());
    EXPECT_TRUE(menuBar()->isVisible());

    buttons[0]->menu()->actions()[0]->trigger();
    QTest::mouseClick(menuBar(), Qt::LeftButton, {},
                      menuBar()->actionGeometry(buttons[1]).center());
    EXPECT_EQ(dialog.commands, (std::vector<int>{IDM_OPEN, IDM_GO}));
}

TEST_F(CommandBarTest, SecondPopupAndDisabledButton) {
    ASSERT_TRUE(insert(words({IDR_MENU, 1, 0xFFFE, 1, 0, 0x08, IDS_GO, 0, 1})));
    const QList<QAction*> buttons = menuBar()->actions();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_FALSE(buttons[0]->isEnabled());
    EXPECT_EQ(buttons[0]->menu()->actions()[0]->text(), "&Undo");
    // Its only flag besides the end is "disabled", without "grayed": it is disabled all the same.
    EXPECT_FALSE(buttons[0]->menu()->actions()[0]->isEnabled());
}

struct BrokenBar {
    const char* name;
    Bytes record;
};

void PrintTo(const BrokenBar& c, std::ostream* out) {
    *out << c.name;
}

class ShowsNoBar : public CommandBarTest, public testing::WithParamInterface<BrokenBar> {};

INSTANTIATE_TEST_SUITE_P(
    CommandBar, ShowsNoBar,
    testing::Values(
        BrokenBar{"truncated", words({IDR_MENU, 1, 0xFFFE, 1, 4, 0x18, IDS_FILE, 0})},
        BrokenBar{"count_beyond_bytes", words({IDR_MENU, 2, 0xFFFE, 1, 4, 0x18, IDS_FILE, 0, 0})},
        BrokenBar{"no_buttons", words({IDR_MENU, 0})},
        BrokenBar{"missing_menu", words({999, 1, 0xFFFE, 1, 4, 0x18, IDS_FILE, 0, 0})},
        BrokenBar{"missing_string", words({IDR_MENU, 1, 0xFFFE, 1, 4, 0x18, 999, 0, 0})},
        BrokenBar{"popup_out_of_range", words({IDR_MENU, 1, 0xFFFE, 1, 4, 0x18, IDS_FILE, 0, 2})},
        BrokenBar{"second_button_broken", words({IDR_MENU, 2, 0xFFFE, 1, 4, 0x18, IDS_FILE, 0, 0,
                                                 0xFFFE, 2, 4, 0x18, IDS_GO, 0, 7})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ShowsNoBar, WhenTheResourcesDoNotHoldTogether) {
    EXPECT_FALSE(insert(GetParam().record));
    ASSERT_NE(menuBar(), nullptr);
    EXPECT_FALSE(menuBar()->isVisible());
    EXPECT_TRUE(menuBar()->actions().isEmpty());
}

TEST(CommandBar, WithoutAWindowCreatesNothing) {
    HostDialog dialog;
    CommandBar bar;
    EXPECT_FALSE(
        bar.create(dialog, windowstyle::toolBarFlat, barWindowStyle, CommandBar::standardId));
    EXPECT_FALSE(bar.insertMenuBar(IDR_BAR, CommandBar::noBitmap));
}

} // namespace
} // namespace fenwake
