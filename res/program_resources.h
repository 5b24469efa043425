#pragma once

namespace fenwake {

// Makes the program's dialogs, menu, strings and icons known to the framework. Called once
// at start-up, before anything asks for a resource; calling it again changes nothing.
void registerProgramResources();

} // namespace fenwake
