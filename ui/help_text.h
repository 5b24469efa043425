#pragma once

#include <string>

namespace fenwake {

// The program's help, one HTML document in the desktop's language: what each figure means and
// how it is computed, with the numbers the program uses; the bands of both ratings for both
// sexes; the units and the program's own factors; what a field that holds no number does;
// where the values and the history are kept; and every key the program answers to. Made when it is
// asked for, never at start-up.
class HelpText {
public:
    struct Files {
        std::string settings; // the settings file's path
        std::string state;    // the window state's path
        std::string history;  // the history's database
    };
    static std::string html(const Files& files);
};

} // namespace fenwake
