#pragma once

#include "history/history_csv.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace fenwake {

// The look at a file before anything of it is written: what it holds in words, the fields it
// lacks to be given once for all its entries (the main window's values offered), and the lines
// it could not read with their reasons, in a list the keyboard reads, a screen reader hears and
// Ctrl+C copies. Import adds the entries; Cancel, Escape or closing the window adds nothing.
class ImportWindow : public QDialog {
public:
    struct Facts {
        std::string summary;              // what the file holds, in sentences
        std::vector<std::string> refused; // "Line 3: ...", each line not read
        HistoryCsv::Lacking lacking;
        HistoryCsv::Given defaults;
        bool anything = false; // there are entries to import
    };

    ImportWindow(QWidget& owner, const Facts& facts,
                 std::function<void(const HistoryCsv::Given& given)> confirmed);

private:
    void addLackingFields(const HistoryCsv::Lacking& lacking, const HistoryCsv::Given& defaults);
    void addRefused(const std::vector<std::string>& refused);
    void check();
    bool readGiven(HistoryCsv::Given& into) const;

    std::function<void(const HistoryCsv::Given&)> confirmed;
    HistoryCsv::Given given;
    QLineEdit* waist = nullptr;
    QLineEdit* weight = nullptr;
    QLineEdit* height = nullptr;
    QCheckBox* female = nullptr;
    QCheckBox* metric = nullptr;
    QPushButton* importButton = nullptr;
    bool anything = false;
};

} // namespace fenwake
