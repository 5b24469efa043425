#include "framework/dialog/control_text.h"

#include "framework/dialog/qt_text.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace fenwake {

namespace {

// A text as it reads, without the '&' that marks its access key ("&&" is an ampersand).
QString withoutAccessKey(const QString& text) {
    QString plain;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == '&' && at + 1 < text.size()) {
            ++at;
        }
        plain += text[at];
    }
    return plain;
}

} // namespace

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
        return (label->buddy() != nullptr ? withoutAccessKey(label->text()) : label->text())
            .toStdString();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return withoutAccessKey(button->text()).toStdString();
    }
    return {};
}

} // namespace fenwake
