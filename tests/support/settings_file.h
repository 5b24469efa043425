#pragma once

#include <string>

namespace fenwake {
class Profile;
}

namespace fenwake::test {

// The settings file of this test process: $XDG_CONFIG_HOME/Kestrova/<test program>.conf.
std::string settingsPath();
// The file's text once the profile (the application's, unless given) has written everything
// handed to it, or after ten seconds if it cannot; "<missing>" when there is no file.
std::string readSettingsFile();
std::string readSettingsFile(Profile& profile);
// The file's text as it is this moment.
std::string readSettingsFileNow();
// Replaces the file with the given text, creating its folder.
void writeSettingsFile(const std::string& text);

} // namespace fenwake::test
