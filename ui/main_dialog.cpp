#include "ui/main_dialog.h"

#include "framework/data_exchange.h"
#include "framework/input_panel.h"
#include "res/resource_ids.h"
#include "settings/settings_store.h"

namespace fenwake {

const MessageEntry MainDialog::messageEntries[] = {
    leftButtonDownEntry<&MainDialog::onLeftButtonDown>(),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_WAIST),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_WAIST),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_WEIGHT),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_WEIGHT),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_HEIGHT),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_HEIGHT),
};

const MessageMap MainDialog::messages{&Dialog::messages, messageEntries};

MainDialog::MainDialog(Dialog* parentWindow) : Dialog(IDD_MAIN, parentWindow) {
    icon = Icon::load(IDI_MAIN);
    weight = SettingsStore::loadWeight();
    waist = SettingsStore::loadWaist();
    height = SettingsStore::loadHeight();
    metric = SettingsStore::loadMetric() ? 1 : 0;
    female = SettingsStore::loadFemale() ? 1 : 0;
}

MainDialog::~MainDialog() = default;

const MessageMap* MainDialog::messageMap() const {
    return &messages;
}

void MainDialog::exchangeFormData(DataExchange& exchange) {
    exchange.control(IDC_RESULTS, resultsList);
    exchange.checkBox(IDC_FEMALE, female);
    exchange.checkBox(IDC_METRIC, metric);
    exchange.edit(IDC_WAIST, waist);
    exchange.edit(IDC_WEIGHT, weight);
    exchange.edit(IDC_HEIGHT, height);
}

bool MainDialog::initialiseWindow() {
    Dialog::initialiseWindow();
    setIcon(icon, IconSize::Large);
    setIcon(icon, IconSize::Small);
    centreWindow();
    showUnitLabels();
    return true;
}

void MainDialog::showUnitLabels() {
    const bool metricUnits = metric == 1;
    setControlText(IDC_WAIST_UNIT, metricUnits ? "cm" : "Inches");
    setControlText(IDC_WEIGHT_UNIT, metricUnits ? "Kg" : "Lbs");
    setControlText(IDC_HEIGHT_UNIT, metricUnits ? "cm" : "Inches");
}

void MainDialog::onEditFocusGained() {
    InputPanel::request(*this, InputPanelRequest::Raise);
}

void MainDialog::onEditFocusLost() {
    InputPanel::request(*this, InputPanelRequest::Lower);
}

void MainDialog::onLeftButtonDown(unsigned keyFlags, Point point) {
    Dialog::onLeftButtonDown(keyFlags, point);
}

} // namespace fenwake
