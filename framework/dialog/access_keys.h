#pragma once

#include <QChar>
#include <QList>
#include <QSet>

class QWidget;

namespace fenwake {

// Gives each caption of a field and each button of a form a letter of its own, underlined, that
// Alt moves to (a box is ticked as well): the first letter of its text that neither the menu
// bar nor a control before it in the form has taken, as KDE gives them. A text that marks its
// own letter keeps it. What a screen reader names a control by stays its text alone.
class AccessKeys {
public:
    // window: the dialog's window with its menu bar, if any; form: the controls' parent, whose
    // children stand in template order.
    static void assign(QWidget& window, QWidget& form);
    // The same over several forms in turn, each letter given once across them all.
    static void assign(QWidget& window, const QList<QWidget*>& forms);

private:
    static void assignIn(QWidget& form, QSet<QChar>& taken);
};

} // namespace fenwake
