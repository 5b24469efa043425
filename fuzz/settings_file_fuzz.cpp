// Loads the settings from arbitrary file bytes through the profile, reading the five values by
// the settings' own rules, and checks that what was read, written back with one value merged
// in, reads the same for every other key.
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

    // Written back with one value changed, as a commit merges it, every other key reads the
    // same as before.
    using fenwake::ProfileFileFormat;
    const auto parsed = ProfileFileFormat::parse(bytes);
    auto merged = parsed;
    merged["Settings/Weight"] = {"80.00", {}};
    const auto again = ProfileFileFormat::parse(ProfileFileFormat::render(merged));
    if (again.size() != merged.size() || again.at("Settings/Weight").text != "80.00") {
        std::abort();
    }
    for (const auto& [key, value] : parsed) {
        const auto found = again.find(key);
        if (key != "Settings/Weight" &&
            (found == again.end() || found->second.text != value.text)) {
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
    }
    QFile::remove(path);
    return 0;
}
