#include "framework/application/application.h"

#include "framework/dialog/dialog.h"
#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/profile/profile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace fenwake {

namespace {

Application* theApplication = nullptr;

} // namespace

const MessageMap Application::messages{nullptr, {}};

Application::Application() {
    if (theApplication != nullptr) {
        std::fputs("fenwake: a second application object was constructed\n", stderr);
        std::abort();
    }
    theApplication = this;
}

Application::~Application() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
    Dialog::batchHandlerWritesIn(nullptr);
}

Application* Application::current() {
    return theApplication;
}

const MessageMap* Application::messageMap() const {
    return &messages;
}

bool Application::startUp() {
    return false;
}

std::string Application::commandLineHelp() const {
    return Translation::fill(translated("Usage: %1 [Qt's options, such as -platform xcb or "
                                        "-style Fusion]"),
                             {applicationName()}) +
           "\n";
}

std::string Application::versionText() const {
    return applicationName();
}

std::string Application::applicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

void Application::setRegistryKey(std::string_view company) {
    userState = std::make_unique<Profile>(company, applicationName(), Profile::Kind::State);
    userProfile = std::make_unique<Profile>(company, applicationName());
    Dialog::batchHandlerWritesIn(userProfile.get());
    // An open main window keeps its size in the new state, not in the one just let go.
    if (Dialog* main = Dialog::mainWindow()) {
        main->keepSizeIn(userState.get());
    }
    userProfile->setTroubleListener([this](const std::string&) { showProfileTrouble(); });
}

Profile& Application::profile() {
    if (!userProfile) {
        setRegistryKey({});
    }
    return *userProfile;
}

Profile& Application::state() {
    if (!userState) {
        setRegistryKey({});
    }
    return *userState;
}

void Application::finishWriting() {
    // A window still open at the end (a signal ended the session) keeps its size as on closing.
    if (Dialog* main = mainWindow()) {
        main->keepSizeNow();
    }
    std::vector<std::thread> alongside;
    for (auto& finisher : finishers) {
        alongside.emplace_back(std::move(finisher), Profile::closingWait);
    }
    finishers.clear();
    profile().finish();
    state().finish();
    for (std::thread& finishing : alongside) {
        finishing.join();
    }
    // What they had to say at the end is written before the process ends with a signal.
    StandardError::flush(std::chrono::milliseconds(250));
}

void Application::finishAlongside(std::function<void(std::chrono::milliseconds)> finisher) {
    finishers.push_back(std::move(finisher));
}

void Application::setMainWindow(Dialog* window) {
    Dialog::designateMainWindow(window);
    if (window != nullptr) {
        window->keepSizeIn(&state());
    }
    showProfileTrouble();
}

Dialog* Application::mainWindow() {
    return Dialog::mainWindow();
}

void Application::showProfileTrouble() {
    Dialog* main = mainWindow();
    if (main == nullptr) {
        return;
    }
    const std::string trouble = userProfile ? userProfile->trouble() : std::string();
    if (trouble.empty()) {
        main->clearNotice("settings");
    } else {
        main->showNotice("settings", translated("Settings are not being saved"), trouble);
    }
}

std::string Application::profileString(std::string_view section, std::string_view key,
                                       std::string_view defaultText) {
    return profile().readText(section, key, defaultText);
}

int Application::profileInt(std::string_view section, std::string_view key, int defaultValue) {
    return profile().readInteger(section, key, defaultValue);
}

void Application::writeProfileString(std::string_view section, std::string_view key,
                                     std::string_view text) {
    profile().writeText(section, key, text);
}

void Application::writeProfileInt(std::string_view section, std::string_view key, int value) {
    profile().writeInteger(section, key, value);
}

} // namespace fenwake
