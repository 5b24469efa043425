#include "framework/dialog/dialog.h"

#include "framework/dialog/access_keys.h"
#include "framework/dialog/announcer.h"
#include "framework/dialog/client_area.h"
#include "framework/dialog/control_factory.h"
#include "framework/dialog/control_text.h"
#include "framework/dialog/data_exchange.h"
#include "framework/dialog/dialog_units.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/dialog_window.h"
#include "framework/dialog/form_layout.h"
#include "framework/dialog/notice_board.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/window_icons.h"
#include "framework/dialog/window_placement.h"
#include "framework/language/translation.h"
#include "framework/profile/profile_batch.h"
#include "framework/resources/icon.h"
#include "framework/resources/resources.h"
#include "framework/resources/window_style.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include <map>

namespace fenwake {

namespace {

// An application window with no owner is a normal top-level window for the window manager;
// every other dialog is a dialog, of its owner when it has one.
Qt::WindowFlags windowFlags(const DialogTemplate& dialogTemplate, bool owned) {
    const bool application =
        (dialogTemplate.extendedStyle & windowstyle::extendedApplicationWindow) != 0 && !owned;
    Qt::WindowFlags flags =
        (application ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (application) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    }
    const bool closable = (dialogTemplate.style & windowstyle::systemMenu) != 0 ||
                          (dialogTemplate.extendedStyle & windowstyle::extendedCaptionOkButton);
    if (closable) {
        flags |= Qt::WindowCloseButtonHint;
    }
    return flags;
}

// The controls live in a client area of the template's size; a menu bar may go above it.
ClientArea* createClientArea(QWidget& dialog, const TemplateRect& rect, const DialogUnits& units) {
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* clientArea =
        new ClientArea(&dialog, QSize(units.toPixelsX(rect.width), units.toPixelsY(rect.height)));
    // A larger window gives its room to the controls, never to a notice under them.
    layout->addWidget(clientArea, 1);
    return clientArea;
}

} // namespace

const MessageEntry Dialog::messageEntries[] = {
    commandEntry<&Dialog::onOk>(Notification::Clicked, IDOK),
    commandEntry<&Dialog::onCancel>(Notification::Clicked, IDCANCEL),
};

const MessageMap Dialog::messages{nullptr, messageEntries};

struct Dialog::Window {
    QPointer<DialogWindow> dialog;
    QPointer<ClientArea> clientArea;
    std::unique_ptr<FormLayout> layout; // to place the controls again as some show or hide
    std::vector<FormLayout::Item> formItems;
    QPointer<Announcer> announcer;
    QString openingAnnouncement;
    std::map<int, QPointer<QWidget>> controls;
    WindowIcons icons;
};

Dialog::Dialog(int dialogTemplateId, Dialog* parentDialog)
    : templateId(dialogTemplateId), parent(parentDialog),
      placement(std::make_unique<WindowPlacement>()), noticeBoard(std::make_unique<NoticeBoard>()) {
}

namespace {

Dialog* designatedMainWindow = nullptr;
Profile* handlerProfile = nullptr;

} // namespace

Dialog::~Dialog() {
    destroyWindow();
    if (designatedMainWindow == this) {
        designatedMainWindow = nullptr;
    }
}

void Dialog::designateMainWindow(Dialog* window) {
    designatedMainWindow = window;
}

Dialog* Dialog::mainWindow() {
    return designatedMainWindow;
}

void Dialog::batchHandlerWritesIn(Profile* profile) {
    handlerProfile = profile;
}

const MessageMap* Dialog::messageMap() const {
    return &messages;
}

Dialog* Dialog::owner() const {
    if (parent != nullptr) {
        return parent;
    }
    // Like any modal box, a dialog without a parent belongs to the main window, if there is
    // one and it is not this dialog.
    Dialog* main = designatedMainWindow;
    return (main != this && main != nullptr && main->hasWindow()) ? main : nullptr;
}

bool Dialog::createWindow() {
    const DialogTemplate* dialogTemplate = Resources::dialog(templateId);
    if (dialogTemplate == nullptr || hasWindow()) {
        return false;
    }
    Dialog* ownerDialog = owner();
    QWidget* ownerWindow = ownerDialog != nullptr ? ownerDialog->windowState->dialog : nullptr;
    auto* dialog = new DialogWindow(*this, ownerWindow);
    windowState = std::make_unique<Window>();
    windowState->dialog = dialog;
    dialog->setWindowFlags(windowFlags(*dialogTemplate, ownerDialog != nullptr));
    dialog->setWindowTitle(qtText(translated(dialogTemplate->caption)));
    if (dialogTemplate->fontName != "System") {
        dialog->setFont(
            QFont(QString::fromStdString(dialogTemplate->fontName), dialogTemplate->fontPointSize));
    }

    const DialogUnits units(dialog->font());
    ClientArea* clientArea = createClientArea(*dialog, dialogTemplate->rect, units);
    windowState->clientArea = clientArea;
    ControlFactory factory(*this, *dialog, *clientArea, units);
    for (const auto& [id, widget] : factory.createControls(*dialogTemplate)) {
        windowState->controls.emplace(id, widget);
    }
    clientArea->setFormSize(factory.formSize());
    windowState->layout = factory.takeLayout();
    windowState->formItems = factory.formItems();
    if (QWidget* growing = DialogWidgets::control(*this, dialogTemplate->growingControl)) {
        clientArea->setGrowingControl(growing);
    }
    dialog->layout()->setSizeConstraint(clientArea->grows() ? QLayout::SetDefaultConstraint
                                                            : QLayout::SetFixedSize);
    dialog->setHasEdits(factory.createdEdits());
    noticeBoard->showOn(*dialog);
    placement->placeNew(
        *dialog, *clientArea, ownerWindow,
        QPoint(units.toPixelsX(dialogTemplate->rect.x), units.toPixelsY(dialogTemplate->rect.y)));

    const bool focusFirst = initialiseWindow();
    if (!hasWindow()) {
        return false;
    }
    // Once the menu bar, made as the window initialises, has taken its letters.
    AccessKeys::assign(*dialog, *clientArea);
    if (focusFirst && factory.firstTabStop() != nullptr) {
        factory.firstTabStop()->setFocus(Qt::TabFocusReason);
    }
    return true;
}

int Dialog::runModal() {
    lastEndCode = -1;
    if (!createWindow()) {
        return -1;
    }
    const int code = windowState->dialog->run(placement->prepareToShow());
    destroyWindow();
    return code;
}

bool Dialog::create() {
    lastEndCode = -1;
    if (!createWindow()) {
        return false;
    }
    windowState->dialog->showPlaced(placement->prepareToShow());
    return true;
}

void Dialog::keepSizeIn(Profile* store) {
    placement->keepSizeIn(store);
}

void Dialog::keepSizeNow() {
    if (hasWindow()) {
        placement->keepSize();
    }
}

void Dialog::destroyWindow() {
    if (!windowState) {
        return;
    }
    placement->keepSize();
    if (windowState->dialog) {
        windowState->dialog->detach();
        delete windowState->dialog.data();
    }
    windowState.reset();
}

bool Dialog::hasWindow() const {
    return windowState && windowState->dialog;
}

void Dialog::endDialog(int code) {
    lastEndCode = code;
    if (hasWindow()) {
        windowState->dialog->done(code);
    }
}

void Dialog::onOk() {
    endDialog(IDOK);
}

void Dialog::onCancel() {
    endDialog(IDCANCEL);
}

void Dialog::onLeftButtonDown(unsigned, Point) {
    passToDefault();
}

bool Dialog::initialiseWindow() {
    updateFormData(FormDirection::Write);
    return true;
}

void Dialog::exchangeFormData(DataExchange&) {}

bool Dialog::updateFormData(FormDirection direction) {
    if (!hasWindow()) {
        return false;
    }
    ++formUpdateDepth;
    DataExchange exchange([this](int id) { return DialogWidgets::control(*this, id); }, direction);
    exchangeFormData(exchange);
    --formUpdateDepth;
    return exchange.allFieldsSucceeded();
}

bool Dialog::notify(const Message& message) {
    if (formUpdateDepth > 0 || !hasWindow()) {
        return true;
    }
    const ProfileBatch batch(handlerProfile);
    const bool handled = dispatch(message);
    return !handled || passedToDefault();
}

void Dialog::showControls(std::initializer_list<int> ids, bool shown) {
    if (!hasWindow()) {
        return;
    }
    for (const int id : ids) {
        if (QWidget* control = DialogWidgets::control(*this, id)) {
            control->setVisible(shown);
        }
    }
    // A field's caption shows and hides with its field.
    Window& state = *windowState;
    for (const FormLayout::Item& item : state.formItems) {
        if (const auto* caption = qobject_cast<QLabel*>(item.widget); caption && caption->buddy()) {
            item.widget->setVisible(!caption->buddy()->isHidden());
        }
    }
    const int before = state.clientArea->minimumSizeHint().height();
    state.clientArea->placeAgain(state.layout->arrange(state.formItems));
    const int grown = state.clientArea->minimumSizeHint().height() - before;
    if (grown != 0 && state.dialog->isVisible() && !state.dialog->isMaximized()) {
        state.dialog->resize(state.dialog->width(), state.dialog->height() + grown);
    }
}

void Dialog::enableControl(int id, bool enabled) {
    if (QWidget* control = DialogWidgets::control(*this, id)) {
        control->setEnabled(enabled);
    }
}

void Dialog::setControlText(int id, std::string_view text) {
    ControlText::set(DialogWidgets::control(*this, id), text);
}

std::string Dialog::controlText(int id) const {
    return ControlText::of(DialogWidgets::control(*this, id));
}

void Dialog::nameControl(int id, std::string_view name) {
    if (QWidget* widget = DialogWidgets::control(*this, id)) {
        widget->setAccessibleName(qtText(name));
    }
}

void Dialog::describeControl(int id, std::string_view description) {
    if (QWidget* widget = DialogWidgets::control(*this, id)) {
        widget->setProperty(DataExchange::descriptionProperty, qtText(description));
        DataExchange::describe(*widget);
    }
}

void Dialog::setIcon(const Icon& icon, IconSize size) {
    if (hasWindow()) {
        windowState->icons.set(*windowState->dialog, icon, size);
    }
}

void Dialog::centreWindow() {
    placement->centre();
}

void Dialog::showNotice(std::string_view matter, std::string_view text, std::string_view detail,
                        NoticeKind kind) {
    noticeBoard->show(matter, text, detail, kind);
}

void Dialog::clearNotice(std::string_view matter) {
    noticeBoard->clear(matter);
}

void Dialog::setControlToolTip(int id, std::string_view text) {
    if (QWidget* widget = DialogWidgets::control(*this, id)) {
        widget->setProperty(DataExchange::toolTipProperty, qtText(text));
        DataExchange::showToolTip(*widget);
    }
}

bool Dialog::isFieldMarked(int id) const {
    const QWidget* widget = DialogWidgets::control(*this, id);
    return widget != nullptr && DataExchange::isMarked(*widget);
}

void Dialog::markFieldNeeded(int id, std::string_view reason) {
    if (QWidget* widget = DialogWidgets::control(*this, id)) {
        DataExchange::markNeeded(*widget, qtText(reason));
    }
}

// What the window opens with is read as the window is; the announcer is made only for what
// changes after.
void Dialog::announce(std::string_view text) {
    if (!hasWindow()) {
        return;
    }
    if (!windowState->announcer && !windowState->dialog->isVisible()) {
        windowState->openingAnnouncement = qtText(text);
        return;
    }
    if (!windowState->announcer) {
        windowState->announcer =
            new Announcer(windowState->dialog, windowState->openingAnnouncement);
    }
    windowState->announcer->announce(qtText(text));
}

QWidget* DialogWidgets::window(const Dialog& dialog) {
    return dialog.hasWindow() ? dialog.windowState->dialog.data() : nullptr;
}

QWidget* DialogWidgets::control(const Dialog& dialog, int id) {
    if (!dialog.hasWindow()) {
        return nullptr;
    }
    const auto& controls = dialog.windowState->controls;
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second.data();
}

} // namespace fenwake
