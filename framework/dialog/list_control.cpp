#include "framework/dialog/list_control.h"

#include "framework/dialog/mouse_message.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/report_view.h"
#include "framework/resources/window_style.h"

#include <QMouseEvent>
#include <QPointer>

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
    QPointer<ReportView> view;
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
    auto* view = dynamic_cast<ReportView*>(listView);
    if (view == nullptr) {
        return false;
    }
    if (binding->view != view) {
        binding->view = view;
        view->viewport()->installEventFilter(binding.get());
    }
    return true;
}

void ListControl::setExtendedStyle(std::uint32_t style) {
    if (ReportView* view = binding->view) {
        const bool fullRow = (style & windowstyle::listExtendedFullRowSelect) != 0;
        view->setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows
                                           : QAbstractItemView::SelectItems);
    }
}

int ListControl::insertColumn(int index, std::string_view heading) {
    ReportView* view = binding->view;
    if (view == nullptr || index < 0) {
        return -1;
    }
    const int at = std::min(index, view->columnCount());
    view->addColumn(at, qtText(heading));
    return at;
}

int ListControl::insertItem(int row, std::string_view text) {
    ReportView* view = binding->view;
    if (view == nullptr || row < 0) {
        return -1;
    }
    const int at = std::min(row, view->rowCount());
    view->addRow(at, qtText(text));
    return at;
}

// The bound view, when it has that column; nothing otherwise.
ReportView* ListControl::viewWithColumn(int column) const {
    ReportView* view = binding->view;
    return view != nullptr && column >= 0 && column < view->columnCount() ? view : nullptr;
}

bool ListControl::setItemText(int row, int column, std::string_view text) {
    ReportView* view = viewWithColumn(column);
    if (view == nullptr || row < 0 || row >= view->rowCount()) {
        return false;
    }
    view->setCellText(row, column, qtText(text));
    return true;
}

std::string ListControl::itemText(int row, int column) const {
    const ReportView* view = viewWithColumn(column);
    const QTableWidgetItem* cell = view != nullptr ? view->item(row, column) : nullptr;
    return cell != nullptr ? cell->text().toStdString() : std::string();
}

bool ListControl::setColumnWidth(int column, int width) {
    ReportView* view = viewWithColumn(column);
    if (view != nullptr) {
        view->setDesignWidth(column, width);
    }
    return view != nullptr;
}

bool ListControl::reserveColumnWidth(int column, std::string_view widestText) {
    ReportView* view = viewWithColumn(column);
    if (view != nullptr) {
        view->reserveWidth(column, qtText(widestText));
    }
    return view != nullptr;
}

bool ListControl::setItemDescription(int row, std::string_view description) {
    ReportView* view = binding->view;
    if (view == nullptr || row < 0 || row >= view->rowCount()) {
        return false;
    }
    view->setRowDescription(row, qtText(description));
    return true;
}

bool ListControl::setColumnDescription(int column, std::string_view description) {
    ReportView* view = viewWithColumn(column);
    if (view != nullptr) {
        view->horizontalHeaderItem(column)->setToolTip(toolTipText(qtText(description)));
    }
    return view != nullptr;
}

void ListControl::setCopyPreamble(std::function<CopyPreamble()> preamble) {
    ReportView* view = binding->view;
    if (view == nullptr) {
        return;
    }
    view->setCopyPreamble([preamble = std::move(preamble)] {
        const CopyPreamble made = preamble();
        ReportView::CopyPreamble shown{qtText(made.sentence), {}};
        for (const std::vector<std::string>& cells : made.rows) {
            QStringList row;
            for (const std::string& cell : cells) {
                row << qtText(cell);
            }
            shown.rows.push_back(row);
        }
        return shown;
    });
}

void ListControl::setOutOfDate(bool outOfDate, std::string_view reason) {
    if (ReportView* view = binding->view) {
        view->setOutOfDate(outOfDate ? qtText(reason) : QString());
    }
}

} // namespace fenwake
