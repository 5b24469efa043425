#include "framework/dialog/explanation_popup.h"

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

} // namespace

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
