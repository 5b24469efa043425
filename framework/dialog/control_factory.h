#pragma once

#include "framework/dialog/form_layout.h"
#include "framework/resources/dialog_template.h"

#include <QRect>
#include <QSize>

#include <map>
#include <memory>
#include <vector>

class QWidget;

namespace fenwake {

class DialogUnits;
class NotificationSink;
class DialogWindow;

// Builds a dialog's controls from its template: the Qt widget for each class and style word,
// placed in dialog units, wired to report to the dialog, in tab order over the tab stops.
class ControlFactory {
public:
    ControlFactory(NotificationSink& sink, DialogWindow& window, QWidget& clientArea,
                   const DialogUnits& units);

    // Creates every control and places it (form_layout.h); returns the controls that have an
    // id of their own.
    std::map<int, QWidget*> createControls(const DialogTemplate& dialogTemplate);
    // The size the placed controls need: the template's, or more where the style needs it.
    QSize formSize() const { return form; }
    // The form's layout and its items, to place the controls again as some show or hide.
    std::unique_ptr<FormLayout> takeLayout() { return std::move(layout); }
    const std::vector<FormLayout::Item>& formItems() const { return items; }

    QWidget* firstTabStop() const { return firstStop; }
    bool createdEdits() const { return editsCreated; }

private:
    QWidget* createControl(const ControlTemplate& control);
    QWidget* createButton(const ControlTemplate& control);
    QWidget* createEdit(const ControlTemplate& control);
    QWidget* createStatic(const ControlTemplate& control);
    QWidget* createListView(const ControlTemplate& control);
    QRect templatePlace(const QWidget& widget, const ControlTemplate& control) const;
    void joinTabOrder(QWidget& widget, const ControlTemplate& control);

    NotificationSink& sink;
    DialogWindow& window;
    QWidget& clientArea;
    const DialogUnits& units;
    int designPointSize = 8;
    QWidget* firstStop = nullptr;
    QWidget* lastStop = nullptr;
    QWidget* previousLabel = nullptr;
    bool editsCreated = false;
    QSize form;
    std::vector<FormLayout::Item> items;
    std::unique_ptr<FormLayout> layout;
};

} // namespace fenwake
