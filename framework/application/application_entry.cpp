#include "framework/application/application_entry.h"

#include "framework/application/application.h"
#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/profile/profile.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
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

// Ending a desktop session sends SIGHUP or SIGTERM, and Ctrl+C in a terminal SIGINT. Each
// first lets the profile write what it still holds, then ends the process as the signal
// would have. The handler only wakes the window's thread, through a pipe; the writing is done
// there, outside the handler.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int number) {
    const int savedError = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedError;
}

// The signal that came, if one did; 0 otherwise.
int signalReceived() {
    unsigned char number = 0;
    return signalPipe[0] >= 0 && read(signalPipe[0], &number, 1) == 1 ? number : 0;
}

// Ends the process as the signal would have, so that whoever started it sees that status.
[[noreturn]] void endAsSignalled(int number) {
    std::signal(number, SIG_DFL);
    std::raise(number);
    std::_Exit(128 + number);
}

void endOnTerminationSignals(Application& application) {
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, [&application] {
        if (const int number = signalReceived()) {
            application.finishWriting();
            endAsSignalled(number);
        }
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(number, &action, nullptr);
    }
}

int runStartUp(Application& application) {
    endOnTerminationSignals(application);
    const bool keepRunning = application.startUp();
    const int status = keepRunning ? QApplication::exec() : 0;
    // The window has closed: what is still on its way to the disk gets there first. A signal
    // that came meanwhile, or while that was written, still ends the process as it would.
    application.finishWriting();
    if (const int number = signalReceived()) {
        endAsSignalled(number);
    }
    return status;
}

} // namespace

// Once the window is up, Qt's own warnings go the way of the program's lines: a terminal that
// does not read them must not hold the window.
void sayQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QByteArray line = (qFormatLogMessage(type, context, text) + '\n').toLocal8Bit();
    if (type == QtFatalMsg) {
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
        std::abort();
    }
    StandardError::sayRaw(line.toStdString());
}

int runApplication(int argc, char** argv) {
    openClosedStandardDescriptors();
    // A closed pipe on standard error is no reason to end: what would be lost is only a line.
    std::signal(SIGPIPE, SIG_IGN);

    // Qt would read options such as -platform from the command line; the program has none.
    int qtArgc = argc > 0 ? 1 : 0;
    char* noArguments[] = {argc > 0 ? argv[0] : nullptr, nullptr};

    qInstallMessageHandler(holdStartupMessage);
    QApplication qtApplication(qtArgc, noArguments);
    qInstallMessageHandler(sayQtMessage);
    for (const HeldMessage& held : heldMessages()) {
        qt_message_output(held.type, QMessageLogContext(), held.text);
    }
    heldMessages().clear();

    Translation::installForDesktop();
    Application* application = Application::current();
    if (application == nullptr) {
        std::fputs("fenwake: the program has no application object\n", stderr);
        return 1;
    }
    return runStartUp(*application);
}

} // namespace fenwake
