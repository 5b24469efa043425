#include "windows/import_window.h"

#include "framework/dialog/access_keys.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/table_copy.h"
#include "framework/language/translation.h"
#include "framework/text/number_text.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace fenwake {

namespace {

// The lines not read: each an item a screen reader reads whole; Ctrl+C and the context menu
// copy the chosen lines, or all of them when none is chosen.
class RefusedList : public QListWidget {
public:
    explicit RefusedList(QWidget* parent) : QListWidget(parent) {
        setObjectName("refused");
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setWordWrap(true);
        setAccessibleName(qtText(translated("Lines not read")));
        setToolTip(toolTipText(
            qtText(translated("Each line of the file that was not read, and why. Ctrl+C copies "
                              "the chosen lines, or all of them."))));
    }

    void copyLines(bool every) const {
        QStringList lines;
        for (int row = 0; row < count(); ++row) {
            if (every || selectedItems().isEmpty() || item(row)->isSelected()) {
                lines << item(row)->text();
            }
        }
        QApplication::clipboard()->setText(lines.join('\n') + '\n');
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (TableCopy::answersKey(*this, *event, [this](bool every) { copyLines(every); })) {
            return;
        }
        QListWidget::keyPressEvent(event);
    }
    // The focus lands on a line, and a screen reader says it, not only how many there are.
    void focusInEvent(QFocusEvent* event) override {
        if (currentRow() < 0 && count() > 0) {
            setCurrentRow(0, QItemSelectionModel::NoUpdate);
        }
        QListWidget::focusInEvent(event);
        // After the list's own focus event, which the window sends once this returns.
        QTimer::singleShot(0, this, [this] {
            if (QAccessible::isActive() && hasFocus() && currentRow() >= 0) {
                QAccessibleEvent line(this, QAccessible::Focus);
                line.setChild(currentRow());
                QAccessible::updateAccessibility(&line);
            }
        });
    }
    void contextMenuEvent(QContextMenuEvent* event) override { showMenu(event->globalPos()); }

private:
    void showMenu(QPoint at) {
        TableCopy::showMenu(*this, at, [this](bool every) { copyLines(every); });
    }
};

QString numberText(double value) {
    return qtText(Translation::number(NumberText::editText(value)));
}

} // namespace

ImportWindow::ImportWindow(QWidget& owner, const Facts& facts,
                           std::function<void(const HistoryCsv::Given&)> whenConfirmed)
    : QDialog(&owner), confirmed(std::move(whenConfirmed)), given(facts.defaults),
      anything(facts.anything) {
    setObjectName("import-window");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qtText(translated("Import")));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(qtText(facts.summary), this);
    summary->setObjectName("import-summary");
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary->setFocusPolicy(Qt::StrongFocus);
    // Heard by its text: a name of its own would be said instead of what the file holds.
    summary->setToolTip(toolTipText(qtText(translated("What the file holds; nothing of it is "
                                                      "written until you choose Import."))));
    layout->addWidget(summary);
    addLackingFields(facts.lacking, facts.defaults);
    addRefused(facts.refused);
    auto* buttons = new QDialogButtonBox(this);
    importButton = buttons->addButton(qtText(translated("Import")), QDialogButtonBox::AcceptRole);
    importButton->setToolTip(
        toolTipText(qtText(translated("Adds the entries to the history, all at once."))));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setToolTip(toolTipText(qtText(translated("Closes this window; nothing is added."))));
    layout->addWidget(buttons);
    // The fields' letters first: the buttons take what is left.
    QList<QWidget*> forms{buttons};
    if (auto* form = findChild<QWidget*>("lacking")) {
        forms.prepend(form);
    }
    AccessKeys::assign(*this, forms);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (readGiven(given)) {
            confirmed(given);
            accept();
        }
    });
    check();
    importButton->setDefault(true);
    summary->setFocus();
}

// What the file lacks, offered as the main window has it.
void ImportWindow::addLackingFields(const HistoryCsv::Lacking& lacking,
                                    const HistoryCsv::Given& defaults) {
    if (!lacking.any()) {
        return;
    }
    auto* form = new QWidget(this);
    form->setObjectName("lacking");
    auto* fields = new QFormLayout(form);
    const auto field = [&](bool lacked, const char* label, const char* name, double value) {
        if (!lacked) {
            return static_cast<QLineEdit*>(nullptr);
        }
        auto* edit = new QLineEdit(numberText(value), form);
        edit->setObjectName(name);
        edit->setToolTip(toolTipText(qtText(translated(
            "The file gives none: this is taken for each of its entries that has none."))));
        fields->addRow(qtText(translated(label)), edit);
        connect(edit, &QLineEdit::textChanged, this, [this] { check(); });
        return edit;
    };
    waist = field(lacking.waist, TRANSLATABLE("Waist:"), "import-waist", defaults.waist);
    weight = field(lacking.weight, TRANSLATABLE("Weight:"), "import-weight", defaults.weight);
    height = field(lacking.height, TRANSLATABLE("Height:"), "import-height", defaults.height);
    const auto box = [&](bool lacked, const char* label, const char* name, bool ticked,
                         const char* explanation) {
        if (!lacked) {
            return static_cast<QCheckBox*>(nullptr);
        }
        auto* tick = new QCheckBox(qtText(translated(label)), form);
        tick->setObjectName(name);
        tick->setChecked(ticked);
        tick->setToolTip(toolTipText(qtText(translated(explanation))));
        fields->addRow(tick);
        return tick;
    };
    female = box(lacking.female, TRANSLATABLE("Female"), "import-female", defaults.female,
                 TRANSLATABLE("The file does not say whose the entries are: tick it for a "
                              "woman's."));
    metric = box(lacking.units, TRANSLATABLE("Metric"), "import-metric", defaults.metric,
                 TRANSLATABLE("The file does not say its units: tick it for centimetres and "
                              "kilograms, clear it for inches and pounds."));
    layout()->addWidget(form);
}

void ImportWindow::addRefused(const std::vector<std::string>& refused) {
    if (refused.empty()) {
        return;
    }
    auto* list = new RefusedList(this);
    for (const std::string& line : refused) {
        list->addItem(qtText(line));
    }
    layout()->addWidget(list);
}

bool ImportWindow::readGiven(HistoryCsv::Given& into) const {
    bool read = true;
    for (const auto& [edit, value] :
         {std::pair{waist, &into.waist}, std::pair{weight, &into.weight},
          std::pair{height, &into.height}}) {
        if (edit == nullptr) {
            continue;
        }
        const std::optional<double> number = NumberText::readEditNumber(edit->text().toStdString());
        read = read && number.has_value();
        *value = number.value_or(*value);
    }
    into.female = female != nullptr ? female->isChecked() : into.female;
    into.metric = metric != nullptr ? metric->isChecked() : into.metric;
    return read;
}

// Import once there are entries and every field given holds a number.
void ImportWindow::check() {
    HistoryCsv::Given ignored = given;
    importButton->setEnabled(anything && readGiven(ignored));
}

} // namespace fenwake
