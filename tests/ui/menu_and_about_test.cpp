#include "framework/dialog/dialog_widgets.h"
#include "framework/resources/resources.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <functional>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::readSettingsFile;
using test::writeSettingsFile;

class MenuTest : public MainWindowTest {
protected:
    QMenuBar* menuBar() const { return DialogWidgets::window(*dialog)->findChild<QMenuBar*>(); }

    // Opens Tools with the mouse and returns its pop-up, as a person would see it.
    QMenu* openTools() {
        QAction* tools = menuBar()->actions().value(0);
        QTest::mouseClick(menuBar(), Qt::LeftButton, {}, menuBar()->actionGeometry(tools).center());
        QMenu* popup = tools->menu();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(popup));
        return popup;
    }

    // Chooses About; once the box is up, looks at it and ends it with the key given.
    void chooseAbout(const std::function<void(QWidget&)>& inspect, Qt::Key closingKey) {
        QMenu* popup = openTools();
        QAction* about = popup->actions().value(0);
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            ASSERT_NE(box, DialogWidgets::window(*dialog));
            inspect(*box);
            QTest::keyClick(box, closingKey);
        });
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(about).center());
    }

    static int visibleAboutBoxes() {
        int boxes = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            boxes += widget->windowTitle() == "About" ? 1 : 0;
        }
        return boxes;
    }
};

// One button, Tools, whose first item is About; what the program added follows it, each with
// the key that chooses it from anywhere in the window.
TEST_F(MenuTest, MenuBarHoldsToolsWithAboutFirst) {
    openWindow();
    ASSERT_NE(menuBar(), nullptr);
    EXPECT_TRUE(menuBar()->isVisible());
    const QList<QAction*> buttons = menuBar()->actions();
    ASSERT_EQ(buttons.size(), 1);
    // Each text's first letter that no item above it took is its access key; the texts of the
    // resources stay as they are.
    EXPECT_EQ(buttons[0]->text(), "&Tools");
    QMenu* popup = openTools();
    QStringList items;
    QStringList keys;
    for (const QAction* item : popup->actions()) {
        items << item->text();
        keys << item->shortcut().toString();
    }
    EXPECT_EQ(items, (QStringList{"&About", "&Help", "&Method", "A&dd to History",
                                  QString::fromUtf8("H&istory…"), QString::fromUtf8("&Goal…")}));
    EXPECT_EQ(keys, (QStringList{"", "F1", "", "Ctrl+D", "Ctrl+H", ""}));
    popup->close();
    EXPECT_EQ(*Resources::string(IDS_TOOLS), "Tools");
}

// As desktop users reach a menu: F10 opens the first one, Alt and a button's first letter its
// pop-up, and an item's first letter chooses it. Nothing reaches the field that had the focus.
TEST_F(MenuTest, TheKeyboardOpensToolsAndChoosesAbout) {
    openWindow();
    focusField(IDC_WAIST);
    QMenu* tools = menuBar()->actions().value(0)->menu();
    press(Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools));
    // Its first item is highlighted at once: Return chooses About.
    ASSERT_TRUE(QTest::qWaitFor([tools] { return tools->activeAction() != nullptr; }, 2000));
    EXPECT_EQ(tools->activeAction()->text(), "&About");
    bool aboutByReturn = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        aboutByReturn = box != nullptr && box->windowTitle() == "About";
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(tools, Qt::Key_Return);
    EXPECT_TRUE(aboutByReturn);
    EXPECT_FALSE(tools->isVisible());
    DialogWidgets::window(*dialog)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(DialogWidgets::window(*dialog)));

    focusField(IDC_WAIST);
    press(Qt::Key_T, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools));
    bool aboutOpened = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        aboutOpened = box != nullptr && box->windowTitle() == "About";
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(tools, Qt::Key_A);
    EXPECT_TRUE(aboutOpened);
    EXPECT_EQ(text(IDC_WAIST), "0");
    EXPECT_TRUE(writes.empty());
}

TEST_F(MenuTest, OpeningTheMenuMakesNoKeyboardRequest) {
    openWindow();
    focusField(IDC_WAIST);
    panelRequests.clear();
    openTools()->close();
    QApplication::processEvents();
    EXPECT_TRUE(panelRequests.empty());
    EXPECT_EQ(QApplication::focusWidget(), edit(IDC_WAIST));
}

TEST_F(MenuTest, ToolsButtonCommandHasNoHandler) {
    openWindow();
    const Message tools{MessageKind::Command, Notification::Clicked, IDM_TOOLS, 0, {}};
    EXPECT_FALSE(dialog->dispatch(tools));
}

TEST_F(MenuTest, AboutShowsIconNameAndContactAndChangesNothing) {
    writeSettingsFile(manImperial);
    openWindow();
    const auto figuresBefore = figures();
    QString caption;
    QStringList texts;
    bool hasIcon = false;
    chooseAbout(
        [&](QWidget& box) {
            caption = box.windowTitle();
            for (const QLabel* label : box.findChildren<QLabel*>()) {
                hasIcon = hasIcon || !label->pixmap().isNull();
                if (!label->text().isEmpty()) {
                    texts << label->text();
                }
            }
        },
        Qt::Key_Return);
    EXPECT_EQ(caption, "About");
    EXPECT_TRUE(hasIcon);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], "Fenwake 1.1");
    EXPECT_EQ(texts[1].count('\n'), 1);
    EXPECT_TRUE(texts[1].contains("Copyright"));
    EXPECT_EQ(texts[2], "The figures are estimates from simple formulas, not medical advice.");

    EXPECT_EQ(visibleAboutBoxes(), 0);
    EXPECT_EQ(fields(), (std::vector<std::string>{"34", "180", "70"}));
    EXPECT_EQ(figures(), figuresBefore);
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(readSettingsFile(), manImperial);
}

TEST_F(MenuTest, AboutOpensFreshEachTimeAndClosesWithReturnOrEscape) {
    openWindow();
    int opened = 0;
    const auto count = [&](QWidget& box) {
        opened += box.isVisible() ? 1 : 0;
    };
    chooseAbout(count, Qt::Key_Return);
    EXPECT_EQ(visibleAboutBoxes(), 0);
    chooseAbout(count, Qt::Key_Escape);
    EXPECT_EQ(visibleAboutBoxes(), 0);
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(DialogWidgets::window(*dialog)->isVisible());
}

// The program's resources make its identity the application's own, as Qt reports it to the
// desktop: the product name and version, and the desktop entry windows are matched to.
TEST(Identity, IsTheProgramsAsTheDesktopSeesIt) {
    test::TestApplication application;
    EXPECT_EQ(QCoreApplication::applicationName(), "Fenwake");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "1.1.0.0");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.kestrova.fenwake");
}

} // namespace
} // namespace fenwake
