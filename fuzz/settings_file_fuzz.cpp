// Loads the settings from arbitrary file bytes, through QSettings and the profile, reading
// the five values by the settings' own rules, and checks that what was read is written back so that
// it reads the same.
#include "framework/number_text.h"
#include "framework/profile.h"
#include "framework/profile_file_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

struct Environment {
    Environment() {
        static int argc = 1;
        static char name[] = "settings_file_fuzz";
        static char* argv[] = {name, nullptr};
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qt = std::make_unique<QCoreApplication>(argc, argv);
        QDir(config.path()).mkpath("Kestrova");
    }
    QTemporaryDir config;
    std::unique_ptr<QCoreApplication> qt;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Environment environment;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto parsed = fenwake::ProfileFileFormat::parse(bytes);
    if (fenwake::ProfileFileFormat::parse(fenwake::ProfileFileFormat::render(parsed)) != parsed) {
        std::abort();
    }

    // A fresh application name each time gives a file QSettings has never seen, so it is
    // really read, not taken from its cache.
    static long run = 0;
    const QString name = QString("fuzz%1").arg(++run);
    const QString path = environment.config.path() + "/Kestrova/" + name + ".conf";
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    {
        const fenwake::Profile profile("Kestrova", name.toStdString());
        for (const char* key : {"Weight", "Waist", "Height"}) {
            fenwake::NumberText::readLeadingNumber(profile.readText("Settings", key, "0.0"));
        }
        for (const char* key : {"Metric", "Female"}) {
            profile.readInteger("Settings", key, 0);
        }
    }
    QFile::remove(path);
    return 0;
}
