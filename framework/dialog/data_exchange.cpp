#include "framework/dialog/data_exchange.h"

#include "framework/dialog/list_control.h"
#include "framework/dialog/mark_colour.h"
#include "framework/dialog/qt_text.h"
#include "framework/language/translation.h"
#include "framework/text/number_text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace fenwake {

namespace {

QString notANumberHint() {
    return qtText(translated("Enter a number."));
}
constexpr const char* markedProperty = "notANumber";
constexpr const char* neededProperty = "fenwakeNeeded";

// A field that holds no number, or holds one its method cannot use, has a red frame, and its
// tool tip and description say why.
QString markReason(const QWidget& control) {
    return DataExchange::isMarked(control) ? notANumberHint()
                                           : control.property(neededProperty).toString();
}

void showMark(QWidget& control) {
    const QPalette& palette = control.palette();
    const QColor red =
        MarkColour::alarm({palette.color(QPalette::Window), palette.color(QPalette::Base)});
    control.setStyleSheet(!markReason(control).isEmpty()
                              ? QString("QLineEdit { border: 2px solid %1; }").arg(red.name())
                              : QString());
    DataExchange::showToolTip(control);
    DataExchange::describe(control);
}

void markField(QLineEdit& edit, bool notANumber) {
    if (DataExchange::isMarked(edit) == notANumber) {
        return;
    }
    edit.setProperty(markedProperty, notANumber);
    showMark(edit);
}

} // namespace

bool DataExchange::isMarked(const QWidget& control) {
    return control.property(markedProperty).toBool();
}

void DataExchange::markNeeded(QWidget& control, const QString& reason) {
    if (control.property(neededProperty).toString() == reason) {
        return;
    }
    control.setProperty(neededProperty, reason);
    showMark(control);
}

void DataExchange::showToolTip(QWidget& control) {
    const QString reason = markReason(control);
    control.setToolTip(
        toolTipText(!reason.isEmpty() ? reason : control.property(toolTipProperty).toString()));
}

void DataExchange::describe(QWidget& control) {
    QString description = control.property(descriptionProperty).toString();
    if (const QString reason = markReason(control); !reason.isEmpty()) {
        description += description.isEmpty() ? reason : ". " + reason;
    }
    control.setAccessibleDescription(description);
}

DataExchange::DataExchange(FindControl find, FormDirection direction)
    : findControl(std::move(find)), exchangeDirection(direction) {}

void DataExchange::checkBox(int id, std::int32_t& value) {
    auto* box = qobject_cast<QCheckBox*>(findControl(id));
    if (box == nullptr) {
        succeeded = false;
        return;
    }
    if (exchangeDirection == FormDirection::Read) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value != 0);
    }
}

void DataExchange::edit(int id, double& value) {
    auto* field = qobject_cast<QLineEdit*>(findControl(id));
    if (field == nullptr) {
        succeeded = false;
        return;
    }
    if (exchangeDirection == FormDirection::Write) {
        const std::string text = NumberText::editText(value);
        field->setText(qtText(Translation::number(text)));
        field->setCursorPosition(0); // a long number shows from its first digit
        markField(*field, !NumberText::readEditNumber(text).has_value());
        return;
    }
    const std::optional<double> number = NumberText::readEditNumber(field->text().toStdString());
    markField(*field, !number.has_value());
    if (number) {
        value = *number;
    } else {
        succeeded = false;
    }
}

void DataExchange::control(int id, ListControl& list) {
    QWidget* widget = findControl(id);
    if (widget == nullptr || !list.attach(widget)) {
        succeeded = false;
    }
}

} // namespace fenwake
