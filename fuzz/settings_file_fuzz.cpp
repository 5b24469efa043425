// Loads the settings from arbitrary file bytes through the profile, reading the five values by
// the settings' own rules, and checks that the file edited with one value changed reads the
// same for every other key.
#include "framework/formats/profile_file_format.h"
#include "framework/profile/profile.h"
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
        qputenv("XDG_STATE_HOME", QFile::encodeName(config.path() + "/state"));
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

    // Edited with one value changed, as a commit edits it, every other key reads the same as
    // before, or the edit is refused; with no change the bytes stay as they are.
    using fenwake::ProfileFileFormat;
    if (ProfileFileFormat::update(bytes, {}) != bytes) {
        std::abort();
    }
    auto expected = ProfileFileFormat::parse(bytes);
    expected["Settings/Weight"] = "80.00";
    const auto edited = ProfileFileFormat::update(bytes, {{"Settings/Weight", "80.00"}});
    if (edited && ProfileFileFormat::parse(*edited) != expected) {
        std::abort();
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
