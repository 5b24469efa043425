// A helper process for the reliability tests: it stores settings the way the window does,
// through SettingsStore inside one batch per change, either as fast as it can (to be killed
// at a random moment) or on command from standard input (to share the file with another).
#include "framework/application.h"
#include "framework/number_text.h"
#include "framework/profile.h"
#include "framework/profile_batch.h"
#include "settings/settings_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

class WriterApplication : public fenwake::Application {};

// Each round stores a unit switch's four values; they must only ever be seen together.
[[noreturn]] void storeForever() {
    using fenwake::SettingsStore;
    long long round = static_cast<long long>(SettingsStore::loadWaist());
    for (;;) {
        ++round;
        {
            const fenwake::ProfileBatch batch;
            SettingsStore::saveMetric(round % 2 == 1);
            SettingsStore::saveWaist(static_cast<double>(round));
            SettingsStore::saveWeight(static_cast<double>(round));
            SettingsStore::saveHeight(static_cast<double>(round));
        }
        if (round % 16 == 1) {
            std::printf("%lld\n", round);
            std::fflush(stdout);
        }
    }
}

// Lines of "<key> <text>": each is written as a handler would, then answered with "ok".
void storeOnCommand(fenwake::Application& application) {
    std::string key;
    std::string text;
    while (std::cin >> key >> text) {
        {
            const fenwake::ProfileBatch batch;
            application.writeProfileString("Settings", key, text);
        }
        std::printf("ok\n");
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qt(argc, argv);
    WriterApplication application;
    application.setRegistryKey("Kestrova");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "forever") {
        storeForever();
    }
    if (mode == "serve") {
        storeOnCommand(application);
        return 0;
    }
    std::fputs("usage: settings_writer forever|serve\n", stderr);
    return 2;
}
