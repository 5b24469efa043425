#pragma once

namespace fenwake {

// The program's name and version, as the About box and --version say them.
inline constexpr const char* programNameAndVersion = "Fenwake 1.1";

// Makes the program's dialogs, menu, strings and icons known to the framework. Called once
// at start-up, before anything asks for a resource; calling it again changes nothing.
void registerProgramResources();

} // namespace fenwake
