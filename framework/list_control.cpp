#include "framework/list_control.h"

#include "framework/mouse_message.h"
#include "framework/window_style.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace fenwake {

// Watches the list's viewport for the left button and hands it to the message table first.
struct ListControl::Binding : QObject {
    explicit Binding(ListControl& owner) : list(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || view == nullptr ||
            watched != view->viewport()) {
            return false;
        }
        const auto& press = static_cast<const QMouseEvent&>(*event);
        if (press.button() != Qt::LeftButton) {
            return false;
        }
        const QPoint point = view->mapFromGlobal(press.globalPosition().toPoint());
        const bool handled = list.dispatch(leftButtonDownMessage(press, point));
        return handled && !list.passedToDefault();
    }

    ListControl& list;
    QPointer<QTreeWidget> view;
};

const MessageMap ListControl::messages{nullptr, {}};

ListControl::ListControl() : binding(std::make_unique<Binding>(*this)) {}

ListControl::~ListControl() = default;

const MessageMap* ListControl::messageMap() const {
    return &messages;
}

void ListControl::onLeftButtonDown(unsigned, Point) {
    passToDefault();
}

bool ListControl::attach(QWidget* listView) {
    auto* view = qobject_cast<QTreeWidget*>(listView);
    if (view == nullptr) {
        return false;
    }
    if (binding->view != view) {
        binding->view = view;
        view->viewport()->installEventFilter(binding.get());
    }
    return true;
}

bool ListControl::isAttached() const {
    return binding->view != nullptr;
}

void ListControl::setExtendedStyle(std::uint32_t style) {
    if (QTreeWidget* view = binding->view) {
        const bool fullRow = (style & windowstyle::listExtendedFullRowSelect) != 0;
        view->setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows
                                           : QAbstractItemView::SelectItems);
    }
}

int ListControl::insertColumn(int index, std::string_view heading) {
    QTreeWidget* view = binding->view;
    if (view == nullptr || index < 0) {
        return -1;
    }
    QTreeWidgetItem* header = view->headerItem();
    const int count = columnCount();
    const int at = std::min(index, count);
    QStringList headings;
    for (int column = 0; column < count; ++column) {
        headings << header->text(column);
    }
    headings.insert(at, QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size())));
    view->setColumnCount(count + 1);
    view->setHeaderLabels(headings);
    // Cells right of the new column move one column to the right with it.
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = view->topLevelItem(row);
        for (int column = count; column > at; --column) {
            item->setText(column, item->text(column - 1));
        }
        item->setText(at, QString());
    }
    for (int column = 0; column <= count; ++column) {
        header->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
    }
    return at;
}

int ListControl::insertItem(int row, std::string_view text) {
    QTreeWidget* view = binding->view;
    if (view == nullptr || row < 0) {
        return -1;
    }
    const int at = std::min(row, view->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    view->insertTopLevelItem(at, item);
    return at;
}

bool ListControl::setItemText(int row, int column, std::string_view text) {
    QTreeWidget* view = binding->view;
    QTreeWidgetItem* item = view != nullptr ? view->topLevelItem(row) : nullptr;
    if (item == nullptr || column < 0 || column >= view->columnCount()) {
        return false;
    }
    item->setText(column, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return true;
}

bool ListControl::setColumnWidth(int column, int width) {
    QTreeWidget* view = binding->view;
    if (view == nullptr || column < 0 || column >= view->columnCount()) {
        return false;
    }
    view->setColumnWidth(column, width);
    return true;
}

std::string ListControl::itemText(int row, int column) const {
    QTreeWidget* view = binding->view;
    QTreeWidgetItem* item = view != nullptr ? view->topLevelItem(row) : nullptr;
    return item != nullptr ? item->text(column).toStdString() : std::string();
}

std::string ListControl::columnHeading(int column) const {
    QTreeWidget* view = binding->view;
    return view != nullptr ? view->headerItem()->text(column).toStdString() : std::string();
}

int ListControl::columnWidth(int column) const {
    QTreeWidget* view = binding->view;
    return view != nullptr ? view->columnWidth(column) : 0;
}

int ListControl::columnCount() const {
    QTreeWidget* view = binding->view;
    return view != nullptr ? view->columnCount() : 0;
}

int ListControl::itemCount() const {
    QTreeWidget* view = binding->view;
    return view != nullptr ? view->topLevelItemCount() : 0;
}

} // namespace fenwake
