#include "tests/support/settings_file.h"

#include "framework/application/application.h"
#include "framework/profile/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cstdlib>

namespace fenwake::test {

std::string settingsPath() {
    return std::string(std::getenv("XDG_CONFIG_HOME")) + "/Kestrova/" +
           Application::applicationName() + ".conf";
}

std::string readSettingsFile() {
    if (Application* application = Application::current()) {
        return readSettingsFile(application->profile());
    }
    return readSettingsFileNow();
}

std::string readSettingsFile(Profile& profile) {
    profile.waitUntilWritten(std::chrono::seconds(10));
    return readSettingsFileNow();
}

std::string readSettingsFileNow() {
    QFile file(QString::fromStdString(settingsPath()));
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll().toStdString();
}

void writeSettingsFile(const std::string& text) {
    const QString path = QString::fromStdString(settingsPath());
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
}

} // namespace fenwake::test
