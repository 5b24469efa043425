#pragma once

#include "framework/application/application.h"

namespace fenwake {

// The calculator as an application: names the company its settings live under and runs the
// main window modally; when the window closes, the program ends.
class CompositionApp : public Application {
public:
    CompositionApp();
    ~CompositionApp() override;

    bool startUp() override;
    std::string commandLineHelp() const override;
    std::string versionText() const override;

protected:
    const MessageMap* messageMap() const override;

private:
    static const MessageMap messages;
};

} // namespace fenwake
