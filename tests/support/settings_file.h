#pragma once

#include <string>

namespace fenwake::test {

// The settings file of this test process: $XDG_CONFIG_HOME/Kestrova/<test program>.conf.
std::string settingsPath();
// The file's text, or "<missing>" when there is no file.
std::string readSettingsFile();
// Replaces the file with the given text, creating its folder.
void writeSettingsFile(const std::string& text);

} // namespace fenwake::test
