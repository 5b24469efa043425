#include "app/composition_app.h"

#include "res/program_resources.h"
#include "ui/main_dialog.h"

namespace fenwake {

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
    setRegistryKey("Kestrova");
    {
        MainDialog mainDialog;
        setMainWindow(&mainDialog);
        mainDialog.runModal();
        setMainWindow(nullptr);
    }
    return false;
}

} // namespace fenwake
