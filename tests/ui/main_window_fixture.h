#pragma once

#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/explanation_popup.h"
#include "framework/dialog/input_panel.h"
#include "framework/profile/profile.h"
#include "tests/support/test_application.h"
#include "ui/main_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fenwake::test {

// Counts how often the widget it watches is shown: a notification is shown anew with each text
// it announces, and a screen reader speaks it as it shows.
class ShowCounter : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        shown += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

// The documented entry: a man, imperial, waist 34, weight 180, height 70.
inline constexpr const char* manImperial =
    "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=0\n";

// The main window, opened offscreen on the settings file the test wrote first, and active so
// that keys and focus behave as for a person at the keyboard.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() {
        application.profile().setWriteListener(
            [this](std::string_view, std::string_view key, std::string_view text) {
                writes.push_back(std::string(key) + "=" + std::string(text));
            });
        InputPanel::setListener([this](const Dialog& window, InputPanelRequest request) {
            panelRequests.push_back({&window, request});
        });
    }
    ~MainWindowTest() override { InputPanel::setListener({}); }

    // As at start-up: constructed (reading the settings), designated the main window, shown.
    void openWindow() {
        dialog = std::make_unique<MainDialog>();
        application.setMainWindow(dialog.get());
        ASSERT_TRUE(dialog->create());
        DialogWidgets::window(*dialog)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(DialogWidgets::window(*dialog)));
    }

    QLineEdit* edit(int id) const {
        return qobject_cast<QLineEdit*>(DialogWidgets::control(*dialog, id));
    }
    QCheckBox* checkBox(int id) const {
        return qobject_cast<QCheckBox*>(DialogWidgets::control(*dialog, id));
    }
    QLabel* label(int id) const {
        return qobject_cast<QLabel*>(DialogWidgets::control(*dialog, id));
    }
    QTableWidget* list(int id) const {
        return qobject_cast<QTableWidget*>(DialogWidgets::control(*dialog, id));
    }

    std::string text(int id) const { return dialog->controlText(id); }

    QTableWidget* results() const { return list(1005); }
    std::string cell(int row, int column) const {
        const QTableWidgetItem* item = results()->item(row, column);
        return item != nullptr ? item->text().toStdString() : std::string();
    }
    // The value column, top to bottom.
    std::vector<std::string> figures() const {
        std::vector<std::string> values;
        for (int row = 0; row < 5; ++row) {
            values.push_back(cell(row, 1));
        }
        return values;
    }
    // The quiet line at the foot of the window for a matter ("settings": the values are not
    // being kept; "entry": a field holds no number), or "" while it is hidden.
    std::string notice(const char* matter = "settings") const {
        const auto* line =
            DialogWidgets::window(*dialog)->findChild<QLabel*>(QString("notice-") + matter);
        return line != nullptr && line->isVisible() ? line->text().toStdString() : std::string();
    }
    // The line's detail, as a screen reader has it; its tool tip is the same in short lines.
    std::string noticeDetail(const char* matter = "settings") const {
        const auto* line =
            DialogWidgets::window(*dialog)->findChild<QLabel*>(QString("notice-") + matter);
        return line != nullptr ? line->accessibleDescription().toStdString() : std::string();
    }

    // What the fields show: waist, weight, height.
    std::vector<std::string> fields() const { return {text(1002), text(1003), text(1008)}; }

    // Keys go where the keyboard focus is, as they would for a person.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void type(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }

    // Shift+F1 on each control of the window that takes the focus, then Escape: the controls
    // that showed no explanation, and any Escape that closed the window rather than the
    // explanation alone.
    static std::vector<std::string> unexplainedControls(QWidget& window) {
        std::vector<std::string> missing;
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible() ||
                !control->isEnabled() || control->focusProxy() != nullptr) {
                continue;
            }
            const std::string name = std::string(control->metaObject()->className()) + " " +
                                     control->objectName().toStdString() + " " +
                                     control->accessibleName().toStdString();
            control->setFocus(Qt::TabFocusReason);
            press(Qt::Key_F1, Qt::ShiftModifier);
            const ExplanationPopup* popup = ExplanationPopup::current();
            if (popup == nullptr || !popup->isVisible() || popup->text().isEmpty()) {
                missing.push_back(name);
            }
            press(Qt::Key_Escape);
            if (!window.isVisible()) {
                missing.push_back("Escape closed the window at " + name);
                break;
            }
        }
        return missing;
    }

    // Chooses the item of this text from the pop-up menu that `open` brings up (a menu runs
    // its own loop: the choice is made from within it, as soon as it is up).
    static void chooseFromMenu(const QString& text, const std::function<void()>& open) {
        QTimer::singleShot(0, [text] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == text) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            FAIL() << "no " << text.toStdString() << " in the menu";
        });
        open();
    }
    // Opens a view's context menu with the mouse on the point (of its viewport, if it has one).
    static void openContextMenu(QWidget& widget, QPoint point) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, widget.mapToGlobal(point));
        QApplication::sendEvent(&widget, &event);
    }

    void focusField(int id) {
        QTest::mouseClick(edit(id), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), edit(id));
    }

    TestApplication application;
    std::unique_ptr<MainDialog> dialog;
    std::vector<std::string> writes; // every profile write, in order, as "Key=text"
    struct PanelRequest {
        const Dialog* window;
        InputPanelRequest request;
    };
    std::vector<PanelRequest> panelRequests; // every on-screen keyboard request, in order
};

} // namespace fenwake::test
