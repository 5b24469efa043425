#include "framework/dialog/explanation_popup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QToolTip>

namespace fenwake {

namespace {

QPointer<ExplanationPopup>& shown() {
    static QPointer<ExplanationPopup> popup;
    return popup;
}

bool isModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

bool asksForTheExplanation(const QKeyEvent& event) {
    return event.key() == Qt::Key_F1 &&
           (event.modifiers() == Qt::ShiftModifier || event.modifiers() == Qt::ControlModifier);
}

// The keys of explanations, seen before any window or control sees them.
class ExplanationKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            return pressed(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return released(*static_cast<QKeyEvent*>(event));
        case QEvent::Show:
            // Qt's tool tip watches the keys too, and hides at the first: this goes first again,
            // to see the Escape that hides it.
            if (watched->inherits("QTipLabel")) {
                QMetaObject::invokeMethod(
                    this, [this] { qApp->installEventFilter(this); }, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Shown as F1 is let go (whatever is let go of first): an explanation goes at the next
    // key, its release included.
    bool pressed(const QKeyEvent& event) {
        if (asksForTheExplanation(event)) {
            asked = true;
            return true;
        }
        if (event.key() == Qt::Key_Escape && QToolTip::isVisible()) {
            // Qt's own hiding waits a moment, and on this desktop no key hides it.
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->inherits("QTipLabel")) {
                    window->hide();
                }
            }
            return true;
        }
        return false;
    }
    bool released(const QKeyEvent& event) {
        if (!asked || event.key() != Qt::Key_F1) {
            return false;
        }
        asked = false;
        ExplanationPopup::explain(QApplication::focusWidget());
        return true;
    }

    bool asked = false;
};

} // namespace

void ExplanationPopup::listenForKeys() {
    static ExplanationKeys* keys = [] {
        auto* listener = new ExplanationKeys;
        listener->setParent(qApp);
        qApp->installEventFilter(listener);
        return listener;
    }();
    (void)keys;
}

void ExplanationPopup::explain(QWidget* focus) {
    if (focus == nullptr) {
        return;
    }
    QString text = focus->toolTip();
    QPoint point = focus->mapToGlobal(focus->rect().bottomLeft());
    const auto* view = qobject_cast<QAbstractItemView*>(focus);
    if (view != nullptr && view->currentIndex().isValid()) {
        const QString row = view->currentIndex().data(Qt::ToolTipRole).toString();
        text = text.isEmpty() ? row : row.isEmpty() ? text : text + "\n\n" + row;
        point = view->viewport()->mapToGlobal(view->visualRect(view->currentIndex()).bottomLeft());
    }
    show(*focus, point, text);
}

ExplanationPopup::ExplanationPopup(QWidget& over)
    : QLabel(&over, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
    setObjectName("fenwake-explanation");
    setAttribute(Qt::WA_DeleteOnClose);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(fontMetrics().height() / 3);
    qApp->installEventFilter(this);
}

void ExplanationPopup::show(QWidget& over, QPoint at, const QString& text) {
    if (shown()) {
        shown()->close();
    }
    if (text.isEmpty()) {
        return;
    }
    auto* popup = new ExplanationPopup(*over.window());
    popup->setText(text);
    popup->adjustSize();
    // Below and to the right of the point, kept on its screen.
    const QRect screen = over.screen()->availableGeometry();
    QPoint place = at + QPoint(2, popup->fontMetrics().height());
    place.setX(std::clamp(place.x(), screen.left(), screen.right() + 1 - popup->width()));
    place.setY(std::clamp(place.y(), screen.top(), screen.bottom() + 1 - popup->height()));
    popup->move(place);
    popup->QLabel::show();
    shown() = popup;
}

ExplanationPopup* ExplanationPopup::current() {
    return shown();
}

bool ExplanationPopup::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (!isModifier(key)) {
            close();
        }
        // Escape puts the explanation away, and nothing else: the window stays open.
        if (key == Qt::Key_Escape) {
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate:
    case QEvent::Wheel:
        close();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace fenwake
