#include "windows/history_window.h"

#include "framework/dialog/access_keys.h"
#include "framework/dialog/announcer.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/table_copy.h"
#include "framework/language/translation.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace fenwake {

namespace {

constexpr const char* csvFilter = TRANSLATABLE("CSV files (*.csv)");
constexpr const char* pngFilter = TRANSLATABLE("PNG images (*.png)");

std::string pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// The table of entries: whole rows selected, a row's height fixed so that a long table costs
// nothing to lay out, and a current row as soon as it has the focus, so that a screen reader
// reads a row at once.
class EntryTable : public QTableView {
public:
    explicit EntryTable(QWidget* parent) : QTableView(parent) {
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
        horizontalHeader()->setStretchLastSection(true);
        keepFullContrast();
    }

    std::function<void()> onDelete;
    std::function<void(bool everyRow)> onCopy;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (onCopy) {
            TableCopy::showMenu(*this, event->globalPos(), onCopy);
        }
    }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            keepFullContrast();
        }
        QTableView::changeEvent(event);
    }
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
        if (onCopy && TableCopy::answersKey(*this, *event, onCopy)) {
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    // Some styles (Adwaita-Dark among them) dim an inactive window's text below what text needs
    // to be read; the entries read the same whichever window is active.
    void keepFullContrast() {
        QPalette shades = palette();
        bool changed = false;
        for (const QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::Base, QPalette::AlternateBase}) {
            const QColor active = shades.color(QPalette::Active, role);
            if (shades.color(QPalette::Inactive, role) != active) {
                shades.setColor(QPalette::Inactive, role, active);
                changed = true;
            }
        }
        if (changed) {
            setPalette(shades);
        }
    }
};

// Removing entries, undone by bringing them back. The rows are found anew each time from the
// entries themselves, so that what was added meanwhile changes nothing.
class RemoveEntries : public QUndoCommand {
public:
    RemoveEntries(EntryTableModel& model, HistoryWindow::Keeper& keeper,
                  std::vector<HistoryEntry> entries)
        : model(model), keeper(keeper), entries(std::move(entries)) {}

    void redo() override {
        std::vector<int> rows;
        const std::vector<HistoryEntry>& all = model.entries();
        for (const HistoryEntry& entry : entries) {
            auto at = std::lower_bound(all.begin(), all.end(), entry, comesBefore);
            for (; at != all.end() && at->taken.utcMilliseconds == entry.taken.utcMilliseconds;
                 ++at) {
                if (at->id == entry.id) {
                    rows.push_back(model.rowOfIndex(static_cast<std::size_t>(at - all.begin())));
                    break;
                }
            }
        }
        entries = model.take(std::move(rows));
        keeper.remove(entries);
    }
    void undo() override {
        model.addAll(entries);
        keeper.restore(entries);
    }

private:
    EntryTableModel& model;
    HistoryWindow::Keeper& keeper;
    std::vector<HistoryEntry> entries;
};

// A reader's width for the table, and most of a small screen's height.
QSize firstSize(const QWidget& window, int tableWidth) {
    const QFontMetrics metrics(window.font());
    const QSize screen = window.screen()->availableGeometry().size();
    return {
        std::min(std::max(metrics.averageCharWidth() * 100, tableWidth), screen.width() * 9 / 10),
        std::min(metrics.lineSpacing() * 44, screen.height() * 85 / 100)};
}

} // namespace

HistoryWindow::HistoryWindow(QWidget& owner, EntryTableModel& entries, Keeper& changes)
    : QDialog(&owner, Qt::Window), model(entries), keeper(changes) {
    setObjectName("history-window");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qtText(translated("Fenwake History")));
    undoStack = new QUndoStack(this);
    build();
    connectSelection();
    addShortcuts(owner);
}

void HistoryWindow::build() {
    auto* layout = new QVBoxLayout(this);
    summary = new QLabel(this);
    summary->setObjectName("summary");
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    chart = new TimeChart(this);
    chart->setObjectName("chart");
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { showChartMenu(chart->mapToGlobal(at)); });
    chart->setToolTip(toolTipText(qtText(
        translated("The weight above and the fat percentage below, each day as a point and "
                   "the trend as a line, with a goal's level. Left and Right choose an entry, "
                   "Home and End the first and last; + and - or the wheel show less or more "
                   "time."))));
    layout->addWidget(chart, 4);
    QWidget* spans = spanRow();
    layout->addWidget(spans);
    readout = new QLabel(this);
    readout->setObjectName("readout");
    readout->setTextFormat(Qt::PlainText);
    readout->setWordWrap(true);
    layout->addWidget(readout);
    status = new QLabel(this);
    status->setObjectName("status");
    status->setTextFormat(Qt::PlainText);
    status->setWordWrap(true);
    layout->addWidget(status);
    auto* view = new EntryTable(this);
    view->setObjectName("table");
    view->setModel(&model);
    view->setAccessibleName(qtText(translated("Entries, newest first")));
    view->setToolTip(toolTipText(
        qtText(translated("Every entry kept, newest first. Delete removes the selected ones and "
                          "Ctrl+Z brings them back; choosing one chooses its day on the chart."))));
    view->onDelete = [this] {
        removeSelected();
    };
    view->onCopy = [this](bool everyRow) {
        copyRows(everyRow);
    };
    table = view;
    layout->addWidget(table, 3);
    QWidget* row = buttonRow();
    layout->addWidget(row);
    AccessKeys::assign(*this, *spans);
    AccessKeys::assign(*this, *row);
    notices.showOn(*this);
    fitColumns();
}

QWidget* HistoryWindow::buttonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const char* label, const char* description) {
        auto* push = new QPushButton(qtText(translated(label)), row);
        push->setAutoDefault(false);
        push->setAccessibleDescription(qtText(translated(description)));
        push->setToolTip(toolTipText(push->accessibleDescription()));
        layout->addWidget(push);
        return push;
    };
    exportButton = button(TRANSLATABLE("Export…"),
                          TRANSLATABLE("Writes the selected entries, or every entry when none is "
                                       "selected, to a CSV file that spreadsheets and other "
                                       "trackers read."));
    QPushButton* importButton =
        button(TRANSLATABLE("Import…"), TRANSLATABLE("Adds the entries of a CSV file that the "
                                                     "history does not hold yet, and says which "
                                                     "rows it could not read."));
    deleteButton = button(TRANSLATABLE("Delete"),
                          TRANSLATABLE("Removes the selected entries (the Delete key does too); "
                                       "Ctrl+Z brings them back while this window is open."));
    connect(exportButton, &QPushButton::clicked, this,
            [this] { chooseFile(FileChoice::ExportEntries); });
    connect(importButton, &QPushButton::clicked, this,
            [this] { chooseFile(FileChoice::ImportEntries); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { removeSelected(); });
    layout->addStretch(1);
    auto* close = new QPushButton(qtText(translated("Close")), row);
    close->setAutoDefault(false);
    close->setToolTip(
        toolTipText(qtText(translated("Closes this window, as Escape and Ctrl+W do."))));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close);
    return row;
}

// The spans the chart shows, one button each; the chart's keys and wheel choose them too.
QWidget* HistoryWindow::spanRow() {
    auto* row = new QWidget(this);
    row->setObjectName("spans");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    struct Choice {
        TimeChart::Span span;
        const char* label;
        const char* explanation;
    };
    const Choice spans[] = {{TimeChart::Span::FourWeeks, TRANSLATABLE("4 weeks"),
                             TRANSLATABLE("The chart shows the last four weeks.")},
                            {TimeChart::Span::ThreeMonths, TRANSLATABLE("3 months"),
                             TRANSLATABLE("The chart shows the last three months.")},
                            {TimeChart::Span::Year, TRANSLATABLE("1 year"),
                             TRANSLATABLE("The chart shows the last year.")},
                            {TimeChart::Span::All, TRANSLATABLE("All"),
                             TRANSLATABLE("The chart shows every entry, from the first.")}};
    for (const auto& [span, label, explanation] : spans) {
        auto* push = new QPushButton(qtText(translated(label)), row);
        push->setToolTip(toolTipText(qtText(translated(explanation))));
        push->setCheckable(true);
        push->setAutoDefault(false);
        push->setChecked(span == chart->span());
        connect(push, &QPushButton::clicked, this, [this, span = span] {
            chart->setSpan(span);
            showSpan(span);
        });
        layout->addWidget(push);
        spanButtons.push_back(push);
    }
    layout->addStretch(1);
    chart->setSpanCallback([this](TimeChart::Span span) { showSpan(span); });
    return row;
}

void HistoryWindow::showSpan(TimeChart::Span span) {
    for (std::size_t i = 0; i < spanButtons.size(); ++i) {
        spanButtons[i]->setChecked(static_cast<int>(i) == static_cast<int>(span));
    }
}

// Each column as wide as its heading and a typical row's text (the widest figure it makes room
// for, the newest row's words), not as the widest of however many rows there are. The window is
// sized to them once, as it opens; later the person's size holds.
void HistoryWindow::fitColumns() {
    const QFontMetrics metrics = table->fontMetrics();
    const int padding = 3 * metrics.averageCharWidth();
    int total = 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        const int heading = table->horizontalHeader()->sectionSizeHint(column);
        const int sample = metrics.horizontalAdvance(qtText(model.sample(column))) + padding;
        table->setColumnWidth(column, std::max(heading, sample));
        total += table->columnWidth(column);
    }
    const int needed = total + 2 * table->frameWidth() +
                       table->verticalScrollBar()->sizeHint().width() +
                       layout()->contentsMargins().left() + layout()->contentsMargins().right();
    resize(firstSize(*this, needed));
}

void HistoryWindow::connectSelection() {
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const int moment =
                    current.isValid() ? static_cast<int>(model.indexOfRow(current.row())) : -1;
                showReadout(moment);
                if (!selecting) {
                    selecting = true;
                    chart->setSelected(moment);
                    selecting = false;
                }
            });
    chart->setSelectionCallback([this](int moment) {
        showReadout(moment);
        if (chart->hasFocus()) {
            announce(readout->text().toStdString());
        }
        if (!selecting && moment >= 0) {
            selecting = true;
            const int row = model.rowOfIndex(static_cast<std::size_t>(moment));
            table->selectRow(row);
            table->scrollTo(model.index(row, 0));
            selecting = false;
        }
    });
    chart->setHoverCallback(
        [this](int moment) { showReadout(moment >= 0 ? moment : chart->selected()); });
}

void HistoryWindow::addShortcuts(QWidget& owner) {
    QAction* undo = undoStack->createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WindowShortcut);
    addAction(undo);
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QDialog::reject);
    addAction(close);
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, [this, &owner] {
        reject();
        QCoreApplication::postEvent(
            &owner, new QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier));
    });
    addAction(quit);
}

bool HistoryWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        keeper.refresh();
    }
    return QDialog::event(event);
}

void HistoryWindow::setChart(ChartData data) {
    chart->setData(std::move(data));
    const QModelIndex current = table->currentIndex();
    const int moment = current.isValid() ? static_cast<int>(model.indexOfRow(current.row())) : -1;
    chart->setSelected(moment);
    showReadout(moment);
}

void HistoryWindow::setStatus(std::string_view text) {
    status->setText(qtText(text));
}

void HistoryWindow::setSummary(std::string_view text) {
    summary->setText(qtText(text));
    summary->setVisible(!text.empty());
}

void HistoryWindow::setReadout(std::function<std::string(int)> readoutFor) {
    readoutOf = std::move(readoutFor);
}

void HistoryWindow::showReadout(int moment) {
    readout->setText(moment >= 0 && readoutOf ? qtText(readoutOf(moment)) : QString());
}

void HistoryWindow::showNotice(std::string_view matter, std::string_view text,
                               std::string_view detail, NoticeKind kind) {
    notices.show(matter, text, detail, kind);
}

void HistoryWindow::clearNotice(std::string_view matter) {
    notices.clear(matter);
}

void HistoryWindow::announce(std::string_view text) {
    if (!announcer) {
        announcer = new Announcer(this, QString());
    }
    announcer->announce(qtText(text));
}

void HistoryWindow::enableChanges(bool anything) {
    exportButton->setEnabled(anything);
    deleteButton->setEnabled(anything);
}

std::vector<HistoryEntry> HistoryWindow::selectedEntries() const {
    std::vector<HistoryEntry> chosen;
    for (const QItemSelectionRange& range : table->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            chosen.push_back(model.entryAt(row));
        }
    }
    std::sort(chosen.begin(), chosen.end(), comesBefore);
    chosen.erase(std::unique(chosen.begin(), chosen.end(),
                             [](const auto& a, const auto& b) { return a.id == b.id; }),
                 chosen.end());
    return chosen;
}

std::string HistoryWindow::entriesText(std::size_t number) {
    return number == 1 ? translated("1 entry")
                       : Translation::fill(translated("%1 entries"), {std::to_string(number)});
}

// Removed from the table at once and from the history by its writer; Ctrl+Z brings them back.
void HistoryWindow::removeSelected() {
    std::vector<HistoryEntry> chosen = selectedEntries();
    if (chosen.empty()) {
        return;
    }
    const std::size_t count = chosen.size();
    undoStack->push(new RemoveEntries(model, keeper, std::move(chosen)));
    const std::string text = Translation::fill(
        translated("%1 removed from the history. Ctrl+Z brings it back."), {entriesText(count)});
    showNotice("removed", text, text, NoticeKind::Information);
    announce(text);
}

// The desktop's file dialog, over this window, opened on the person's documents; what it
// chooses goes to the history's writer.
void HistoryWindow::chooseFile(FileChoice choice) {
    const bool chart = choice == FileChoice::ExportChart;
    const bool saving = choice != FileChoice::ImportEntries;
    const char* title = chart    ? TRANSLATABLE("Export the Chart")
                        : saving ? TRANSLATABLE("Export the History")
                                 : TRANSLATABLE("Import into the History");
    auto* dialog = new QFileDialog(this, qtText(translated(title)));
    dialog->setObjectName("file-dialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog->setNameFilter(qtText(translated(chart ? pngFilter : csvFilter)));
    dialog->setDefaultSuffix(chart ? QStringLiteral("png") : QStringLiteral("csv"));
    if (saving) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->selectFile(chart ? QStringLiteral("fenwake-chart.png")
                                 : QStringLiteral("fenwake-history.csv"));
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    // The chart as it was when the person asked for it.
    const QImage drawn = chart ? this->chart->grab().toImage() : QImage();
    connect(dialog, &QFileDialog::fileSelected, this, [this, choice, drawn](const QString& file) {
        switch (choice) {
        case FileChoice::ExportEntries: {
            std::vector<HistoryEntry> chosen = selectedEntries();
            keeper.exportTo(file.toStdString(), chosen.empty() ? model.entries() : chosen);
            break;
        }
        case FileChoice::ImportEntries:
            keeper.importFrom(file.toStdString());
            break;
        case FileChoice::ExportChart:
            keeper.saveImage(file.toStdString(), pngOf(drawn));
            break;
        }
    });
    dialog->open();
}

// The chart's menu: the chart as an image on the clipboard, or in a PNG file.
void HistoryWindow::showChartMenu(QPoint at) {
    QMenu menu(this);
    QAction* copy = menu.addAction(qtText(translated("Copy Chart")));
    QAction* save = menu.addAction(qtText(translated("Export Chart…")));
    const QAction* chosen = menu.exec(at);
    if (chosen == copy) {
        QApplication::clipboard()->setImage(chart->grab().toImage());
        announce(translated("The chart is copied as an image."));
    } else if (chosen == save) {
        chooseFile(FileChoice::ExportChart);
    }
}

// The rows chosen, or all of them, with the headings, as the table shows them.
void HistoryWindow::copyRows(bool everyRow) const {
    TableCopy::Table copied{{}, windowTitle(), {}, {}, {}};
    for (int column = 0; column < model.columnCount(); ++column) {
        copied.headings << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    std::vector<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    if (everyRow || rows.empty()) {
        rows.resize(static_cast<std::size_t>(model.rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
        copied.rows.push_back(cells);
    }
    TableCopy::toClipboard(copied);
}

} // namespace fenwake
