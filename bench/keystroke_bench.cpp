// Keystroke benchmark, offscreen, on a settings folder of its own:
//   build/bench/keystroke_bench [keystrokes] [durable keystrokes]
//
// The window's thread: from a key event in the weight field until the window's thread is
// free again (form read, figures computed, rows rewritten, the value handed to the profile),
// next to two floors: the same key in a bare line edit, typed beside each of ours, first and
// second in turn, so that both meet the same caches; and the same window without a settings
// file (no company named: the profile keeps the values in memory and no writer runs), in
// rounds that alternate with the real ones. Keys come back to back, as from a fast typist,
// while the profile's writer commits behind.
//
// Then, one key at a time: from the key event until the value is durable on disk.
//
// Run it under strace to see a slow disk, e.g. with every sync 300 ms slower (one line):
//   strace -f -qq --seccomp-bpf -o /dev/null -e trace=fsync,fdatasync
//       -e inject=fsync,fdatasync:delay_enter=300000 build/bench/keystroke_bench 1000 10
#include "framework/application/application.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/profile/profile.h"
#include "res/program_resources.h"
#include "res/resource_ids.h"
#include "ui/main_dialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class BenchApplication : public fenwake::Application {};

// "5" becomes 51, 518, 5180 and back: every key changes the number and leaves it valid.
constexpr Qt::Key cycle[] = {Qt::Key_1,         Qt::Key_8,         Qt::Key_0,
                             Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace};
constexpr int rounds = 10;
constexpr int warmUp = 10; // keys at the start of each round, which meets cold caches

double microseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double p99 = values[std::min(n - 1, (n * 99 + 99) / 100 - 1)];
    std::printf("%-40s median %9.1f us   p99 %9.1f us   max %9.1f us\n", what, median(values), p99,
                values.back());
}

double timeKey(QWidget* widget, Qt::Key key) {
    const Clock::time_point start = Clock::now();
    QTest::keyClick(widget, key);
    return microseconds(Clock::now() - start);
}

struct WindowTimes {
    std::vector<double> floor;
    std::vector<double> withoutFile;
    std::vector<double> whole;
};

void timeRound(QLineEdit* weight, QLineEdit& bare, int keystrokes, std::vector<double>& floor,
               std::vector<double>& ours) {
    for (int i = 0; i < keystrokes + warmUp; ++i) {
        const bool floorFirst = i % 2 == 0;
        const double floorBefore = floorFirst ? timeKey(&bare, cycle[i % 6]) : 0.0;
        const double key = timeKey(weight, cycle[i % 6]);
        const double floorTime = floorFirst ? floorBefore : timeKey(&bare, cycle[i % 6]);
        QCoreApplication::processEvents(); // the writer's news, as the event loop would
        if (i >= warmUp) {
            floor.push_back(floorTime);
            ours.push_back(key);
        }
    }
}

WindowTimes timeTheWindow(fenwake::Application& application, QLineEdit* weight, int keystrokes) {
    QLineEdit bare("5");
    bare.show();
    WindowTimes times;
    std::vector<double> unused;
    for (int round = 0; round < rounds; ++round) {
        application.setRegistryKey("Kestrova");
        timeRound(weight, bare, keystrokes / rounds, times.floor, times.whole);
        application.setRegistryKey({});
        timeRound(weight, bare, keystrokes / rounds, unused, times.withoutFile);
    }
    application.setRegistryKey("Kestrova");
    return times;
}

std::vector<double> timeToDisk(QLineEdit* weight, fenwake::Profile& profile, int keystrokes) {
    std::vector<double> durable;
    for (int i = 0; i < keystrokes; ++i) {
        const Clock::time_point start = Clock::now();
        QTest::keyClick(weight, cycle[i % 6]);
        if (!profile.waitUntilWritten(std::chrono::seconds(30))) {
            std::fprintf(stderr, "a value did not reach the disk in 30 s\n");
            std::exit(1);
        }
        durable.push_back(microseconds(Clock::now() - start));
    }
    return durable;
}

} // namespace

int main(int argc, char** argv) {
    const int keystrokes = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int durableKeystrokes = argc > 2 ? std::atoi(argv[2]) : 200;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_STATE_HOME", QFile::encodeName(config.path() + "/state"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);

    BenchApplication application;
    fenwake::registerProgramResources();
    application.setRegistryKey("Kestrova");

    fenwake::MainDialog dialog;
    dialog.create();
    auto* weight =
        qobject_cast<QLineEdit*>(fenwake::DialogWidgets::control(dialog, fenwake::IDC_WEIGHT));
    weight->setFocus();
    weight->setText("5");

    application.setMainWindow(&dialog);
    const WindowTimes times = timeTheWindow(application, weight, keystrokes);
    const std::vector<double> durable =
        timeToDisk(weight, application.profile(), durableKeystrokes);

    std::printf("%d keystrokes back to back, then %d one at a time to the disk\n", keystrokes,
                durableKeystrokes);
    report("bare line edit (floor)", times.floor);
    report("window's thread, without a settings file", times.withoutFile);
    report("window's thread, with the store", times.whole);
    std::printf("%-40s %.3f\n", "with the store / without (medians)",
                median(times.whole) / median(times.withoutFile));
    report("key to the value durable on disk", durable);
    return 0;
}
