#include "framework/dialog/control_text.h"

#include "framework/dialog/qt_text.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace fenwake {

void ControlText::set(QWidget* control, std::string_view text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(qtText(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(qtText(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(qtText(text));
    }
}

std::string ControlText::of(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text().toStdString();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text().toStdString();
    }
    return {};
}

} // namespace fenwake
