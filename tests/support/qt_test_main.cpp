// Entry of the test programs that need Qt. Every process gets its own empty configuration, state
// and data folders (a test must never touch the real user's settings, window state or history) and
// draws its windows offscreen, unless FENWAKE_REAL_DISPLAY asks for the X server in DISPLAY
// (offscreen has no real fonts).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);

    QTemporaryDir home(QDir::tempPath() + "/fenwake-test-XXXXXX");
    if (!home.isValid() || !QDir(home.path()).mkpath("config") ||
        !QDir(home.path()).mkpath("run")) {
        return 2;
    }
    QFile::setPermissions(home.path() + "/run",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config").constData(), 1);
    setenv("XDG_STATE_HOME", QFile::encodeName(home.path() + "/state").constData(), 1);
    setenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data").constData(), 1);
    setenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path() + "/run").constData(), 1);
    setenv("QT_QPA_PLATFORM", std::getenv("FENWAKE_REAL_DISPLAY") != nullptr ? "xcb" : "offscreen",
           1);

    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
