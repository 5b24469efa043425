#include "framework/dialog/window_thread.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace fenwake {

void WindowThread::post(std::function<void()> task) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return; // the windows are gone, and with them whoever would hear it
    }
    QMetaObject::invokeMethod(application, std::move(task), Qt::QueuedConnection);
}

} // namespace fenwake
