#include "framework/dialog/record_window.h"

#include "framework/dialog/access_keys.h"
#include "framework/dialog/announcer.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/notice_board.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/record_model.h"
#include "framework/dialog/time_chart.h"
#include "framework/language/translation.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <map>
#include <set>

namespace fenwake {

namespace {

// The table of records: whole rows selected, a row's height fixed so that a long table costs
// nothing to lay out, and a current row as soon as it has the focus, so that a screen reader
// reads a row at once.
class RecordTable : public QTableView {
public:
    explicit RecordTable(QWidget* parent) : QTableView(parent) {
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setShowGrid(false);
        setWordWrap(false);
        setAlternatingRowColors(true);
        setTabKeyNavigation(false);
        verticalHeader()->hide();
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() * 3 / 2);
        horizontalHeader()->setHighlightSections(false);
        horizontalHeader()->setResizeContentsPrecision(100);
        horizontalHeader()->setStretchLastSection(true);
        // The last column, stretched to the edge, is no wider than its texts need.
        horizontalHeader()->setDefaultSectionSize(fontMetrics().averageCharWidth() * 4);
    }

    std::function<void()> onDelete;

    // As wide as the column's heading and the texts of its rows in view.
    int contentWidth(int column) const {
        return std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        if (!currentIndex().isValid() && model() != nullptr && model()->rowCount() > 0) {
            selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
        }
        QTableView::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Delete) && onDelete) {
            onDelete();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

// A reader's width for the table and a chart above it, and most of a small screen's height.
QSize firstSize(const QWidget& window) {
    const QFontMetrics metrics(window.font());
    const QSize screen = window.screen()->availableGeometry().size();
    return {std::min(metrics.averageCharWidth() * 100, screen.width() * 9 / 10),
            std::min(metrics.lineSpacing() * 40, screen.height() * 85 / 100)};
}

} // namespace

// Tells when the window it watches becomes the active one.
class ActivationWatch : public QObject {
public:
    std::function<void()> onActivated;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && onActivated) {
            onActivated();
        }
        return QObject::eventFilter(watched, event);
    }
};

struct RecordWindow::Window {
    QPointer<QDialog> frame;
    ActivationWatch activation;
    TimeChart* chart = nullptr;
    QLabel* status = nullptr;
    RecordTable* table = nullptr;
    RecordModel* model = nullptr;
    std::map<int, QPushButton*> buttons;
    NoticeBoard notices;
    QPointer<Announcer> announcer;
    Handlers handlers;
    bool selecting = false; // the chart and the table following each other
    bool fitted = false;    // widened once to show every column of the first rows

    void fitColumns();

    void build(QWidget& owner, const QString& title, const std::vector<Button>& buttonList);
    void connectSelection();
    void addShortcuts(QWidget& owner);
    QWidget* buttonRow(const std::vector<Button>& buttonList);
};

void RecordWindow::Window::build(QWidget& owner, const QString& title,
                                 const std::vector<Button>& buttonList) {
    frame = new QDialog(&owner, Qt::Window);
    frame->setObjectName("record-window");
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(title);
    auto* layout = new QVBoxLayout(frame);
    chart = new TimeChart(frame);
    chart->setObjectName("chart");
    layout->addWidget(chart, 2);
    status = new QLabel(frame);
    status->setObjectName("status");
    status->setTextFormat(Qt::PlainText);
    status->setWordWrap(true);
    layout->addWidget(status);
    table = new RecordTable(frame);
    table->setObjectName("table");
    model = new RecordModel(table);
    table->setModel(model);
    layout->addWidget(table, 3);
    QWidget* row = buttonRow(buttonList);
    layout->addWidget(row);
    AccessKeys::assign(*frame, *row);
    notices.showOn(*frame);
    connectSelection();
    addShortcuts(owner);
    frame->resize(firstSize(*frame));
}

QWidget* RecordWindow::Window::buttonRow(const std::vector<Button>& buttonList) {
    auto* row = new QWidget(frame);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Button& button : buttonList) {
        auto* push = new QPushButton(qtText(button.label), row);
        push->setAutoDefault(false);
        push->setAccessibleDescription(qtText(button.description));
        push->setToolTip(toolTipText(qtText(button.description)));
        QObject::connect(push, &QPushButton::clicked, frame, [this, id = button.id] {
            if (handlers.pressed) {
                handlers.pressed(id);
            }
        });
        layout->addWidget(push);
        buttons.emplace(button.id, push);
    }
    layout->addStretch(1);
    auto* close = new QPushButton(qtText(translated("Close")), row);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, frame, &QDialog::reject);
    layout->addWidget(close);
    return row;
}

// As wide as the table's columns, within the screen, once: after that the person's width holds.
void RecordWindow::Window::fitColumns() {
    if (fitted || model->rowCount() == 0) {
        return;
    }
    fitted = true;
    int columns = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        columns += table->contentWidth(column);
    }
    const int needed =
        columns + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width() +
        frame->layout()->contentsMargins().left() + frame->layout()->contentsMargins().right();
    const int widest = frame->screen()->availableGeometry().width() * 9 / 10;
    if (frame->width() < needed) {
        frame->resize(std::min(needed, widest), frame->height());
    }
}

void RecordWindow::Window::connectSelection() {
    QObject::connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, frame,
                     [this](const QModelIndex& current) {
                         if (!selecting) {
                             selecting = true;
                             chart->setSelected(current.isValid() ? current.row() : -1);
                             selecting = false;
                         }
                     });
    chart->setSelectionCallback([this](int point) {
        if (!selecting && point >= 0) {
            selecting = true;
            table->selectRow(point);
            table->scrollTo(model->index(point, 0));
            selecting = false;
        }
    });
    table->onDelete = [this] {
        std::vector<std::size_t> rows;
        for (const QModelIndex& index : table->selectionModel()->selectedRows()) {
            rows.push_back(static_cast<std::size_t>(index.row()));
        }
        if (!rows.empty() && handlers.removeRows) {
            handlers.removeRows(std::move(rows));
        }
    };
}

void RecordWindow::Window::addShortcuts(QWidget& owner) {
    QObject::connect(new QShortcut(QKeySequence::Undo, frame), &QShortcut::activated, frame,
                     [this] {
                         if (handlers.undo) {
                             handlers.undo();
                         }
                     });
    QObject::connect(new QShortcut(QKeySequence::Close, frame), &QShortcut::activated, frame,
                     &QDialog::reject);
    QObject::connect(
        new QShortcut(QKeySequence::Quit, frame), &QShortcut::activated, frame, [this, &owner] {
            frame->reject();
            QCoreApplication::postEvent(
                &owner, new QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier));
        });
    frame->installEventFilter(&activation);
    QObject::connect(frame, &QObject::destroyed, [this] {
        if (handlers.closed) {
            handlers.closed();
        }
    });
}

RecordWindow::RecordWindow() : window(std::make_unique<Window>()) {}

RecordWindow::~RecordWindow() {
    window->handlers = {};
    close();
}

void RecordWindow::open(const Dialog& owner, std::string_view title,
                        const std::vector<Button>& buttons, Handlers handlers) {
    QWidget* ownerWindow = DialogWidgets::window(owner);
    if (ownerWindow == nullptr) {
        return;
    }
    if (!window->frame) {
        window->handlers = std::move(handlers);
        window->activation.onActivated = [this] {
            if (window->handlers.activated) {
                window->handlers.activated();
            }
        };
        window->buttons.clear();
        window->build(*ownerWindow, qtText(title), buttons);
    }
    window->frame->show();
    window->frame->raise();
    window->frame->activateWindow();
}

bool RecordWindow::isOpen() const {
    return !window->frame.isNull();
}

void RecordWindow::close() {
    if (window->frame) {
        delete window->frame.data();
    }
}

void RecordWindow::setColumns(const std::vector<std::string>& headings,
                              std::string_view tableName) {
    if (!window->frame) {
        return;
    }
    QStringList texts;
    for (const std::string& heading : headings) {
        texts << qtText(heading);
    }
    window->model->setColumns(texts);
    window->table->setAccessibleName(qtText(tableName));
}

void RecordWindow::setRows(std::size_t count, Cell cell, Description description) {
    if (!window->frame) {
        return;
    }
    const int current = window->table->currentIndex().row();
    window->model->setRows(count, std::move(cell), std::move(description));
    window->table->resizeColumnsToContents();
    window->fitColumns();
    if (current >= 0 && count > 0) {
        const int row = std::min(current, static_cast<int>(count) - 1);
        window->table->selectionModel()->setCurrentIndex(window->model->index(row, 0),
                                                         QItemSelectionModel::NoUpdate);
    }
}

void RecordWindow::setChart(ChartData data) {
    if (window->frame) {
        window->chart->setData(std::move(data));
        const QModelIndex current = window->table->currentIndex();
        window->chart->setSelected(current.isValid() ? current.row() : -1);
    }
}

void RecordWindow::setStatus(std::string_view text) {
    if (window->frame) {
        window->status->setText(qtText(text));
    }
}

void RecordWindow::enableButton(int id, bool enabled) {
    if (const auto found = window->buttons.find(id);
        window->frame && found != window->buttons.end()) {
        found->second->setEnabled(enabled);
    }
}

std::vector<std::size_t> RecordWindow::selectedRows() const {
    std::vector<std::size_t> rows;
    if (window->frame) {
        for (const QModelIndex& index : window->table->selectionModel()->selectedRows()) {
            rows.push_back(static_cast<std::size_t>(index.row()));
        }
        std::sort(rows.begin(), rows.end());
    }
    return rows;
}

void RecordWindow::selectRow(std::size_t row) {
    if (window->frame && row < static_cast<std::size_t>(window->model->rowCount())) {
        window->table->selectRow(static_cast<int>(row));
        window->table->scrollTo(window->model->index(static_cast<int>(row), 0));
    }
}

void RecordWindow::showNotice(std::string_view matter, std::string_view text,
                              std::string_view detail, NoticeKind kind) {
    window->notices.show(matter, text, detail, kind);
}

void RecordWindow::clearNotice(std::string_view matter) {
    window->notices.clear(matter);
}

void RecordWindow::announce(std::string_view text) {
    if (!window->frame) {
        return;
    }
    if (!window->announcer) {
        window->announcer = new Announcer(window->frame, QString());
    }
    window->announcer->announce(qtText(text));
}

namespace {

// The dialog opens on the person's documents, for files of the filter's kind.
void prepare(QFileDialog& dialog, std::string_view filter) {
    dialog.setObjectName("file-dialog");
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString filters = qtText(filter);
    dialog.setNameFilter(filters);
    const qsizetype star = filters.indexOf(QStringLiteral("*."));
    if (star >= 0) {
        dialog.setDefaultSuffix(filters.mid(star + 2).section(QLatin1Char(')'), 0, 0));
    }
}

std::optional<std::string> chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

} // namespace

std::optional<std::string> RecordWindow::chooseFileToSave(std::string_view title,
                                                          std::string_view name,
                                                          std::string_view filter) {
    if (!window->frame) {
        return std::nullopt;
    }
    QFileDialog dialog(window->frame, qtText(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    prepare(dialog, filter);
    dialog.selectFile(qtText(name));
    return chosenFile(dialog);
}

std::optional<std::string> RecordWindow::chooseFileToOpen(std::string_view title,
                                                          std::string_view filter) {
    if (!window->frame) {
        return std::nullopt;
    }
    QFileDialog dialog(window->frame, qtText(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, filter);
    return chosenFile(dialog);
}

} // namespace fenwake
