#include "framework/application_entry.h"

#include "framework/application.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

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

} // namespace

int runApplication(int argc, char** argv) {
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
    if (!application->startUp()) {
        return 0;
    }
    return QApplication::exec();
}

} // namespace fenwake
