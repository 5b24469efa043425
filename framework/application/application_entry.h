#pragma once

namespace fenwake {

// The process entry behind main(): builds the QApplication (with the program name alone; the
// program takes no command line), finds the application object and runs its start-up hook.
// Without a display the process ends at once with one line on standard error and status 1.
int runApplication(int argc, char** argv);

} // namespace fenwake
