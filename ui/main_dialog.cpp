#include "ui/main_dialog.h"

#include "engine/bmi_category.h"
#include "engine/composition.h"
#include "engine/fat_method.h"
#include "engine/fat_rating.h"
#include "engine/ratings.h"
#include "engine/units.h"
#include "framework/application/application.h"
#include "framework/dialog/data_exchange.h"
#include "framework/dialog/document_window.h"
#include "framework/dialog/input_panel.h"
#include "framework/language/translation.h"
#include "framework/profile/profile.h"
#include "framework/resources/window_style.h"
#include "framework/text/number_text.h"
#include "history/history_store.h"
#include "res/resource_ids.h"
#include "settings/settings_store.h"
#include "ui/about_dialog.h"
#include "ui/help_text.h"
#include "ui/result_explanations.h"
#include "windows/goal_window.h"

#include <optional>
#include <string>

namespace fenwake {

namespace {

enum Row { fatPercentageRow, fatMassRow, leanMassRow, restMetabolicRateRow, bodyMassIndexRow };
enum Column { quantityColumn, resultColumn, unitColumn, descriptionColumn };

constexpr const char* columnHeadings[] = {TRANSLATABLE("Qty"), TRANSLATABLE("Result"),
                                          TRANSLATABLE("Unit"), TRANSLATABLE("Description")};
constexpr int columnWidths[] = {116, 60, 40, 100};
constexpr const char* rowNames[] = {
    TRANSLATABLE("Fat Percentage"), TRANSLATABLE("Fat Body Mass"), TRANSLATABLE("Lean Body Mass"),
    TRANSLATABLE("Rest Metabolic Rate"), TRANSLATABLE("Body Mass Index")};
constexpr const char* columnDescriptions[] = {
    TRANSLATABLE("What each row shows; its tool tip says how it is computed."),
    TRANSLATABLE("The figure, to two decimals."), TRANSLATABLE("The figure's unit."),
    TRANSLATABLE("The band the figure falls in.")};

struct Field {
    int id;
    const char* name;
};
constexpr Field fields[] = {{IDC_WAIST, TRANSLATABLE("Waist")},
                            {IDC_WEIGHT, TRANSLATABLE("Weight")},
                            {IDC_HEIGHT, TRANSLATABLE("Height")},
                            {IDC_NECK, TRANSLATABLE("Neck")},
                            {IDC_HIP, TRANSLATABLE("Hip")}};

// The Tools menu's choice for each method, in the order of FatMethod.
constexpr int methodCommands[] = {IDM_METHOD_YMCA, IDM_METHOD_NAVY, IDM_METHOD_RFM};

// A figure as the list shows it: two decimals, with the decimal point of the language in use.
std::string shown(double figure) {
    return Translation::number(NumberText::twoDecimals(figure));
}

std::string massUnit(std::int32_t metric) {
    return metric != 0 ? translated("Kg") : translated("Lbs");
}
// The widest figure the value column makes room for from the start: six digits before the
// point. A wider one widens the column when it comes.
constexpr const char* widestUsualFigure = "-000000.00";

constexpr std::uint32_t commandBarWindowStyle =
    windowstyle::child | windowstyle::visible | windowstyle::barAlongTop;

} // namespace

const MessageEntry MainDialog::messageEntries[] = {
    commandEntry<&MainDialog::onMetricClicked>(Notification::Clicked, IDC_METRIC),
    commandEntry<&MainDialog::onWaistChanged>(Notification::EditChanged, IDC_WAIST),
    commandEntry<&MainDialog::onWeightChanged>(Notification::EditChanged, IDC_WEIGHT),
    commandEntry<&MainDialog::onFemaleClicked>(Notification::Clicked, IDC_FEMALE),
    commandEntry<&MainDialog::onAboutCommand>(Notification::Clicked, IDM_ABOUT),
    leftButtonDownEntry<&MainDialog::onLeftButtonDown>(),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_WAIST),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_WAIST),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_WEIGHT),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_WEIGHT),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_HEIGHT),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_HEIGHT),
    commandEntry<&MainDialog::onHeightChanged>(Notification::EditChanged, IDC_HEIGHT),
    commandEntry<&MainDialog::onHelpCommand>(Notification::Clicked, IDM_HELP),
    commandEntry<&MainDialog::onNeckChanged>(Notification::EditChanged, IDC_NECK),
    commandEntry<&MainDialog::onHipChanged>(Notification::EditChanged, IDC_HIP),
    commandEntry<&MainDialog::onAddToHistoryCommand>(Notification::Clicked, IDM_ADD_TO_HISTORY),
    commandEntry<&MainDialog::onHistoryCommand>(Notification::Clicked, IDM_HISTORY),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_NECK),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_NECK),
    commandEntry<&MainDialog::onEditFocusLost>(Notification::EditFocusLost, IDC_HIP),
    commandEntry<&MainDialog::onEditFocusGained>(Notification::EditFocusGained, IDC_HIP),
    commandEntry<&MainDialog::onWaistAndWeightChosen>(Notification::Clicked, IDM_METHOD_YMCA),
    commandEntry<&MainDialog::onNavyChosen>(Notification::Clicked, IDM_METHOD_NAVY),
    commandEntry<&MainDialog::onRelativeFatMassChosen>(Notification::Clicked, IDM_METHOD_RFM),
    commandEntry<&MainDialog::onGoalCommand>(Notification::Clicked, IDM_GOAL),
};

const MessageMap MainDialog::messages{&Dialog::messages, messageEntries};

MainDialog::MainDialog(Dialog* parentWindow) : Dialog(IDD_MAIN, parentWindow) {
    icon = Icon::load(IDI_MAIN);
    weight = SettingsStore::loadWeight();
    waist = SettingsStore::loadWaist();
    height = SettingsStore::loadHeight();
    metric = SettingsStore::loadMetric() ? 1 : 0;
    female = SettingsStore::loadFemale() ? 1 : 0;
    method = SettingsStore::loadMethod();
    neck = SettingsStore::loadNeck();
    hip = SettingsStore::loadHip();
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
    exchange.edit(IDC_NECK, neck);
    exchange.edit(IDC_HIP, hip);
}

bool MainDialog::initialiseWindow() {
    Dialog::initialiseWindow();
    setIcon(icon, IconSize::Large);
    setIcon(icon, IconSize::Small);
    centreWindow();
    createMenuBar();
    initResultsList();
    showUnitLabels();
    showMethod();
    recalculate();
    return true;
}

// The method's choice in the menu, and the neck and hip where the method needs them: shown
// for the Navy method alone, the hip taking input for a woman alone.
void MainDialog::showMethod() {
    commandBar.checkCommand(methodCommands[static_cast<int>(method)], true);
    showControls({IDC_NECK, IDC_NECK_UNIT, IDC_HIP, IDC_HIP_UNIT}, method == FatMethod::Navy);
    showHipState();
    setControlToolTip(IDC_FEMALE, ResultExplanations::femaleBox(method));
    // The default method goes without saying; another is named.
    if (method != FatMethod::WaistAndWeight) {
        const std::string text =
            Translation::fill(translated("Method: %1."), {ResultExplanations::methodName(method)});
        showNotice("method", text, text, NoticeKind::Information);
    } else {
        clearNotice("method");
    }
}

void MainDialog::showHipState() {
    enableControl(IDC_HIP, female != 0);
    setControlToolTip(IDC_HIP, female != 0 ? ResultExplanations::hipField(metric == 1)
                                           : translated("The US Navy method takes the hip for a "
                                                        "woman alone: for a man it is not used."));
}

void MainDialog::createMenuBar() {
    commandBar.create(*this, windowstyle::toolBarFlat, commandBarWindowStyle,
                      CommandBar::standardId);
    commandBar.insertMenuBar(IDR_MAINMENU, CommandBar::noBitmap);
}

void MainDialog::initResultsList() {
    resultsList.setExtendedStyle(windowstyle::listExtendedFullRowSelect);
    for (int column = quantityColumn; column <= descriptionColumn; ++column) {
        resultsList.insertColumn(column, translated(columnHeadings[column]));
        resultsList.setColumnDescription(column, translated(columnDescriptions[column]));
    }
    for (int row = fatPercentageRow; row <= bodyMassIndexRow; ++row) {
        resultsList.insertItem(row, translated(rowNames[row]));
    }
    showFatPercentage(0.0);
    showFatMass(0.0);
    showLeanMass(0.0);
    showRestMetabolicRate(0.0);
    showBodyMassIndex(0.0);
    for (int column = quantityColumn; column <= descriptionColumn; ++column) {
        resultsList.setColumnWidth(column, columnWidths[column]);
    }
    resultsList.reserveColumnWidth(resultColumn, widestUsualFigure);
    // Every unit and rating fits from the start, so that none ever widens the window.
    for (const std::string& unit :
         {translated("%"), massUnit(0), massUnit(1), translated("Cals")}) {
        resultsList.reserveColumnWidth(unitColumn, unit);
    }
    for (int rating = 0; rating <= static_cast<int>(FatRating::VeryHigh); ++rating) {
        resultsList.reserveColumnWidth(descriptionColumn,
                                       translated(fatRatingLabel(static_cast<FatRating>(rating))));
    }
    for (int category = 0; category <= static_cast<int>(BmiCategory::Obese); ++category) {
        resultsList.reserveColumnWidth(
            descriptionColumn, translated(bmiCategoryLabel(static_cast<BmiCategory>(category))));
    }
    nameControl(IDC_RESULTS, translated("Results"));
    resultsList.setCopyPreamble([this] { return copyPreamble(); });
}

// A copy says where its figures came from: the entries as the fields show them, and, while a
// field holds no number, what the window says of it.
ListControl::CopyPreamble MainDialog::copyPreamble() const {
    const auto box = [](std::int32_t ticked) {
        return ticked != 0 ? translated("Yes") : translated("No");
    };
    ListControl::CopyPreamble preamble{
        entryShortfall(),
        {{translated("Waist"), controlText(IDC_WAIST), controlText(IDC_WAIST_UNIT)},
         {translated("Weight"), controlText(IDC_WEIGHT), controlText(IDC_WEIGHT_UNIT)},
         {translated("Height"), controlText(IDC_HEIGHT), controlText(IDC_HEIGHT_UNIT)}}};
    if (method == FatMethod::Navy) {
        preamble.rows.push_back(
            {translated("Neck"), controlText(IDC_NECK), controlText(IDC_NECK_UNIT)});
        if (female != 0) {
            preamble.rows.push_back(
                {translated("Hip"), controlText(IDC_HIP), controlText(IDC_HIP_UNIT)});
        }
    }
    preamble.rows.push_back({translated("Female"), box(female)});
    preamble.rows.push_back({translated("Metric"), box(metric)});
    preamble.rows.push_back({translated("Method"), ResultExplanations::methodName(method)});
    return preamble;
}

void MainDialog::showUnitLabels() {
    const bool metricUnits = metric == 1;
    const std::string length = metricUnits ? translated("cm") : translated("Inches");
    setControlText(IDC_WAIST_UNIT, length);
    setControlText(IDC_WEIGHT_UNIT, massUnit(metric));
    setControlText(IDC_HEIGHT_UNIT, length);
    // The labels' abbreviations, as a screen reader should say them with each field.
    const std::string spokenLength = metricUnits ? translated("cm") : translated("inches");
    describeControl(IDC_WAIST, spokenLength);
    describeControl(IDC_WEIGHT, metricUnits ? translated("kilograms") : translated("pounds"));
    describeControl(IDC_HEIGHT, spokenLength);
    setControlToolTip(IDC_WAIST, ResultExplanations::waistField(metricUnits));
    setControlToolTip(IDC_WEIGHT, ResultExplanations::weightField(metricUnits));
    setControlToolTip(IDC_HEIGHT, ResultExplanations::heightField(metricUnits));
    setControlToolTip(IDC_METRIC, ResultExplanations::metricBox());
    // The neck's and the hip's, though hidden, follow too.
    setControlText(IDC_NECK_UNIT, length);
    setControlText(IDC_HIP_UNIT, length);
    describeControl(IDC_NECK, spokenLength);
    describeControl(IDC_HIP, spokenLength);
    setControlToolTip(IDC_NECK, ResultExplanations::neckField(metricUnits));
}

void MainDialog::recalculate() {
    updateFormData(FormDirection::Read);
    const Measurements entry{waist, weight, height, female != 0, metric != 0, neck, hip, method};
    const CompositionResult result = computeComposition(entry);
    estimates = estimatesFor(entry);
    if (hasWhatItsMethodNeeds(entry)) {
        showFatPercentage(result.fatPercentage);
        showFatMass(result.fatMass);
        showLeanMass(result.leanMass);
        showRestMetabolicRate(result.restMetabolicRate);
    } else {
        showNoFatFigures();
    }
    showBodyMassIndex(result.bodyMassIndex);
    showMethodLack();
    showEntryState();
    clearNotice("history-entry"); // it told of entries that no longer stand
}

// What the window says while a field holds no number; nothing while every field holds one.
std::string MainDialog::entryProblem() const {
    std::string marked;
    for (const Field& field : fields) {
        if (isFieldInUse(field.id) && isFieldMarked(field.id)) {
            marked += (marked.empty() ? "" : ", ") + translated(field.name);
        }
    }
    return marked.empty() ? std::string()
                          : Translation::fill(translated("%1: enter a number. The figures are "
                                                         "those of the last valid entry."),
                                              {marked});
}

// What the method lacks: the Navy method reads the neck, and a woman's hip, and a figure from a
// measurement left at 0 would be a figure of nothing. Nothing when it lacks nothing.
std::string MainDialog::methodLack() const {
    const bool noNeck = neckLacking();
    const bool noHip = hipLacking();
    if (noNeck && noHip) {
        return translated("Enter your neck and hip to use the US Navy method.");
    }
    if (noNeck) {
        return translated("Enter your neck to use the US Navy method.");
    }
    return noHip ? translated("Enter your hip to use the US Navy method.") : std::string();
}

bool MainDialog::neckLacking() const {
    return usesNeck(method) && !(neck > 0.0);
}

bool MainDialog::hipLacking() const {
    return usesHip(method, female != 0) && !(hip > 0.0);
}

// What keeps the figures from standing for the entries as typed: a field holding no number,
// else a measurement the method lacks. Nothing when every figure stands.
std::string MainDialog::entryShortfall() const {
    const std::string problem = entryProblem();
    return problem.empty() ? methodLack() : problem;
}

// The measurement the method lacks is marked as a field holding no number is, and the notice
// line says what to enter.
void MainDialog::showMethodLack() {
    markFieldNeeded(IDC_NECK,
                    neckLacking() ? translated("Enter your neck to use the US Navy method.") : "");
    markFieldNeeded(IDC_HIP,
                    hipLacking() ? translated("Enter your hip to use the US Navy method.") : "");
    if (const std::string lack = methodLack(); !lack.empty()) {
        showNotice("method-lack", lack, lack);
    } else {
        clearNotice("method-lack");
    }
}

// The rows that come from the fat percentage, empty while the method lacks a measurement.
void MainDialog::showNoFatFigures() {
    const std::string lack = methodLack();
    for (const int row : {fatPercentageRow, fatMassRow, leanMassRow, restMetabolicRateRow}) {
        for (const int column : {resultColumn, unitColumn, descriptionColumn}) {
            resultsList.setItemText(row, column, "");
        }
        resultsList.setItemDescription(row, lack);
    }
}

// What each method the entries allow gives: the Navy method needs a neck, and a woman's a hip.
std::vector<ResultExplanations::Estimate>
MainDialog::estimatesFor(const Measurements& entry) const {
    std::vector<ResultExplanations::Estimate> found;
    for (const FatMethod each : fatMethods) {
        Measurements byThis = entry;
        byThis.method = each;
        if (hasWhatItsMethodNeeds(byThis)) {
            found.push_back({each, computeComposition(byThis).fatPercentage});
        }
    }
    return found;
}

// The neck and the hip count for the Navy method alone, the hip for a woman alone.
bool MainDialog::isFieldInUse(int id) const {
    if (id == IDC_NECK) {
        return usesNeck(method);
    }
    if (id == IDC_HIP) {
        return usesHip(method, female != 0);
    }
    return true;
}

// A field that holds no number leaves the figures at its last number: the window says so in
// words, dims the list, and a screen reader hears it; otherwise it hears the new figures.
void MainDialog::showEntryState() {
    const std::string problem = entryProblem();
    resultsList.setOutOfDate(!problem.empty(), problem);
    if (!problem.empty()) {
        showNotice("entry", problem, problem);
        announce(problem);
        return;
    }
    clearNotice("entry");
    if (const std::string lack = methodLack(); !lack.empty()) {
        announce(lack + " " + rowAsShown(bodyMassIndexRow));
        return;
    }
    std::string fatRow = rowAsShown(fatPercentageRow);
    if (method != FatMethod::WaistAndWeight) {
        fatRow += ", " + ResultExplanations::byMethod(method);
    }
    announce(fatRow + "; " + rowAsShown(bodyMassIndexRow));
}

// A row as it reads in the list: its name, figure, unit and rating.
std::string MainDialog::rowAsShown(int row) const {
    std::string text = resultsList.itemText(row, quantityColumn);
    text += ' ';
    text += resultsList.itemText(row, resultColumn);
    if (const std::string unit = resultsList.itemText(row, unitColumn); !unit.empty()) {
        text += ' ';
        text += unit;
    }
    if (const std::string rating = resultsList.itemText(row, descriptionColumn); !rating.empty()) {
        text += ", ";
        text += rating;
    }
    return text;
}

void MainDialog::showFatPercentage(double fatPercentage) {
    resultsList.setItemText(fatPercentageRow, resultColumn, shown(fatPercentage));
    resultsList.setItemText(fatPercentageRow, unitColumn, translated("%"));
    const std::optional<FatRating> rating = fatRatingOf(fatPercentage, female != 0);
    resultsList.setItemText(fatPercentageRow, descriptionColumn,
                            rating ? translated(fatRatingLabel(*rating)) : std::string());
    resultsList.setItemDescription(
        fatPercentageRow,
        ResultExplanations::fatPercentage(fatPercentage, female != 0, method, estimates));
}

void MainDialog::showFatMass(double fatMass) {
    showMass(fatMassRow, fatMass);
}

void MainDialog::showLeanMass(double leanMass) {
    showMass(leanMassRow, leanMass);
}

void MainDialog::showMass(int row, double mass) {
    resultsList.setItemText(row, resultColumn, shown(mass));
    resultsList.setItemText(row, unitColumn, massUnit(metric));
    resultsList.setItemDescription(row, row == fatMassRow
                                            ? ResultExplanations::fatMass(metric != 0, method)
                                            : ResultExplanations::leanMass(metric != 0, method));
}

void MainDialog::showRestMetabolicRate(double restMetabolicRate) {
    resultsList.setItemText(restMetabolicRateRow, resultColumn, shown(restMetabolicRate));
    resultsList.setItemText(restMetabolicRateRow, unitColumn, translated("Cals"));
    resultsList.setItemDescription(restMetabolicRateRow, ResultExplanations::restMetabolicRate());
}

void MainDialog::showBodyMassIndex(double bodyMassIndex) {
    resultsList.setItemText(bodyMassIndexRow, resultColumn, shown(bodyMassIndex));
    const std::optional<BmiCategory> category = bmiCategoryOf(bodyMassIndex);
    resultsList.setItemText(bodyMassIndexRow, descriptionColumn,
                            category ? translated(bmiCategoryLabel(*category)) : std::string());
    resultsList.setItemDescription(bodyMassIndexRow,
                                   ResultExplanations::bodyMassIndex(bodyMassIndex));
}

void MainDialog::onWaistChanged() {
    recalculate();
    SettingsStore::saveWaist(waist);
}

void MainDialog::onWeightChanged() {
    recalculate();
    SettingsStore::saveWeight(weight);
}

void MainDialog::onHeightChanged() {
    recalculate();
    SettingsStore::saveHeight(height);
}

void MainDialog::onFemaleClicked() {
    recalculate();
    SettingsStore::saveFemale(female != 0);
    showHipState();
}

void MainDialog::onNeckChanged() {
    recalculate();
    SettingsStore::saveNeck(neck);
}

void MainDialog::onHipChanged() {
    recalculate();
    SettingsStore::saveHip(hip);
}

void MainDialog::onWaistAndWeightChosen() {
    chooseMethod(FatMethod::WaistAndWeight);
}

void MainDialog::onNavyChosen() {
    chooseMethod(FatMethod::Navy);
}

void MainDialog::onRelativeFatMassChosen() {
    chooseMethod(FatMethod::RelativeFatMass);
}

// Stored when it changes; the neck and hip show or hide with it, and the figures follow.
void MainDialog::chooseMethod(FatMethod chosen) {
    if (chosen != method) {
        method = chosen;
        SettingsStore::saveMethod(method);
    }
    showMethod();
    recalculate();
}

void MainDialog::onMetricClicked() {
    updateFormData(FormDirection::Read);
    showUnitLabels();
    const bool toMetric = metric == 1;
    waist = convertedLength(waist, toMetric);
    weight = convertedMass(weight, toMetric);
    height = convertedLength(height, toMetric);
    neck = convertedLength(neck, toMetric);
    hip = convertedLength(hip, toMetric);
    SettingsStore::saveMetric(metric != 0);
    SettingsStore::saveWaist(waist);
    SettingsStore::saveWeight(weight);
    SettingsStore::saveHeight(height);
    // A neck or hip that was ever typed belongs with the others; one never typed stays unwritten.
    if (SettingsStore::hasNeck()) {
        SettingsStore::saveNeck(neck);
    }
    if (SettingsStore::hasHip()) {
        SettingsStore::saveHip(hip);
    }
    if (const std::optional<double> goal = SettingsStore::loadGoalWeight()) {
        SettingsStore::saveGoalWeight(convertedMass(*goal, toMetric));
    }
    updateFormData(FormDirection::Write);
    recalculate();
    showHipState();
    if (history) {
        history->setUnits(metric != 0);
        history->setGoal({SettingsStore::loadGoalWeight(), SettingsStore::loadGoalFat()});
    }
}

void MainDialog::onAboutCommand() {
    AboutDialog about;
    about.runModal();
}

void MainDialog::onHelpCommand() {
    Application& application = *Application::current();
    DocumentWindow::open(
        *this, translated("Fenwake Help"),
        [&application] {
            return HelpText::html({application.profile().filePath(), application.state().filePath(),
                                   HistoryStore::defaultPath()});
        },
        &application.state(), "Help");
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

namespace fenwake {

void MainDialog::useHistory() {
    if (!history) {
        history = std::make_unique<History>(
            History::MethodWords{&ResultExplanations::methodName, &ResultExplanations::byMethod});
        history->setGoal({SettingsStore::loadGoalWeight(), SettingsStore::loadGoalFat()});
        history->setCurrentEntry([this] {
            return Measurements{waist, weight, height, female != 0, metric != 0, neck, hip, method};
        });
        history->setListener({[this](const HistoryEntry& entry) { onKeptInHistory(entry); },
                              [this](const std::string& trouble) { onHistoryTrouble(trouble); },
                              [this](const std::string& text) {
                                  showNotice("history-entry", text, text);
                                  announce(text);
                              }});
    }
}

// The entries as they stand, kept once every field in use holds a number.
void MainDialog::onAddToHistoryCommand() {
    updateFormData(FormDirection::Read);
    if (const std::string problem = entryShortfall(); !problem.empty()) {
        const std::string text =
            Translation::fill(translated("Nothing was added to the history. %1"), {problem});
        showNotice("history-entry", text, text);
        announce(text);
        return;
    }
    useHistory();
    history->add({waist, weight, height, female != 0, metric != 0, neck, hip, method});
}

void MainDialog::onHistoryCommand() {
    useHistory();
    history->openWindow(*this, metric != 0);
}

// The goal's window asks; what it is given is stored, and the history shows it.
void MainDialog::onGoalCommand() {
    const Goal current{SettingsStore::loadGoalWeight(), SettingsStore::loadGoalFat()};
    GoalWindow::open(*this, current, metric != 0, [this](const Goal& chosen) {
        SettingsStore::saveGoalWeight(chosen.weight);
        SettingsStore::saveGoalFat(chosen.fat);
        if (history) {
            history->setGoal(chosen);
        }
    });
}

// Said once the entry is on disk.
void MainDialog::onKeptInHistory(const HistoryEntry& entry) {
    const std::string text = Translation::fill(
        translated("Kept in the history: %1."),
        {Translation::dateTime(entry.taken.utcMilliseconds, entry.taken.utcOffsetMinutes)});
    showNotice("history-entry", text, text, NoticeKind::Information);
    announce(text);
}

void MainDialog::onHistoryTrouble(const std::string& trouble) {
    if (trouble.empty()) {
        clearNotice("history");
    } else {
        showNotice("history", trouble, trouble);
    }
}

} // namespace fenwake
