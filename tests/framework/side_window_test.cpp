// A window beside the main one opens where it hides the least of it, wholly on the screen, and
// again where and as large as it was when it was last put away, never larger than the screen.
#include "framework/application/application.h"
#include "framework/dialog/side_window.h"
#include "framework/profile/profile.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <QWidget>

#include <filesystem>

namespace fenwake {
namespace {

// Where the owner stands, as a share of the room the screen leaves it (0 at the left or top,
// 1 at the right or bottom), and what the window's frame then touches.
struct Placing {
    const char* name;
    double ownerX;
    double ownerY;
    QSize size;        // the window's own size before it is placed
    const char* where; // "right of", "left of", "screen right", "screen bottom"
};

void PrintTo(const Placing& p, std::ostream* out) {
    *out << p.name;
}

class SideWindowTest : public testing::Test {
protected:
    SideWindowTest() {
        std::filesystem::remove(state.filePath());
        owner.resize(300, 200);
    }
    QRect screen() const { return owner.screen()->availableGeometry(); }
    void showOwnerAt(double x, double y) {
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        const QSize frame = owner.frameGeometry().size();
        owner.move(screen().left() + static_cast<int>((screen().width() - frame.width()) * x),
                   screen().top() + static_cast<int>((screen().height() - frame.height()) * y));
        ASSERT_TRUE(QTest::qWaitFor([&] { return owner.frameGeometry().size() == frame; }));
    }
    // The window as the program makes it: placed first, then shown.
    void open(QWidget& window) {
        SideWindow::place(window, owner, &state, "Side");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    Profile state{"Kestrova", Application::applicationName(), Profile::Kind::State};
    QWidget owner;
};

class PlacesBeside : public SideWindowTest, public testing::WithParamInterface<Placing> {};

INSTANTIATE_TEST_SUITE_P(
    SideWindow, PlacesBeside,
    testing::Values(Placing{"room_on_the_right", 0, 0, {300, 250}, "right of"},
                    Placing{"room_on_the_left", 1, 0, {300, 250}, "left of"},
                    Placing{"room_on_neither_side", 0.4, 0, {600, 250}, "screen right"},
                    Placing{"owner_at_the_foot", 0, 1, {300, 500}, "screen bottom"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(PlacesBeside, WhereItHidesTheLeastWholeOnTheScreen) {
    showOwnerAt(GetParam().ownerX, GetParam().ownerY);
    QWidget window(&owner, Qt::Window);
    window.resize(GetParam().size);
    open(window);
    const QRect frame = window.frameGeometry();
    const QRect ownerFrame = owner.frameGeometry();
    EXPECT_TRUE(screen().contains(frame));
    const std::string where = GetParam().where;
    if (where == "right of") {
        EXPECT_EQ(frame.left(), ownerFrame.right() + 1);
        EXPECT_EQ(frame.top(), ownerFrame.top());
    } else if (where == "left of") {
        EXPECT_EQ(frame.right(), ownerFrame.left() - 1);
    } else if (where == "screen right") {
        EXPECT_EQ(frame.right(), screen().right());
    } else {
        EXPECT_EQ(frame.bottom(), screen().bottom());
    }
    EXPECT_EQ(window.size(), GetParam().size);
}

// Put away, it keeps its place and size; it opens there again, and a place or size the screen
// no longer has (a smaller screen, a hand-edited file) is brought back onto it.
TEST_F(SideWindowTest, OpensWhereItWasPutAwayAndNeverOffTheScreen) {
    showOwnerAt(0, 0);
    {
        QWidget window(&owner, Qt::Window);
        window.resize(320, 240);
        open(window);
        window.move(window.pos() + QPoint(13, 17));
        window.resize(333, 222);
        window.hide();
        EXPECT_EQ(state.readInteger("Window", "SideWidth", 0), 333);
        EXPECT_EQ(state.readInteger("Window", "SideHeight", 0), 222);
        const QPoint kept(state.readInteger("Window", "SideX", 0),
                          state.readInteger("Window", "SideY", 0));
        // Kept where the next session reads it.
        ASSERT_TRUE(state.waitUntilWritten(std::chrono::seconds(10)));
        Profile next("Kestrova", Application::applicationName(), Profile::Kind::State);
        EXPECT_EQ(next.readInteger("Window", "SideWidth", 0), 333);
        QWidget again(&owner, Qt::Window);
        open(again);
        EXPECT_EQ(again.pos(), kept);
        EXPECT_EQ(again.size(), QSize(333, 222));
    }
    for (const QRect& kept :
         {QRect(-5000, -4000, 300, 200), QRect(screen().right() + 100, 10, 300, 200),
          QRect(0, 0, screen().width() * 3, screen().height() * 2)}) {
        state.writeInteger("Window", "SideX", kept.x());
        state.writeInteger("Window", "SideY", kept.y());
        state.writeInteger("Window", "SideWidth", kept.width());
        state.writeInteger("Window", "SideHeight", kept.height());
        QWidget window(&owner, Qt::Window);
        open(window);
        EXPECT_TRUE(screen().contains(window.frameGeometry()))
            << kept.x() << "," << kept.y() << " " << kept.width() << "x" << kept.height();
    }
}

} // namespace
} // namespace fenwake
