#include "framework/dialog/access_keys.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QSet>

namespace fenwake {

namespace {

// The letter a text marks with '&', or nothing.
QChar markedLetter(const QString& text) {
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == '&') {
            if (text[at + 1] != '&') {
                return text[at + 1].toLower();
            }
            ++at; // "&&" is an ampersand
        }
    }
    return {};
}

// The text with its first free letter marked, or as it is when every letter is taken.
QString marked(const QString& text, QSet<QChar>& taken) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar letter = text[at].toLower();
        if (text[at].isLetterOrNumber() && !taken.contains(letter)) {
            taken.insert(letter);
            return text.left(at) + '&' + text.mid(at);
        }
    }
    return text;
}

} // namespace

void AccessKeys::assign(QWidget& window, QWidget& form) {
    assign(window, QList<QWidget*>{&form});
}

void AccessKeys::assign(QWidget& window, const QList<QWidget*>& forms) {
    QSet<QChar> taken;
    if (const auto* bar = window.findChild<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) {
            taken.insert(markedLetter(menu->text()));
        }
    }
    for (QWidget* form : forms) {
        assignIn(*form, taken);
    }
}

void AccessKeys::assignIn(QWidget& form, QSet<QChar>& taken) {
    for (QObject* child : form.children()) {
        auto* label = qobject_cast<QLabel*>(child);
        auto* button = qobject_cast<QAbstractButton*>(child);
        const QString text = label != nullptr ? label->text() : button ? button->text() : QString();
        if ((label != nullptr && label->buddy() == nullptr) || text.isEmpty()) {
            continue;
        }
        if (const QChar own = markedLetter(text); !own.isNull()) {
            taken.insert(own);
            continue;
        }
        const QString withKey = marked(text, taken);
        if (label != nullptr) {
            label->setTextFormat(Qt::PlainText);
            label->setText(withKey);
        } else if (button != nullptr) {
            button->setText(withKey);
        }
    }
}

} // namespace fenwake
