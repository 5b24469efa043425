#include "framework/dialog/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <utility>

namespace fenwake {

namespace {

constexpr const char* announcerName = "fenwake-announcer";

QAccessibleInterface* notificationFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("QWidget") || widget == nullptr ||
        widget->objectName() != QLatin1String(announcerName)) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

} // namespace

Announcer::Announcer(QWidget* parent, QString alreadySaid)
    : QWidget(parent), spoken(std::move(alreadySaid)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(announcerName);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
    pause.setSingleShot(true);
    pause.setInterval(pauseMilliseconds);
    QObject::connect(&pause, &QTimer::timeout, this, [this] { present(); });
}

void Announcer::announce(const QString& text) {
    pending = text;
    pause.start();
}

void Announcer::present() {
    if (pending == spoken) {
        return;
    }
    spoken = pending;
    hide();
    setAccessibleName(spoken);
    show();
}

} // namespace fenwake
