#include "app/composition_app.h"
#include "framework/dialog/dialog.h"
#include "framework/dialog/dialog_widgets.h"
#include "res/resource_ids.h"
#include "settings/settings_store.h"
#include "tests/support/settings_file.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

namespace fenwake {
namespace {

using test::readSettingsFile;
using test::writeSettingsFile;

// Runs the start-up hook; once the main window is up, looks at it and closes it.
bool startAndThen(CompositionApp& application, const std::function<void(Dialog&)>& atWindow,
                  const std::function<void(QWidget&)>& close) {
    QTimer::singleShot(0, [&] {
        Dialog* main = application.mainWindow();
        ASSERT_NE(main, nullptr);
        QWidget* window = DialogWidgets::window(*main);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        atWindow(*main);
        close(*window);
    });
    return application.startUp();
}

TEST(StartUp, OpensTheWindowOnTheStoredSettingsAndEndsWhenItCloses) {
    writeSettingsFile("[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n");
    CompositionApp application;
    std::string waist;
    std::string weight;
    const bool runLoop = startAndThen(
        application,
        [&](Dialog& main) {
            waist = main.controlText(IDC_WAIST);
            weight = main.controlText(IDC_WEIGHT);
        },
        [](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_FALSE(runLoop);
    EXPECT_EQ(waist, "34");
    EXPECT_EQ(weight, "180");
    EXPECT_EQ(application.mainWindow(), nullptr);
}

struct Ending {
    const char* name;
    std::function<void(QWidget&)> close;
};

void PrintTo(const Ending& e, std::ostream* out) {
    *out << e.name;
}

class EndsTheSameWay : public testing::TestWithParam<Ending> {};

INSTANTIATE_TEST_SUITE_P(StartUp, EndsTheSameWay,
                         testing::Values(Ending{"cancel",
                                                [](QWidget& w) {
                                                    QTest::keyClick(&w, Qt::Key_Escape);
                                                }},
                                         Ending{"ok",
                                                [](QWidget& w) {
                                                    w.close();
                                                }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(EndsTheSameWay, WithNothingSavedAtExit) {
    const std::string stored = "[Settings]\nFemale=1\nWeight=72.5kg\n";
    writeSettingsFile(stored);
    CompositionApp application;
    EXPECT_FALSE(startAndThen(
        application, [](Dialog&) {}, GetParam().close));
    EXPECT_EQ(readSettingsFile(), stored);
}

TEST(StartUp, ASecondStartReadsWhatTheFirstStored) {
    {
        CompositionApp first;
        first.setRegistryKey("Kestrova");
        SettingsStore::saveWaist(81.92);
        SettingsStore::saveMetric(true);
    }
    CompositionApp second;
    std::string waist;
    std::string unit;
    startAndThen(
        second,
        [&](Dialog& main) {
            waist = main.controlText(IDC_WAIST);
            unit = main.controlText(IDC_WAIST_UNIT);
        },
        [](QWidget& window) { window.close(); });
    EXPECT_EQ(waist, "81.92");
    EXPECT_EQ(unit, "cm");
}

QProcessEnvironment environmentWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

TEST(Program, WithoutADisplayEndsAtOnceWithOneClearLine) {
    QProcess program;
    program.setProcessEnvironment(environmentWithoutDisplay());
    program.start(FENWAKE_BINARY, {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(errors.count('\n'), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("no display")) << errors.toStdString();
}

// Qt would take "-platform xcb" and fail for want of a display; the program passes Qt no
// arguments, so it opens its window offscreen and keeps running until it is stopped.
TEST(Program, TakesNoCommandLine) {
    QProcessEnvironment environment = environmentWithoutDisplay();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(FENWAKE_BINARY, {"-platform", "xcb", "--help", "settings.conf"});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(3000)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

} // namespace
} // namespace fenwake
