#include "framework/application/application_entry.h"

#include "framework/application/application.h"
#include "framework/profile/profile.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace fenwake {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

QList<HeldMessage>& heldMessages() {
    static QList<HeldMessage> messages;
    return messages;
}

// While the platform plugin starts, its complaints are held back: if it cannot start, a
// person gets one plain line instead of a page of plugin diagnostics and a core dump.
void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("fenwake: cannot open a window: no display is available. Run it on a "
                   "desktop, under xvfb-run, or with QT_QPA_PLATFORM=offscreen.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    Q_UNUSED(context);
    heldMessages().append({type, text});
}

// Started with a standard descriptor closed, the process would hand its number to the next
// file it opens: the display connection, say, which the first line meant for standard error
// would then corrupt for good. Each closed one is opened on /dev/null first.
void openClosedStandardDescriptors() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        const int opened = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) {
            dup2(opened, descriptor);
            close(opened);
        }
    }
}

int runStartUp(Application& application) {
    const bool keepRunning = application.startUp();
    const int status = keepRunning ? QApplication::exec() : 0;
    // The window has closed: a last try for values a held lock or a full disk kept back.
    application.profile().commitPending();
    return status;
}

} // namespace

int runApplication(int argc, char** argv) {
    openClosedStandardDescriptors();

    // Qt would read options such as -platform from the command line; the program has none.
    int qtArgc = argc > 0 ? 1 : 0;
    char* noArguments[] = {argc > 0 ? argv[0] : nullptr, nullptr};

    const QtMessageHandler previous = qInstallMessageHandler(holdStartupMessage);
    QApplication qtApplication(qtArgc, noArguments);
    qInstallMessageHandler(previous);
    for (const HeldMessage& held : heldMessages()) {
        qt_message_output(held.type, QMessageLogContext(), held.text);
    }
    heldMessages().clear();

    Application* application = Application::current();
    if (application == nullptr) {
        std::fputs("fenwake: the program has no application object\n", stderr);
        return 1;
    }
    return runStartUp(*application);
}

} // namespace fenwake
