#include "framework/dialog/dialog_window.h"

#include "framework/dialog/end_codes.h"
#include "framework/dialog/explanation_popup.h"
#include "framework/dialog/mouse_message.h"
#include "framework/message/notification_sink.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace fenwake {

namespace {

// A window of its own is an application's frame to a screen reader, not a dialog: Orca would
// otherwise name "Fenwake dialog" before everything it says of it.
QAccessibleInterface* frameFor(const QString& className, QObject* object) {
    auto* window = dynamic_cast<DialogWindow*>(object);
    if (className != QLatin1String("QDialog") || window == nullptr ||
        window->windowFlags().testFlag(Qt::Dialog)) {
        return nullptr;
    }
    return new QAccessibleWidget(window, QAccessible::Window);
}

} // namespace

DialogWindow::DialogWindow(NotificationSink& ownerDialog, QWidget* parent)
    : QDialog(parent), owner(ownerDialog) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(frameFor);
        ExplanationPopup::listenForKeys();
        return true;
    }();
    (void)factoryInstalled;
}

int DialogWindow::run(bool maximised) {
    if (windowFlags().testFlag(Qt::Dialog)) {
        return exec();
    }
    QEventLoop loop;
    QObject::connect(this, &QDialog::finished, &loop, [&loop](int code) { loop.exit(code); });
    showPlaced(maximised);
    return loop.exec();
}

void DialogWindow::showPlaced(bool maximised) {
    if (maximised) {
        showMaximized();
    } else {
        show();
    }
}

bool DialogWindow::report(Notification notification, int id) {
    if (detached) {
        return true;
    }
    Message message;
    message.notification = notification;
    message.id = id;
    return owner.notify(message);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (focusIn || event->type() == QEvent::FocusOut) {
        // A pop-up menu taking the keyboard for a moment is no change of the edit's focus.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const QVariant id = watched->property("controlId");
        // Qt may deliver focus-in twice as a window opens; an edit gains the focus once.
        const bool changed = focusIn ? focusedEdit != watched : focusedEdit == watched;
        if (reason != Qt::PopupFocusReason && id.isValid() && changed) {
            focusedEdit = focusIn ? watched : nullptr;
            report(focusIn ? Notification::EditFocusGained : Notification::EditFocusLost,
                   id.toInt());
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool DialogWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // Qt hides the focus again as it hands the focus back to the window, after this
        // event: so the focus is shown once that is done. A click clears it, as it should.
        QMetaObject::invokeMethod(
            this,
            [this] {
                setAttribute(Qt::WA_KeyboardFocusChange);
                if (QWidget* focus = focusWidget()) {
                    focus->update();
                }
            },
            Qt::QueuedConnection);
    }
    return QDialog::event(event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    // Ctrl+W closes the window as its close button does; Ctrl+Q closes it and then the window
    // it belongs to, and so the program. (Named here: not every desktop's key bindings know
    // them.)
    const bool control = event->modifiers() == Qt::ControlModifier;
    const bool quit = control && event->key() == Qt::Key_Q;
    if (quit || (control && event->key() == Qt::Key_W) || event->matches(QKeySequence::Close)) {
        report(Notification::Clicked, IDOK);
        if (quit && parentWidget() != nullptr) {
            QCoreApplication::postEvent(
                parentWidget()->window(),
                new QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier));
        }
        return;
    }
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && event->key() == Qt::Key_Escape) {
        report(Notification::Clicked, IDCANCEL);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (plain && enter && !editsPresent) {
        report(Notification::Clicked, IDOK);
        return;
    }
    event->ignore();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    report(Notification::Clicked, IDOK);
}

void DialogWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !detached) {
        if (!owner.notify(leftButtonDownMessage(*event, event->position().toPoint()))) {
            event->accept();
            return;
        }
    }
    QDialog::mousePressEvent(event);
}

} // namespace fenwake
