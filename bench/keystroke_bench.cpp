// Keystroke benchmark: from a key event in the weight field to the list rewritten and the
// value durable on disk, over 1000 keystrokes, with the work before the disk write on its
// own. The floor is the same key into a bare line edit, typed next to each of ours, first
// and second in turn, so that both meet the same caches and processor state on average
// (whichever comes first after a disk write pays for the cold caches).
// Runs offscreen on a settings folder of its own:
//   build/bench/keystroke_bench [keystrokes]
#include "framework/application/application.h"
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

double microseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

void report(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    const double p99 = values[std::min(n - 1, (n * 99 + 99) / 100 - 1)];
    std::printf("%-36s median %9.1f us   p99 %9.1f us   min %9.1f us   max %9.1f us\n", what,
                median, p99, values.front(), values.back());
}

double timeKey(QWidget* widget, Qt::Key key) {
    const Clock::time_point start = Clock::now();
    QTest::keyClick(widget, key);
    return microseconds(Clock::now() - start);
}

} // namespace

int main(int argc, char** argv) {
    const int keystrokes = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);

    BenchApplication application;
    fenwake::registerProgramResources();
    application.setRegistryKey("Kestrova");
    Clock::time_point stored;
    application.profile().setWriteListener(
        [&stored](std::string_view, std::string_view, std::string_view) { stored = Clock::now(); });

    fenwake::MainDialog dialog;
    dialog.create();
    auto* weight = qobject_cast<QLineEdit*>(dialog.control(fenwake::IDC_WEIGHT));
    weight->setFocus();
    weight->setText("5");

    QLineEdit bare("5");
    bare.show();

    std::vector<double> floor;
    std::vector<double> beforeDisk;
    std::vector<double> whole;
    for (int i = 0; i < keystrokes + 60; ++i) {
        const bool floorFirst = i % 2 == 0;
        const double floorBefore = floorFirst ? timeKey(&bare, cycle[i % 6]) : 0.0;
        const Clock::time_point start = Clock::now();
        QTest::keyClick(weight, cycle[i % 6]);
        const Clock::time_point done = Clock::now();
        const double floorTime = floorFirst ? floorBefore : timeKey(&bare, cycle[i % 6]);
        if (i >= 60) { // the first rounds warm caches and the settings file
            floor.push_back(floorTime);
            beforeDisk.push_back(microseconds(stored - start));
            whole.push_back(microseconds(done - start));
        }
    }
    std::printf("%d keystrokes each\n", keystrokes);
    report("bare line edit (floor)", floor);
    report("fenwake, up to the store", beforeDisk);
    report("fenwake, stored and durable on disk", whole);
    return 0;
}
