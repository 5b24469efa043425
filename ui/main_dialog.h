#pragma once

#include "framework/dialog.h"
#include "framework/icon.h"
#include "framework/list_control.h"

#include <cstdint>

namespace fenwake {

// The calculator's one working window: three measurements, the Female and Metric boxes and
// the results list. It reads the stored inputs when it is constructed, before it has a window.
class MainDialog : public Dialog {
public:
    explicit MainDialog(Dialog* parentWindow = nullptr);
    ~MainDialog() override;

protected:
    const MessageMap* messageMap() const override;
    void exchangeFormData(DataExchange& exchange) override;
    bool initialiseWindow() override;

private:
    void showUnitLabels();

    void onEditFocusGained();
    void onEditFocusLost();
    void onLeftButtonDown(unsigned keyFlags, Point point);

    static const MessageEntry messageEntries[];
    static const MessageMap messages;

    ListControl resultsList;
    std::int32_t female = 0;
    std::int32_t metric = 0;
    double waist = 0.0;
    double weight = 0.0;
    double height = 0.0;
    Icon icon;
};

} // namespace fenwake
