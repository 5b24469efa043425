// Loads the settings from arbitrary file bytes through the profile, reading the five values by
// the settings' own rules, and checks that what was read is written back so that it reads the
// same, and that a write merged into the file keeps every other key.
#include "framework/profile/profile.h"
#include "framework/profile/profile_file_format.h"
#include "framework/text/number_text.h"

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

    using fenwake::ProfileFileFormat;
    const auto parsed = ProfileFileFormat::parse(bytes);
    const auto again = ProfileFileFormat::parse(ProfileFileFormat::render(parsed));
    if (again.size() != parsed.size()) {
        std::abort();
    }
    for (const auto& [key, value] : parsed) {
        const auto found = again.find(key);
        if (found == again.end() || found->second.text != value.text) {
            std::abort();
        }
    }

    const QString name = "fuzz";
    const QString path = environment.config.path() + "/Kestrova/" + name + ".conf";
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    {
        fenwake::Profile profile("Kestrova", name.toStdString());
        for (const char* key : {"Weight", "Waist", "Height"}) {
            fenwake::NumberText::readLeadingNumber(profile.readText("Settings", key, "0.0"));
        }
        for (const char* key : {"Metric", "Female"}) {
            profile.readInteger("Settings", key, 0);
        }
        profile.writeText("Settings", "Weight", "80.00");
        for (const auto& [key, value] : parsed) {
            const auto slash = key.find('/');
            const std::string section = slash == std::string::npos ? "" : key.substr(0, slash);
            const std::string rest = slash == std::string::npos ? key : key.substr(slash + 1);
            if (key != "Settings/Weight" && !section.empty() &&
                profile.readText(section, rest, "\x01missing") != value.text) {
                std::abort();
            }
        }
    }
    QFile::remove(path);
    return 0;
}
