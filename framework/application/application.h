#pragma once

// framework/application: the application object and the process entry. main() builds the
// QApplication, finds the program's one application object and runs its start-up hook; the
// object names the company its profile lives under and designates the main window, which
// it tells when the profile cannot keep the values. It may use Qt, the profile and the
// dialogs; the program's own code sits above it and defines the object.

#include "framework/message/message_target.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

class Dialog;
class Profile;

// The one application object. The program defines exactly one instance with static storage
// duration; the process entry finds it and calls its start-up hook once a QApplication
// exists. The hook returning true runs an event loop until the last window closes; false
// ends the process at once.
class Application : public MessageTarget {
public:
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application object, or nullptr when none exists.
    static Application* current();

    // The start-up hook. The base has nothing to start and returns false.
    virtual bool startUp();

    // What "--help" prints, in the desktop's language: what the program is, where its files
    // are, what it takes. Asked for without a window, before start-up.
    virtual std::string commandLineHelp() const;
    // What "--version" prints: the program's name and version.
    virtual std::string versionText() const;

    // Names the company the profile lives under: $XDG_CONFIG_HOME/<company>/<name>.conf,
    // where <name> is the executable's file name without its extension.
    void setRegistryKey(std::string_view company);
    // Before a company is named, the profile cannot be read or written.
    Profile& profile();
    // Where the program's state is kept, apart from its settings: the main window's size.
    Profile& state();
    // The end of the process: the main window's size, should it still be open, goes to the
    // state; then the settings and the state write what they still hold (Profile::finish),
    // while each writer handed over below finishes beside them, in the same time.
    void finishWriting();
    // A writer of the program's own that finishes with the settings: called once, at the end,
    // on a thread of its own, with the time it has.
    void finishAlongside(std::function<void(std::chrono::milliseconds time)> finisher);

    std::string profileString(std::string_view section, std::string_view key,
                              std::string_view defaultText);
    int profileInt(std::string_view section, std::string_view key, int defaultValue);
    void writeProfileString(std::string_view section, std::string_view key, std::string_view text);
    void writeProfileInt(std::string_view section, std::string_view key, int value);

    // The window the application regards as its main one; a dialog clears this itself when
    // it is destroyed, so the designation never outlives the window. The main window shows
    // when the profile cannot keep the values, and reopens at the size it closed at.
    void setMainWindow(Dialog* window);
    static Dialog* mainWindow();

    // The executable's file name without its extension.
    static std::string applicationName();

protected:
    const MessageMap* messageMap() const override;
    static const MessageMap messages;

private:
    void showProfileTrouble();

    std::unique_ptr<Profile> userProfile;
    std::unique_ptr<Profile> userState;
    std::vector<std::function<void(std::chrono::milliseconds)>> finishers;
};

} // namespace fenwake
