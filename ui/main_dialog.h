#pragma once

#include "engine/measurements.h"
#include "framework/dialog/dialog.h"
#include "framework/menu/command_bar.h"
#include "framework/resources/icon.h"
#include "ui/result_explanations.h"
#include "ui/results_list.h"
#include "windows/history.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fenwake {

// The calculator's one working window: three measurements, the Female and Metric boxes and
// the results list. It reads the stored inputs when it is constructed, before it has a
// window. Every change recomputes the list and stores the changed value at once; switching
// Metric converts the measurements already entered.
class MainDialog : public Dialog {
public:
    explicit MainDialog(Dialog* parentWindow = nullptr);
    ~MainDialog() override;

protected:
    const MessageMap* messageMap() const override;
    void exchangeFormData(DataExchange& exchange) override;
    bool initialiseWindow() override;

private:
    void createMenuBar();
    void initResultsList();
    void showUnitLabels();
    void recalculate();
    void showEntryState();
    std::string entryProblem() const;
    std::string methodLack() const;
    bool neckLacking() const;
    bool hipLacking() const;
    std::string entryShortfall() const;
    void showMethodLack();
    void showNoFatFigures();
    bool isFieldInUse(int id) const;
    void showMethod();
    void showHipState();
    void chooseMethod(FatMethod chosen);
    std::vector<ResultExplanations::Estimate> estimatesFor(const Measurements& entry) const;
    ListControl::CopyPreamble copyPreamble() const;
    std::string rowAsShown(int row) const;

    void showFatPercentage(double fatPercentage);
    void showFatMass(double fatMass);
    void showLeanMass(double leanMass);
    // The two masses' rows: the value, and its unit in the units Metric selects.
    void showMass(int row, double mass);
    void showRestMetabolicRate(double restMetabolicRate);
    void showBodyMassIndex(double bodyMassIndex);

    void onMetricClicked();
    void onWaistChanged();
    void onWeightChanged();
    void onFemaleClicked();
    void onAboutCommand();
    void onLeftButtonDown(unsigned keyFlags, Point point);
    void onEditFocusLost();
    void onEditFocusGained();
    void onHeightChanged();
    void onHelpCommand();
    void onNeckChanged();
    void onHipChanged();
    void onWaistAndWeightChosen();
    void onNavyChosen();
    void onRelativeFatMassChosen();
    void onAddToHistoryCommand();
    void onHistoryCommand();
    void onGoalCommand();
    void onKeptInHistory(const HistoryEntry& entry);
    void onHistoryTrouble(const std::string& trouble);

    static const MessageEntry messageEntries[];
    static const MessageMap messages;

    ResultsList resultsList;
    std::int32_t female = 0;
    std::int32_t metric = 0;
    double waist = 0.0;
    double weight = 0.0;
    double height = 0.0;
    // The method of the fat estimate, and the neck and hip the Navy method needs.
    FatMethod method = FatMethod::WaistAndWeight;
    double neck = 0.0;
    double hip = 0.0;
    std::vector<ResultExplanations::Estimate> estimates; // each method's, for the explanation
    Icon icon;
    CommandBar commandBar;
    // The history, made when it is first used.
    std::unique_ptr<History> history;
    void useHistory();
};

} // namespace fenwake
