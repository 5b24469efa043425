#include "framework/application/application_entry.h"

#include "framework/application/application.h"
#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/profile/profile.h"
#include "framework/text/line_wrap.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QSocketNotifier>

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>
#include <vector>

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

// Qt's own options, which it takes off the command line itself: those with a value take the
// next argument, or one joined with '='; one dash or two.
enum class QtOption { None, Flag, WithValue };

QtOption qtOption(std::string_view argument) {
    static constexpr std::string_view withValue[] = {"platform",        "platformpluginpath",
                                                     "platformtheme",   "plugin",
                                                     "qwindowgeometry", "qwindowicon",
                                                     "qwindowtitle",    "session",
                                                     "display",         "name",
                                                     "title",           "visual",
                                                     "geometry",        "style",
                                                     "stylesheet",      "qmljsdebugger"};
    static constexpr std::string_view flags[] = {"reverse", "widgetcount", "nograb", "dograb",
                                                 "sync"};
    if (argument.size() < 2 || argument[0] != '-') {
        return QtOption::None;
    }
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::string_view name = argument.substr(0, argument.find('='));
    for (const std::string_view option : withValue) {
        if (name == option) {
            return name.size() < argument.size() ? QtOption::Flag : QtOption::WithValue;
        }
    }
    for (const std::string_view option : flags) {
        if (argument == option) {
            return QtOption::Flag;
        }
    }
    return QtOption::None;
}

// What a terminal shows in one line, with a little to spare.
constexpr std::size_t terminalLineLength = 78;

struct CommandLine {
    enum class Request { Run, Help, Version, Refused } request = Request::Run;
    std::string refused;      // the argument that is none of the program's or Qt's
    std::vector<char*> forQt; // what Qt is to see, ending in a null
};

CommandLine readCommandLine(int argc, char** argv) {
    CommandLine line;
    line.forQt.assign(argv, argv + std::min(argc, 1));
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--help" || argument == "-h") {
            line.request = CommandLine::Request::Help;
            return line;
        }
        if (argument == "--version") {
            line.request = CommandLine::Request::Version;
            return line;
        }
        const QtOption option = qtOption(argument);
        if (option == QtOption::None || (option == QtOption::WithValue && index + 1 == argc)) {
            line.request = CommandLine::Request::Refused;
            line.refused = argument;
            return line;
        }
        line.forQt.push_back(argv[index]);
        if (option == QtOption::WithValue) {
            line.forQt.push_back(argv[++index]);
        }
    }
    line.forQt.push_back(nullptr);
    return line;
}

// --help, --version and a refusal need no display: they are answered with Qt's core alone,
// in the desktop's language.
int answer(const CommandLine& line, int argc, char** argv) {
    const Application* application = Application::current();
    int qtArgc = argc > 0 ? 1 : 0;
    const QCoreApplication core(qtArgc, argv);
    Translation::installForDesktop();
    if (line.request == CommandLine::Request::Refused) {
        const std::string refusal = Translation::fill(
            translated("fenwake: %1 is no argument Fenwake takes (fenwake --help says which)"),
            {line.refused});
        std::fprintf(stderr, "%s\n", refusal.c_str());
        return 2;
    }
    const std::string text = application == nullptr ? std::string()
                             : line.request == CommandLine::Request::Help
                                 ? application->commandLineHelp()
                                 : application->versionText() + "\n";
    std::fputs(wrapLines(text, terminalLineLength).c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

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

    // The program takes no arguments of its own but --help and --version; Qt's own options
    // (-platform, -style, ...) go to Qt, and anything else is refused.
    CommandLine line = readCommandLine(argc, argv);
    if (line.request != CommandLine::Request::Run) {
        return answer(line, argc, argv);
    }
    int qtArgc = static_cast<int>(line.forQt.size()) - 1;

    qInstallMessageHandler(holdStartupMessage);
    QApplication qtApplication(qtArgc, line.forQt.data());
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
