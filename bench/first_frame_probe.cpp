// Linked into a program only for the start-up benchmark: when the program's first window
// has been exposed and painted, print the monotonic clock in nanoseconds and end at once.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class FirstFrameProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!reported && event->type() == QEvent::Expose && window != nullptr &&
            window->isExposed()) {
            reported = true;
            // Posted now, it runs once the expose, and the painting it causes, are done.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool reported = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstFrameProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
