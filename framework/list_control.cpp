#include "framework/list_control.h"

#include "framework/mouse_message.h"
#include "framework/qt_text.h"
#include "framework/window_style.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QTableWidget>

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
    QPointer<QTableWidget> view;
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
    auto* view = qobject_cast<QTableWidget*>(listView);
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
    if (QTableWidget* view = binding->view) {
        const bool fullRow = (style & windowstyle::listExtendedFullRowSelect) != 0;
        view->setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows
                                           : QAbstractItemView::SelectItems);
    }
}

int ListControl::insertColumn(int index, std::string_view heading) {
    QTableWidget* view = binding->view;
    if (view == nullptr || index < 0) {
        return -1;
    }
    const int at = std::min(index, view->columnCount());
    view->insertColumn(at);
    auto* header = new QTableWidgetItem(qtText(heading));
    header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setHorizontalHeaderItem(at, header);
    return at;
}

int ListControl::insertItem(int row, std::string_view text) {
    QTableWidget* view = binding->view;
    if (view == nullptr || row < 0) {
        return -1;
    }
    const int at = std::min(row, view->rowCount());
    view->insertRow(at);
    if (view->columnCount() > 0) {
        view->setItem(at, 0, new QTableWidgetItem(qtText(text)));
    }
    return at;
}

bool ListControl::setItemText(int row, int column, std::string_view text) {
    QTableWidget* view = binding->view;
    if (view == nullptr || row < 0 || row >= view->rowCount() || column < 0 ||
        column >= view->columnCount()) {
        return false;
    }
    if (QTableWidgetItem* cell = view->item(row, column)) {
        cell->setText(qtText(text));
    } else {
        view->setItem(row, column, new QTableWidgetItem(qtText(text)));
    }
    return true;
}

bool ListControl::setColumnWidth(int column, int width) {
    QTableWidget* view = binding->view;
    if (view == nullptr || column < 0 || column >= view->columnCount()) {
        return false;
    }
    view->setColumnWidth(column, width);
    return true;
}

std::string ListControl::itemText(int row, int column) const {
    QTableWidget* view = binding->view;
    const QTableWidgetItem* cell = view != nullptr ? view->item(row, column) : nullptr;
    return cell != nullptr ? cell->text().toStdString() : std::string();
}

std::string ListControl::columnHeading(int column) const {
    QTableWidget* view = binding->view;
    const QTableWidgetItem* header = view != nullptr ? view->horizontalHeaderItem(column) : nullptr;
    return header != nullptr ? header->text().toStdString() : std::string();
}

int ListControl::columnWidth(int column) const {
    QTableWidget* view = binding->view;
    return view != nullptr ? view->columnWidth(column) : 0;
}

int ListControl::columnCount() const {
    QTableWidget* view = binding->view;
    return view != nullptr ? view->columnCount() : 0;
}

int ListControl::itemCount() const {
    QTableWidget* view = binding->view;
    return view != nullptr ? view->rowCount() : 0;
}

} // namespace fenwake
