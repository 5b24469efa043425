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

#include <algorithm>
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

// The command line of a Linux program: --help and --version answer without a display, on
// standard output, with status 0; anything that is none of Fenwake's or Qt's is refused with
// one line and status 2, and nothing opens.
struct Asked {
    const char* name;
    QStringList arguments;
    int status;
    const char* output; // what standard output holds, in part
    const char* errors; // what standard error holds, in part; "" for nothing at all
};

void PrintTo(const Asked& asked, std::ostream* out) {
    *out << asked.name;
}

class CommandLine : public testing::TestWithParam<Asked> {};

INSTANTIATE_TEST_SUITE_P(
    Program, CommandLine,
    testing::Values(
        Asked{"help", {"--help"}, 0, "Usage: fenwake [Qt's options", ""},
        Asked{"help_short", {"-h"}, 0, "Fenwake takes no other arguments", ""},
        Asked{"version", {"--version"}, 0, "Fenwake 1.1\n", ""},
        Asked{"a_file",
              {"settings.conf"},
              2,
              "",
              "fenwake: settings.conf is no argument Fenwake takes (fenwake --help says which)\n"},
        Asked{"an_option", {"--verbose"}, 2, "", "--verbose is no argument"},
        Asked{"a_qt_option_without_its_value", {"-style"}, 2, "", "-style is no argument"},
        Asked{"help_after_a_qt_option", {"-style", "Fusion", "--help"}, 0, "Usage:", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CommandLine, IsAnsweredWithoutADisplay) {
    QProcess program;
    program.setProcessEnvironment(environmentWithoutDisplay());
    program.start(FENWAKE_BINARY, GetParam().arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), GetParam().status);
    const std::string output = program.readAllStandardOutput().toStdString();
    const std::string errors = program.readAllStandardError().toStdString();
    EXPECT_NE(output.find(GetParam().output), std::string::npos) << output;
    if (*GetParam().errors == '\0') {
        EXPECT_EQ(errors, "");
    } else {
        EXPECT_NE(errors.find(GetParam().errors), std::string::npos) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        EXPECT_EQ(output, "");
    }
}

// The help names the files where they are, and reads in lines a terminal shows whole.
TEST(Program, HelpSaysWhereTheFilesAre) {
    QProcessEnvironment environment = environmentWithoutDisplay();
    environment.insert("XDG_CONFIG_HOME", "/somewhere/config");
    environment.insert("XDG_STATE_HOME", "/somewhere/state");
    environment.insert("XDG_DATA_HOME", "/somewhere/data");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(FENWAKE_BINARY, {"--help"});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(help.contains("/somewhere/config/Kestrova/fenwake.conf")) << help.toStdString();
    EXPECT_TRUE(help.contains("/somewhere/state/Kestrova/fenwake.state")) << help.toStdString();
    EXPECT_TRUE(help.contains("/somewhere/data/Kestrova/fenwake/history.sqlite"))
        << help.toStdString();
    for (const QString& line : help.split('\n')) {
        EXPECT_LE(line.size(), 78) << line.toStdString();
    }
}

// Qt's own options still reach Qt: "-platform offscreen" opens the window without a display,
// and it keeps running until it is stopped.
TEST(Program, PassesQtItsOwnOptions) {
    QProcess program;
    program.setProcessEnvironment(environmentWithoutDisplay());
    program.start(FENWAKE_BINARY, {"-platform", "offscreen", "-style", "Fusion"});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(3000)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

} // namespace
} // namespace fenwake
