#include "app/composition_app.h"

#include "framework/language/translation.h"
#include "framework/profile/profile.h"
#include "history/history_store.h"
#include "res/program_resources.h"
#include "ui/main_dialog.h"

namespace fenwake {

namespace {

// Where the profile store keeps the settings: $XDG_CONFIG_HOME/<company>/<program>.conf.
constexpr const char* companyKey = "Kestrova";

} // namespace

const MessageMap CompositionApp::messages{&Application::messages, {}};

CompositionApp::CompositionApp() = default;

CompositionApp::~CompositionApp() = default;

const MessageMap* CompositionApp::messageMap() const {
    return &messages;
}

bool CompositionApp::startUp() {
    // The resources are part of the program; make them known before anything looks one up.
    registerProgramResources();

    // First, since the main window reads the stored settings while it is constructed.
    setRegistryKey(companyKey);
    {
        MainDialog mainDialog;
        setMainWindow(&mainDialog);
        mainDialog.runModal();
        setMainWindow(nullptr);
    }
    return false;
}

std::string CompositionApp::commandLineHelp() const {
    const std::string name = applicationName();
    return Application::commandLineHelp() + "\n" +
           translated("Fenwake estimates your body composition from your waist, weight and "
                      "height: body-fat percentage with a rating, fat mass, lean mass, rest "
                      "metabolic rate and body mass index with its category. Every value you "
                      "type is kept, and Fenwake opens with it next time.") +
           "\n\n" +
           Translation::fill(translated("Your settings: %1"),
                             {Profile::pathFor(companyKey, name, Profile::Kind::Settings)}) +
           "\n" +
           Translation::fill(translated("The window's size: %1"),
                             {Profile::pathFor(companyKey, name, Profile::Kind::State)}) +
           "\n" + Translation::fill(translated("Your history: %1"), {HistoryStore::defaultPath()}) +
           "\n\n" +
           translated("Fenwake takes no other arguments: --help prints this, --version its "
                      "version.") +
           "\n";
}

std::string CompositionApp::versionText() const {
    return programNameAndVersion;
}

} // namespace fenwake
