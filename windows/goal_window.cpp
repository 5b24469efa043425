#include "windows/goal_window.h"

#include "framework/dialog/access_keys.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/qt_text.h"
#include "framework/language/translation.h"
#include "framework/text/number_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenwake {

namespace {

QString goalText(const std::optional<double>& goal) {
    return goal ? qtText(Translation::number(NumberText::twoDecimals(*goal))) : QString();
}

// A field's goal: nothing when it is empty, else its number; false when it is neither.
bool readGoal(const QLineEdit& field, std::optional<double>& goal) {
    const QString text = field.text().trimmed();
    if (text.isEmpty()) {
        goal.reset();
        return true;
    }
    goal = NumberText::readEditNumber(text.toStdString());
    return goal.has_value();
}

} // namespace

void GoalWindow::open(const Dialog& owner, const Goal& current, bool metric,
                      std::function<void(const Goal&)> chosen) {
    QWidget* ownerWindow = DialogWidgets::window(owner);
    if (ownerWindow == nullptr) {
        return;
    }
    auto* dialog = new QDialog(ownerWindow);
    dialog->setObjectName("goal-window");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(qtText(translated("Goal")));
    auto* layout = new QVBoxLayout(dialog);
    auto* intro = new QLabel(qtText(translated("The History window draws a goal as a line, and "
                                               "says when the trend may reach it. Leave a field "
                                               "empty for no goal.")),
                             dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QWidget(dialog);
    auto* fields = new QFormLayout(form);
    auto* weight = new QLineEdit(goalText(current.weight), form);
    weight->setObjectName("goal-weight");
    auto* fat = new QLineEdit(goalText(current.fat), form);
    fat->setObjectName("goal-fat");
    weight->setToolTip(toolTipText(
        qtText(translated("The weight you aim for, in the window's units; empty for no goal."))));
    fat->setToolTip(
        toolTipText(qtText(translated("The fat percentage you aim for; empty for no goal."))));
    fields->addRow(qtText(Translation::fill(translated("Goal weight (%1):"),
                                            {metric ? translated("Kg") : translated("Lbs")})),
                   weight);
    fields->addRow(qtText(translated("Goal fat percentage (%):")), fat);
    layout->addWidget(form);
    auto* problem = new QLabel(dialog);
    problem->setObjectName("goal-problem");
    problem->setTextFormat(Qt::PlainText);
    layout->addWidget(problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* clear =
        buttons->addButton(qtText(translated("Clear Goals")), QDialogButtonBox::ResetRole);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)
        ->setToolTip(toolTipText(qtText(translated("Keeps the goals and closes this window."))));
    buttons->button(QDialogButtonBox::Cancel)
        ->setToolTip(toolTipText(qtText(translated("Closes this window; the goals stay as they "
                                                   "were."))));
    clear->setToolTip(toolTipText(qtText(translated("Empties both fields: no goal."))));
    AccessKeys::assign(*dialog, *form);
    const auto check = [=] {
        std::optional<double> ignored;
        const bool valid = readGoal(*weight, ignored) && readGoal(*fat, ignored);
        problem->setText(valid ? QString()
                               : qtText(translated("Enter a number, or leave the field empty "
                                                   "for no goal.")));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
    };
    QObject::connect(weight, &QLineEdit::textChanged, dialog, check);
    QObject::connect(fat, &QLineEdit::textChanged, dialog, check);
    QObject::connect(clear, &QPushButton::clicked, dialog, [weight, fat] {
        weight->clear();
        fat->clear();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog,
                     [dialog, weight, fat, chosen = std::move(chosen)] {
                         Goal goal;
                         if (readGoal(*weight, goal.weight) && readGoal(*fat, goal.fat)) {
                             chosen(goal);
                             dialog->accept();
                         }
                     });
    dialog->open();
}

} // namespace fenwake
