#include "framework/resources/resources.h"

#include <QGuiApplication>
#include <QString>

#include <map>
#include <utility>

namespace fenwake {

namespace {

struct Registry {
    std::map<int, DialogTemplate> dialogs;
    std::map<int, std::vector<std::uint8_t>> menus;
    std::map<int, std::vector<std::uint8_t>> menuBars;
    std::map<int, std::string> strings;
    std::map<int, IconResource> icons;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

template <class Value>
const Value* find(const std::map<int, Value>& table, int id) {
    const auto found = table.find(id);
    return found == table.end() ? nullptr : &found->second;
}

} // namespace

void Resources::addDialog(int id, DialogTemplate dialog) {
    registry().dialogs[id] = std::move(dialog);
}

void Resources::addMenu(int id, std::vector<std::uint8_t> menuTemplate) {
    registry().menus[id] = std::move(menuTemplate);
}

void Resources::addMenuBar(int id, std::vector<std::uint8_t> record) {
    registry().menuBars[id] = std::move(record);
}

void Resources::addString(int id, std::string text) {
    registry().strings[id] = std::move(text);
}

void Resources::addIcon(int id, IconResource icon) {
    registry().icons[id] = std::move(icon);
}

void Resources::setVersion(const VersionRecord& version) {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::setApplicationVersion(
            QString::fromStdString(VersionRecord::dotted(version.productVersion)));
        const auto product = version.strings.find("ProductName");
        if (product != version.strings.end()) {
            QCoreApplication::setApplicationName(QString::fromStdString(product->second));
        }
    }
}

void Resources::setDesktopEntry(std::string_view desktopId) {
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(desktopId.data(), static_cast<qsizetype>(desktopId.size())));
}

const DialogTemplate* Resources::dialog(int id) {
    return find(registry().dialogs, id);
}

const std::vector<std::uint8_t>* Resources::menu(int id) {
    return find(registry().menus, id);
}

const std::vector<std::uint8_t>* Resources::menuBar(int id) {
    return find(registry().menuBars, id);
}

const std::string* Resources::string(int id) {
    return find(registry().strings, id);
}

const IconResource* Resources::icon(int id) {
    return find(registry().icons, id);
}

} // namespace fenwake
