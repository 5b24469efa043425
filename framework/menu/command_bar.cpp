#include "framework/menu/command_bar.h"

#include "framework/language/translation.h"

#include "framework/dialog/dialog.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/qt_text.h"
#include "framework/formats/menu_bar_record.h"
#include "framework/formats/menu_template.h"
#include "framework/resources/resources.h"
#include "framework/resources/window_style.h"

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QShortcut>

#include <vector>

namespace fenwake {

struct CommandBar::Bar {
    Dialog* parent = nullptr;
    QPointer<QMenuBar> menuBar;
    bool showWhenFilled = false;
};

namespace {

// The item of that command in the bar's menus.
QAction* findCommand(const QMenuBar& bar, int id) {
    for (QAction* action : bar.findChildren<QAction*>()) {
        if (action->property("commandId").toInt() == id && !action->menu()) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

namespace {

// A menu's text with its first letter or digit that no item before it in the same menu has
// taken marked as the key that chooses it (Alt plus that key on the bar, the key alone in a
// pop-up), unless the text marks one itself.
QString withAccessKey(const std::string& text, QSet<QChar>& taken) {
    QString marked = qtText(translated(text));
    if (const qsizetype own = marked.indexOf('&'); own >= 0 && own + 1 < marked.size()) {
        taken.insert(marked[own + 1].toLower());
        return marked;
    }
    for (qsizetype at = 0; at < marked.size(); ++at) {
        if (marked[at].isLetterOrNumber() && !taken.contains(marked[at].toLower())) {
            taken.insert(marked[at].toLower());
            marked.insert(at, '&');
            break;
        }
    }
    return marked;
}

// Once the pop-up shows, its first item that can be chosen is the highlighted one.
void highlightFirstItem(QMenu* popup) {
    if (popup == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        popup,
        [popup] {
            for (QAction* item : popup->actions()) {
                if (item->isVisible() && item->isEnabled() && !item->isSeparator()) {
                    popup->setActiveAction(item);
                    return;
                }
            }
        },
        Qt::QueuedConnection);
}

void sendCommand(Dialog& dialog, int id) {
    dialog.notify(Message{MessageKind::Command, Notification::Clicked, id, 0, {}});
}

QAction* commandAction(const QString& text, int id, Dialog& dialog, QObject* owner) {
    auto* action = new QAction(text, owner);
    QObject::connect(action, &QAction::triggered, action,
                     [&dialog, id] { sendCommand(dialog, id); });
    return action;
}

// An item's key, named after a tab in its text, chooses it from anywhere in the window.
void giveShortcut(QAction& action, const MenuItem& item) {
    if (const std::string keys = item.shortcut(); !keys.empty()) {
        action.setShortcut(QKeySequence(qtText(keys), QKeySequence::PortableText));
    }
}

void fillMenu(QMenu& menu, const std::vector<MenuItem>& items, Dialog& dialog) {
    QActionGroup* choices = nullptr; // the pop-up's radio items, one checked at a time
    QSet<QChar> taken;               // the access keys of the items before
    for (const MenuItem& item : items) {
        if (item.isSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (item.isPopup()) {
            QMenu* submenu = menu.addMenu(withAccessKey(item.text, taken));
            fillMenu(*submenu, item.items, dialog);
            action = submenu->menuAction();
        } else {
            action = commandAction(withAccessKey(item.label(), taken), item.id, dialog, &menu);
            action->setProperty("commandId", item.id);
            giveShortcut(*action, item);
            const bool radio = (item.flags & MenuItem::radio) != 0;
            action->setCheckable(radio || (item.flags & MenuItem::checked) != 0);
            action->setChecked((item.flags & MenuItem::checked) != 0);
            if (radio) {
                choices = choices != nullptr ? choices : new QActionGroup(&menu);
                choices->addAction(action);
            }
            menu.addAction(action);
        }
        action->setEnabled((item.flags & (MenuItem::grayed | MenuItem::disabled)) == 0);
    }
}

// The bar's contents, or nothing at all when any part of the resources is missing or wrong.
std::vector<QAction*> buildButtons(const MenuBarRecord& record, const std::vector<MenuItem>& menu,
                                   Dialog& dialog, QMenuBar& bar) {
    std::vector<QAction*> buttons;
    bool complete = true;
    QSet<QChar> taken; // the bar's access keys
    for (const MenuBarButton& button : record.buttons) {
        const std::string* text = Resources::string(button.stringId);
        const bool popupFound =
            button.popupIndex < menu.size() && menu.at(button.popupIndex).isPopup();
        if (text == nullptr || (button.isDropDown() && !popupFound)) {
            complete = false;
            break;
        }
        QAction* action = nullptr;
        if (button.isDropDown()) {
            auto* popup = new QMenu(withAccessKey(*text, taken), &bar);
            fillMenu(*popup, menu.at(button.popupIndex).items, dialog);
            action = popup->menuAction();
        } else {
            action = commandAction(withAccessKey(*text, taken), button.commandId, dialog, &bar);
        }
        action->setEnabled((button.state & MenuBarButton::enabledState) != 0);
        action->setVisible((button.state & MenuBarButton::hiddenState) == 0);
        buttons.push_back(action);
    }
    if (!complete) {
        for (QAction* action : buttons) {
            // A pop-up takes its own action with it.
            QObject* owner = action->menu();
            delete (owner != nullptr ? owner : action);
        }
        buttons.clear();
    }
    return buttons;
}

} // namespace

CommandBar::CommandBar() : bar(std::make_unique<Bar>()) {}

CommandBar::~CommandBar() = default;

// The control style asks for a flat tool bar, which is how a Qt menu bar looks anyway.
bool CommandBar::create(Dialog& parent, std::uint32_t, std::uint32_t windowStyle, int id) {
    QWidget* window = DialogWidgets::window(parent);
    if (window == nullptr || window->layout() == nullptr) {
        return false;
    }
    auto* menuBar = new QMenuBar(window);
    menuBar->setObjectName(QString("commandBar%1").arg(id));
    menuBar->setNativeMenuBar(false); // the bar belongs to this window
    menuBar->hide();
    if ((windowStyle & windowstyle::barAlongTop) != 0) {
        window->layout()->setMenuBar(menuBar);
    }
    bar->parent = &parent;
    bar->menuBar = menuBar;
    // F10 opens the first menu with its first item highlighted, as on any desktop: Return then
    // chooses it, as after Alt and the menu's letter.
    auto* openFirstMenu = new QShortcut(QKeySequence(Qt::Key_F10), menuBar);
    QObject::connect(openFirstMenu, &QShortcut::activated, menuBar, [menuBar] {
        for (QAction* button : menuBar->actions()) {
            if (button->isVisible() && button->isEnabled()) {
                menuBar->setActiveAction(button);
                highlightFirstItem(button->menu());
                return;
            }
        }
    });
    bar->showWhenFilled = (windowStyle & windowstyle::visible) != 0;
    return true;
}

bool CommandBar::checkCommand(int commandId, bool checked) {
    QAction* item = bar->menuBar ? findCommand(*bar->menuBar, commandId) : nullptr;
    if (item == nullptr) {
        return false;
    }
    item->setCheckable(true);
    item->setChecked(checked);
    return true;
}

bool CommandBar::insertMenuBar(int menuBarId, int) {
    QMenuBar* menuBar = bar->menuBar;
    const std::vector<std::uint8_t>* recordBytes = Resources::menuBar(menuBarId);
    if (menuBar == nullptr || recordBytes == nullptr) {
        return false;
    }
    const std::optional<MenuBarRecord> record = MenuBarRecord::parse(*recordBytes);
    const std::vector<std::uint8_t>* menuBytes = record ? Resources::menu(record->menuId) : nullptr;
    const auto menu = menuBytes ? MenuTemplate::parse(*menuBytes) : std::nullopt;
    if (!menu) {
        return false;
    }
    const std::vector<QAction*> buttons = buildButtons(*record, *menu, *bar->parent, *menuBar);
    if (buttons.empty()) {
        return false;
    }
    for (QAction* button : buttons) {
        menuBar->addAction(button);
    }
    menuBar->setVisible(bar->showWhenFilled);
    return true;
}

} // namespace fenwake
