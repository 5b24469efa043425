#include "framework/dialog/control_factory.h"

#include "framework/dialog/dialog_units.h"
#include "framework/dialog/dialog_window.h"
#include "framework/dialog/form_layout.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/report_view.h"
#include "framework/language/translation.h"
#include "framework/message/notification_sink.h"
#include "framework/resources/icon.h"
#include "framework/resources/window_style.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fenwake {

namespace {

namespace style = windowstyle;

bool has(std::uint32_t styleWord, std::uint32_t bits) {
    return (styleWord & bits) == bits;
}

// A caption's text as a name: "Waist:" names the field "Waist".
QString nameFromCaption(QString caption) {
    caption.remove('&');
    caption = caption.trimmed();
    if (caption.endsWith(':')) {
        caption.chop(1);
    }
    return caption;
}

// How much larger the window's font is than the one the template was designed with: its
// point size at the 96 dots per inch of the screens of its day.
double designScale(const QWidget& widget, int designPointSize) {
    const QFont& font = widget.font();
    const double pixels =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * widget.logicalDpiY() / 72.0;
    return pixels / (designPointSize * 96.0 / 72.0);
}

void reportClicks(QAbstractButton& button, NotificationSink& sink, int id) {
    QObject::connect(&button, &QAbstractButton::clicked, &button, [&sink, id] {
        sink.notify(Message{MessageKind::Command, Notification::Clicked, id, 0, {}});
    });
}

} // namespace

ControlFactory::ControlFactory(NotificationSink& notificationSink, DialogWindow& dialogWindow,
                               QWidget& client, const DialogUnits& dialogUnits)
    : sink(notificationSink), window(dialogWindow), clientArea(client), units(dialogUnits) {}

std::map<int, QWidget*> ControlFactory::createControls(const DialogTemplate& dialogTemplate) {
    designPointSize = dialogTemplate.fontPointSize > 0 ? dialogTemplate.fontPointSize : 8;
    std::map<int, QWidget*> controls;
    items.clear();
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = createControl(control);
        const bool growing =
            control.id != ControlTemplate::noId && control.id == dialogTemplate.growingControl;
        items.push_back({widget, templatePlace(*widget, control), growing, control.insertion});
        joinTabOrder(*widget, control);
        widget->setEnabled(!has(control.style, style::disabled));
        widget->setVisible(has(control.style, style::visible));
        // A caption names the edit that follows it directly in the template.
        auto* label = qobject_cast<QLabel*>(widget);
        previousLabel = (label != nullptr && label->pixmap().isNull()) ? widget : nullptr;
        if (control.id != ControlTemplate::noId && control.id != -1) {
            widget->setProperty("controlId", control.id);
            controls.emplace(control.id, widget);
        }
    }
    const QSize templateSize(units.toPixelsX(dialogTemplate.rect.width),
                             units.toPixelsY(dialogTemplate.rect.height));
    std::vector<FormLayout::Insertion> insertions;
    for (const TemplateInsertion& insertion : dialogTemplate.insertions) {
        insertions.push_back({units.toPixelsY(insertion.at), units.toPixelsY(insertion.height)});
    }
    layout = std::make_unique<FormLayout>(templateSize, units.toPixelsX(2), insertions);
    form = layout->arrange(items);
    return controls;
}

QWidget* ControlFactory::createControl(const ControlTemplate& control) {
    if (control.className == "SysListView32") {
        return createListView(control);
    }
    QWidget* widget = nullptr;
    if (!control.className.empty()) {
        widget = new QWidget(&clientArea); // a class we do not know shows as empty space
    } else if (control.classAtom == ControlClassAtom::Button) {
        widget = createButton(control);
    } else if (control.classAtom == ControlClassAtom::Edit) {
        widget = createEdit(control);
    } else {
        widget = createStatic(control);
    }
    return widget;
}

QWidget* ControlFactory::createButton(const ControlTemplate& control) {
    const std::uint32_t kind = control.style & style::buttonKindMask;
    QAbstractButton* button = nullptr;
    if (kind == style::autoCheckBox || kind == style::checkBox) {
        button = new QCheckBox(qtText(translated(control.text)), &clientArea);
    } else {
        auto* push = new QPushButton(qtText(translated(control.text)), &clientArea);
        push->setDefault(kind == style::defaultPushButton);
        push->setAutoDefault(false);
        button = push;
    }
    button->setAccessibleName(nameFromCaption(button->text()));
    reportClicks(*button, sink, control.id);
    return button;
}

QWidget* ControlFactory::createEdit(const ControlTemplate& control) {
    auto* edit = new QLineEdit(&clientArea);
    edit->setFrame(has(control.style, style::border));
    edit->setReadOnly(has(control.style, style::editReadOnly));
    if (has(control.style, style::editRight)) {
        edit->setAlignment(Qt::AlignRight);
    } else if (has(control.style, style::editCentre)) {
        edit->setAlignment(Qt::AlignHCenter);
    }
    edit->setText(qtText(control.text));
    if (auto* caption = qobject_cast<QLabel*>(previousLabel)) {
        caption->setBuddy(edit);
        edit->setAccessibleName(nameFromCaption(caption->text()));
    }
    NotificationSink& owner = sink;
    const int id = control.id;
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&owner, id] {
        owner.notify(Message{MessageKind::Command, Notification::EditChanged, id, 0, {}});
    });
    edit->installEventFilter(&window);
    editsCreated = true;
    return edit;
}

QWidget* ControlFactory::createStatic(const ControlTemplate& control) {
    auto* label = new QLabel(&clientArea);
    const std::uint32_t kind = control.style & style::staticKindMask;
    if (kind == style::staticIcon) {
        const Icon icon = Icon::load(control.textResource);
        label->setPixmap(icon.image().pixmap(32, 32));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(qtText(translated(control.text)));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | (kind == style::staticRight    ? Qt::AlignRight
                                        : kind == style::staticCentre ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft));
    return label;
}

QWidget* ControlFactory::createListView(const ControlTemplate& control) {
    // A report-view list is a table without grid or row headers: one line per item, one
    // column per sub-item. A changed cell repaints alone and is measured alone.
    auto* list = new ReportView(designScale(clientArea, designPointSize), &clientArea);
    list->setColumnCount(0);
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as tight as a list's lines: one line of text each, no cell padding.
    const int rowHeight = list->fontMetrics().height();
    list->verticalHeader()->setMinimumSectionSize(rowHeight);
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsClickable(!has(control.style, style::listNoSortHeader));
    // The view keeps every column as wide as its texts; a drag could only cut them.
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->setSelectionMode(has(control.style, style::listSingleSelection)
                               ? QAbstractItemView::SingleSelection
                               : QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectItems);
    list->setFrameShape(has(control.style, style::border) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setAccessibleName(qtText(control.text));
    // The white comes from the list itself, under its frame, not from the viewport inside:
    // at a fractional scale the viewport's edge can fall on the frame's last device pixel,
    // and would paint the frame over.
    list->viewport()->setAutoFillBackground(false);
    list->setBackgroundRole(QPalette::Base);
    list->setAutoFillBackground(true);
    return list;
}

// The template's rectangle in pixels; an icon takes the size of its icon, whatever the
// template says.
QRect ControlFactory::templatePlace(const QWidget& widget, const ControlTemplate& control) const {
    const TemplateRect& r = control.rect;
    const QPoint topLeft(units.toPixelsX(r.x), units.toPixelsY(r.y));
    if (const auto* label = qobject_cast<const QLabel*>(&widget);
        label && !label->pixmap().isNull()) {
        return {topLeft, label->pixmap().deviceIndependentSize().toSize()};
    }
    return {topLeft,
            QPoint(units.toPixelsX(r.x + r.width) - 1, units.toPixelsY(r.y + r.height) - 1)};
}

void ControlFactory::joinTabOrder(QWidget& widget, const ControlTemplate& control) {
    if (!has(control.style, style::tabStop)) {
        if (widget.focusPolicy() != Qt::NoFocus) {
            widget.setFocusPolicy(Qt::ClickFocus);
        }
        return;
    }
    widget.setFocusPolicy(Qt::StrongFocus);
    if (lastStop != nullptr) {
        QWidget::setTabOrder(lastStop, &widget);
    } else {
        firstStop = &widget;
    }
    lastStop = &widget;
}

} // namespace fenwake
