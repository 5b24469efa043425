// The history from the window: Add to History keeps the entries as the window holds them, once
// every field holds a number, and says so once they are on disk; the History window lists them
// newest first in the window's units, removes and brings back rows, draws them, and takes them
// to a CSV file and back through the file dialog.
#include "engine/composition.h"
#include "framework/language/translation.h"
#include "history/history_csv.h"
#include "history/history_database.h"
#include "history/history_store.h"
#include "tests/history/history_fixture.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"
#include "windows/time_chart.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace fenwake {
namespace {

using test::entryOnDay;
using test::readAll;
using test::sameEntries;
using test::writeSettingsFile;

const std::string womanMetric =
    "[Settings]\nWaist=72.00\nWeight=65.00\nHeight=165.00\nMetric=1\nFemale=1\n";

// The History window's columns.
enum Column {
    dateColumn,
    methodColumn,
    waistColumn,
    weightColumn,
    weightTrendColumn,
    heightColumn,
    fatColumn,
    fatTrendColumn,
    ratingColumn,
    indexColumn,
    categoryColumn
};

class HistoryWindowTest : public test::MainWindowTest {
protected:
    // Each test starts without a history, also when several run in one process.
    HistoryWindowTest() {
        std::filesystem::remove_all(std::filesystem::path(historyPath()).parent_path());
    }

    static std::string historyPath() { return HistoryStore::defaultPath(); }

    // Entries kept before the window opens, as an earlier session kept them.
    static std::vector<HistoryEntry> keep(std::vector<HistoryEntry> entries) {
        HistoryDatabase database(historyPath());
        std::vector<bool> fresh;
        EXPECT_TRUE(database.add(entries, fresh).empty());
        return entries;
    }

    QWidget* historyWindow() const {
        return DialogWidgets::window(*dialog)->findChild<QDialog*>("history-window");
    }
    QTableView* table() const { return historyWindow()->findChild<QTableView*>("table"); }
    TimeChart* chart() const { return historyWindow()->findChild<TimeChart*>("chart"); }
    int rows() const { return table() != nullptr ? table()->model()->rowCount() : -1; }
    std::string tableCell(int row, int column) const {
        return table()->model()->index(row, column).data().toString().toStdString();
    }
    std::string heading(int column) const {
        return table()->model()->headerData(column, Qt::Horizontal).toString().toStdString();
    }
    std::string historyNotice(const char* matter) const {
        const auto* line = historyWindow()->findChild<QLabel*>(QString("notice-") + matter);
        return line != nullptr && line->isVisible() ? line->text().toStdString() : std::string();
    }
    QPushButton* button(const char* text) const {
        for (QPushButton* push : historyWindow()->findChildren<QPushButton*>()) {
            if (push->text().remove('&') == QString::fromStdString(translated(text))) {
                return push;
            }
        }
        return nullptr;
    }
    // Chosen from the main window's menu, the History window staying open beside it.
    void chooseAddToHistory() const {
        for (QAction* item : DialogWidgets::window(*dialog)->findChildren<QAction*>()) {
            if (item->text().remove('&') == "Add to History") {
                item->trigger();
            }
        }
    }
    void openHistory() {
        // From the main window, where the keyboard is.
        QWidget* main = DialogWidgets::window(*dialog);
        if (QApplication::focusWidget() == nullptr ||
            QApplication::focusWidget()->window() != main) {
            main->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(main));
            checkBox(1001)->setFocus();
        }
        press(Qt::Key_H, Qt::ControlModifier);
        ASSERT_NE(historyWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(historyWindow()));
    }
    // A metric woman's window with its History window open on a history read and empty: the
    // history's folder is made by then.
    bool openEmptyHistory() {
        writeSettingsFile(womanMetric);
        openWindow();
        openHistory();
        return waitFor([&] {
            return historyWindow()->findChild<QLabel*>("status")->text().startsWith(
                "No entries yet");
        });
    }
    // The look at a file to import, once it opens over the window.
    QDialog* lookAtTheFile() const {
        QDialog* look = nullptr;
        waitFor([&] {
            look = historyWindow()->findChild<QDialog*>("import-window");
            return look != nullptr && look->isVisible();
        });
        return look;
    }
    QDialog* look() const { return historyWindow()->findChild<QDialog*>("import-window"); }
    std::string summaryShown() const {
        const auto* summary = look()->findChild<QLabel*>("import-summary");
        return summary != nullptr ? summary->text().toStdString() : std::string();
    }
    std::vector<std::string> refusedShown() const {
        std::vector<std::string> lines;
        if (const auto* list = look()->findChild<QListWidget*>("refused")) {
            for (int row = 0; row < list->count(); ++row) {
                lines.push_back(list->item(row)->text().toStdString());
            }
        }
        return lines;
    }
    static QPushButton* importButton(QDialog* look) {
        for (QPushButton* push : look->findChildren<QPushButton*>()) {
            if (push->text().remove('&') == QString::fromStdString(translated("Import"))) {
                return push;
            }
        }
        return nullptr;
    }
    // Import, clicked.
    static void confirm(QDialog* look) {
        const QPointer<QDialog> watched = look;
        ASSERT_NE(importButton(look), nullptr);
        QTest::mouseClick(importButton(look), Qt::LeftButton);
        ASSERT_TRUE(waitFor([&] { return watched.isNull(); })) << "the look stayed open";
    }
    static bool waitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 20000);
    }
    // Answers the file dialog the button opens as a person does: the file's name in its name
    // field (pasted: typed, its completion's list would take the Return), and Return. The dialog
    // opens over the window without holding anything up, and closes once it took the name.
    void chooseFileFor(QPushButton* push, const std::string& file) {
        QTest::mouseClick(push, Qt::LeftButton);
        QFileDialog* chooser = nullptr;
        for (QFileDialog* open : historyWindow()->findChildren<QFileDialog*>("file-dialog")) {
            chooser = open->isVisible() ? open : chooser;
        }
        ASSERT_NE(chooser, nullptr) << "no file dialog";
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setFocus();
        name->setText(QString::fromStdString(file));
        QTest::keyClick(name, Qt::Key_Return);
        const QPointer<QFileDialog> watched = chooser;
        ASSERT_TRUE(waitFor([&] { return watched.isNull() || !watched->isVisible(); }))
            << "the file dialog did not take the name";
    }
};

TEST_F(HistoryWindowTest, StartingAndTypingLeaveTheHistoryAlone) {
    writeSettingsFile(womanMetric);
    openWindow();
    focusField(1002);
    type("1");
    QApplication::processEvents();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(historyPath()).parent_path()));
}

// The entries as the window holds them, to the bit: typed text, read as the window reads it.
TEST_F(HistoryWindowTest, AddToHistoryKeepsTheEntriesAsTheyStandOnceOnDisk) {
    writeSettingsFile(womanMetric);
    openWindow();
    focusField(1002);
    press(Qt::Key_A, Qt::ControlModifier);
    type("72.123");
    press(Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !notice("history-entry").empty(); }));
    EXPECT_EQ(notice("history-entry").rfind("Kept in the history: ", 0), 0u)
        << notice("history-entry");
    const std::vector<HistoryEntry> kept = readAll(historyPath());
    ASSERT_EQ(kept.size(), 1u);
    const Measurements& m = kept[0].measurements;
    EXPECT_EQ(m.waist, 72.123);
    EXPECT_EQ(m.weight, 65.0);
    EXPECT_EQ(m.height, 165.0);
    EXPECT_TRUE(m.female);
    EXPECT_TRUE(m.metric);
    // Several a day.
    press(Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 2; }));
}

TEST_F(HistoryWindowTest, AFieldWithoutANumberAddsNothingAndSaysWhy) {
    writeSettingsFile(womanMetric);
    openWindow();
    focusField(1003);
    press(Qt::Key_A, Qt::ControlModifier);
    type("heavy");
    press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(notice("history-entry"),
              "Nothing was added to the history. Weight: enter a number. The figures are those "
              "of the last valid entry.");
    QApplication::processEvents();
    EXPECT_FALSE(std::filesystem::exists(historyPath()));
    type("\b\b\b\b\b70");
    EXPECT_EQ(notice("history-entry"), ""); // said of entries that no longer stand
}

// Newest first, in the units the main window shows now, the figures those the list showed.
TEST_F(HistoryWindowTest, TheTableListsNewestFirstInTheWindowsUnits) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2), entryOnDay(3)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 3; }));
    EXPECT_EQ(heading(waistColumn), "Waist (cm)");
    EXPECT_EQ(tableCell(0, waistColumn), "80.30");
    EXPECT_EQ(tableCell(2, waistColumn), "80.10");
    const CompositionResult newest = computeComposition(entryOnDay(3).measurements);
    char fat[32];
    std::snprintf(fat, sizeof fat, "%.2f", newest.fatPercentage);
    EXPECT_EQ(tableCell(0, fatColumn), fat);
    EXPECT_EQ(historyWindow()->findChild<QLabel*>("status")->text().toStdString(), "3 entries");
    // The main window goes imperial: the table follows, converted as the fields are.
    QTest::mouseClick(checkBox(1004), Qt::LeftButton);
    EXPECT_EQ(heading(waistColumn), "Waist (in)");
    EXPECT_EQ(tableCell(0, waistColumn), "31.37"); // 80.3 cm / 2.56
    EXPECT_EQ(heading(weightColumn), "Weight (Lbs)");
    EXPECT_EQ(tableCell(0, weightColumn), "154.07"); // 70.03 kg x 2.2
    // Figures line up on their points; the date and the words read from the left.
    const auto alignment = [&](int column) {
        return table()->model()->index(0, column).data(Qt::TextAlignmentRole).value<int>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(dateColumn), Qt::AlignLeft);
    EXPECT_EQ(alignment(weightColumn), Qt::AlignRight);
    EXPECT_EQ(alignment(ratingColumn), Qt::AlignLeft);
}

TEST_F(HistoryWindowTest, AnEntryAddedWhileTheWindowIsOpenAppearsAtOnceOnTop) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 1; }));
    chooseAddToHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    EXPECT_EQ(tableCell(0, waistColumn), "72.00");
}

TEST_F(HistoryWindowTest, DeleteRemovesTheSelectedRowsAndCtrlZBringsThemBack) {
    writeSettingsFile(womanMetric);
    const std::vector<HistoryEntry> entries = keep({entryOnDay(1), entryOnDay(2), entryOnDay(3)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 3; }));
    table()->setFocus();
    table()->selectRow(0);
    table()->selectionModel()->select(table()->model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(table(), Qt::Key_Delete);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(tableCell(0, waistColumn), "80.20");
    EXPECT_EQ(historyNotice("removed"),
              "2 entries removed from the history. Ctrl+Z brings it back.");
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 1; }));
    QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rows(), 3);
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 3; }));
    const std::vector<HistoryEntry> back = readAll(historyPath());
    EXPECT_TRUE(sameEntries(back, entries));
    EXPECT_EQ(back[0].id, entries[0].id);
}

// The row deleted is the one selected, whatever its place; the keyboard stays on the table,
// on the row that took its place.
TEST_F(HistoryWindowTest, DeleteRemovesTheRowSelectedAndKeepsACurrentRow) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2), entryOnDay(3)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 3; }));
    table()->setFocus();
    table()->selectRow(2); // the oldest, at the foot
    ASSERT_EQ(table()->currentIndex().row(), 2);
    QTest::keyClick(table(), Qt::Key_Delete);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(tableCell(0, waistColumn), "80.30");
    EXPECT_EQ(tableCell(1, waistColumn), "80.20");
    EXPECT_EQ(table()->currentIndex().row(), 1);
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 2; }));
    EXPECT_TRUE(sameEntries(readAll(historyPath()), {entryOnDay(2), entryOnDay(3)}));
}

// The history could not take an entry for a while: the window says so, and the count of what
// it read stays, for the history was read.
TEST_F(HistoryWindowTest, TroubleAfterReadingLeavesTheCountAsItIs) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    const auto status = [&] {
        return historyWindow()->findChild<QLabel*>("status")->text().toStdString();
    };
    ASSERT_EQ(status(), "2 entries");
    test::HeldHistory another(historyPath());
    chooseAddToHistory();
    ASSERT_TRUE(waitFor([&] { return !historyNotice("history").empty(); }))
        << status() << " / " << notice("history-entry") << " / " << notice("history");
    EXPECT_EQ(historyNotice("history").rfind("The history is not being kept: ", 0), 0u)
        << historyNotice("history");
    EXPECT_EQ(status(), "2 entries");
    another.letGo();
    ASSERT_TRUE(waitFor([&] { return status() == "3 entries"; })) << status();
    EXPECT_EQ(historyNotice("history"), "");
}

// The chart says the change in words, and it and the table choose the same entry.
TEST_F(HistoryWindowTest, TheChartSaysTheChangeAndFollowsTheTable) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(0), entryOnDay(10)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    const auto fat = [](int day) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f",
                      computeComposition(entryOnDay(day).measurements).fatPercentage);
        return std::string(text);
    };
    EXPECT_EQ(chart()->accessibleDescription().toStdString(),
              "Fat percentage from " + fat(0) + " % on 1 March 2026 to " + fat(10) +
                  " % on 11 March 2026; weight from 70.00 Kg to 70.10 Kg. Still collecting the "
                  "early trend: a rate needs entries on 7 days over at least 14 of the last 28.");
    table()->selectRow(1); // the older
    EXPECT_EQ(chart()->selected(), 0);
    QTest::keyClick(chart(), Qt::Key_Right);
    EXPECT_EQ(table()->currentIndex().row(), 0);
}

TEST_F(HistoryWindowTest, ExportWritesTheFileTheDialogNames) {
    writeSettingsFile(womanMetric);
    const std::vector<HistoryEntry> entries = keep({entryOnDay(1), entryOnDay(2)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "mine.csv";
    chooseFileFor(button("Export…"), file);
    ASSERT_TRUE(waitFor([&] { return !historyNotice("file").empty(); }));
    EXPECT_EQ(historyNotice("file"), "2 entries exported to " + file + ".");
    const HistoryCsv::Reading reading = HistoryCsv::read(test::bytesOf(file));
    EXPECT_TRUE(sameEntries(reading.entries, entries));
}

// With rows selected, those are exported, oldest first, and the notice counts them.
TEST_F(HistoryWindowTest, ExportWithRowsSelectedWritesThoseAlone) {
    writeSettingsFile(womanMetric);
    const std::vector<HistoryEntry> entries =
        keep({entryOnDay(1), entryOnDay(2), entryOnDay(3), entryOnDay(4)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 4; }));
    // Chosen newer first: the file still lists them oldest first.
    table()->selectRow(0);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      table()->visualRect(table()->model()->index(2, 0)).center());
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "two.csv";
    chooseFileFor(button("Export…"), file);
    ASSERT_TRUE(waitFor([&] { return !historyNotice("file").empty(); }));
    EXPECT_EQ(historyNotice("file"), "2 entries exported to " + file + ".");
    const HistoryCsv::Reading reading = HistoryCsv::read(test::bytesOf(file));
    EXPECT_TRUE(sameEntries(reading.entries, {entries[1], entries[3]}));
}

TEST_F(HistoryWindowTest, ImportAddsTheFilesEntriesAndNamesTheRowsItRefused) {
    ASSERT_TRUE(openEmptyHistory());
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "theirs.csv";
    test::writeBytes(file, HistoryCsv::write({entryOnDay(4), entryOnDay(5)}) +
                               "2026-03-09T08:00Z,metric,no,YMCA,lots,80,178\r\n");
    chooseFileFor(button("Import…"), file);
    // A look first: what the file holds and the line it could not read; nothing written yet.
    QDialog* look = lookAtTheFile();
    ASSERT_NE(look, nullptr);
    EXPECT_EQ(refusedShown(), (std::vector<std::string>{"Line 4: Waist “lots” is not a number."}));
    EXPECT_NE(summaryShown().find("theirs.csv holds 2 entries, from "), std::string::npos)
        << summaryShown();
    EXPECT_NE(summaryShown().find("1 line was not read; it is listed below"), std::string::npos)
        << summaryShown();
    EXPECT_TRUE(readAll(historyPath()).empty()) << "written before it was confirmed";
    confirm(look);
    ASSERT_TRUE(waitFor([&] { return !historyNotice("file").empty(); }));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(historyNotice("file"), "2 entries imported; 0 in the history already; 1 not read.");
    const auto* line = historyWindow()->findChild<QLabel*>("notice-file");
    EXPECT_NE(line->accessibleDescription().indexOf("Line 4: Waist “lots” is not a number."), -1)
        << line->accessibleDescription().toStdString();
    EXPECT_TRUE(sameEntries(readAll(historyPath()), {entryOnDay(4), entryOnDay(5)}));
    // Again: the look says nothing of it is new, and the import adds nothing.
    chooseFileFor(button("Import…"), file);
    look = lookAtTheFile();
    ASSERT_NE(look, nullptr);
    EXPECT_NE(summaryShown().find("2 of them are in the history already"), std::string::npos)
        << summaryShown();
    confirm(look);
    ASSERT_TRUE(waitFor([&] {
        return historyNotice("file") == "0 entries imported; 2 in the history already; 1 not read.";
    })) << historyNotice("file");
    EXPECT_EQ(rows(), 2);
}

// A file that holds no history (no column of the weight or the waist): no look at it, the
// window says why nothing was imported, and the history stays empty.
TEST_F(HistoryWindowTest, AFileWithoutEntriesIsRefusedWithItsReason) {
    ASSERT_TRUE(openEmptyHistory());
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "scores.csv";
    test::writeBytes(file, "Date,Score\n2026-03-01,3\n");
    chooseFileFor(button("Import…"), file);
    ASSERT_TRUE(waitFor([&] { return !historyNotice("file").empty(); }));
    const std::string notice = historyNotice("file");
    EXPECT_TRUE(notice.starts_with("Nothing was imported: its first line names no column of the "
                                   "weight or of the waist"))
        << notice;
    EXPECT_TRUE(notice.ends_with(" The history is as it was.")) << notice;
    EXPECT_EQ(look(), nullptr);
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(readAll(historyPath()).empty());
}

// Cancelled, the look writes nothing; Escape closes it and leaves the History window open.
TEST_F(HistoryWindowTest, ALookCancelledAddsNothing) {
    ASSERT_TRUE(openEmptyHistory());
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "theirs.csv";
    test::writeBytes(file, HistoryCsv::write({entryOnDay(4)}));
    chooseFileFor(button("Import…"), file);
    const QPointer<QDialog> look = lookAtTheFile();
    ASSERT_FALSE(look.isNull());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_TRUE(waitFor([&] { return look.isNull(); }));
    EXPECT_TRUE(historyWindow()->isVisible());
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(readAll(historyPath()).empty());
}

// Another tracker's file keeps no height and no sex: the look offers the main window's, the
// person changes the height, and every entry takes what was given; its own fat percentages
// are said not to be taken.
TEST_F(HistoryWindowTest, ATrackersFileTakesWhatThePersonGivesForWhatItLacks) {
    ASSERT_TRUE(openEmptyHistory());
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "scale.csv";
    test::writeBytes(file, "\"dateTime\",\"weight\",\"fat\",\"waist\"\n"
                           "\"01.03.2026 08:00\",\"64.5\",\"28.1\",\"71.5\"\n"
                           "\"02.03.2026 08:00\",\"64.25\",\"28.0\",\"71.5\"\n");
    chooseFileFor(button("Import…"), file);
    QDialog* look = lookAtTheFile();
    ASSERT_NE(look, nullptr);
    auto* height = look->findChild<QLineEdit*>("import-height");
    auto* female = look->findChild<QCheckBox*>("import-female");
    ASSERT_NE(height, nullptr);
    ASSERT_NE(female, nullptr);
    EXPECT_EQ(look->findChild<QLineEdit*>("import-waist"), nullptr) << "the file has the waist";
    EXPECT_EQ(height->text(), "165");
    EXPECT_TRUE(female->isChecked());
    const QRect button(importButton(look)->mapTo(look, QPoint()), importButton(look)->size());
    EXPECT_FALSE(button.intersects(look->findChild<QLabel*>("import-summary")->geometry()))
        << "the buttons lie over what the file holds";
    EXPECT_NE(summaryShown().find("“fat” hold figures the program that wrote it computed"),
              std::string::npos)
        << summaryShown();
    EXPECT_NE(summaryShown().find("in centimetres and kilograms"), std::string::npos);
    look->activateWindow();
    QTest::keyClick(look, Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(waitFor([&] { return height->hasFocus(); })) << "Alt and the caption's letter";
    height->selectAll();
    QTest::keyClicks(height, "x");
    EXPECT_FALSE(importButton(look)->isEnabled()) << "no number, no import";
    height->selectAll();
    QTest::keyClicks(height, "170,5");
    ASSERT_TRUE(importButton(look)->isEnabled());
    confirm(look);
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    for (const HistoryEntry& kept : readAll(historyPath())) {
        EXPECT_EQ(kept.measurements.height, 170.5);
        EXPECT_TRUE(kept.measurements.female);
        EXPECT_TRUE(kept.measurements.metric);
        EXPECT_EQ(kept.measurements.waist, 71.5);
    }
}

// A file at the path that is none of ours: the window says why, and the file stays as it was.
TEST_F(HistoryWindowTest, AStrangerAtThePathIsNamedAndLeftAlone) {
    writeSettingsFile(womanMetric);
    std::filesystem::create_directories(std::filesystem::path(historyPath()).parent_path());
    test::writeBytes(historyPath(), "not a history");
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] {
        return historyWindow()->findChild<QLabel*>("status")->text().startsWith(
            "The history cannot be read");
    }));
    EXPECT_NE(notice("history").find("is no history of Fenwake's"), std::string::npos);
    chooseAddToHistory();
    ASSERT_TRUE(waitFor([&] { return !notice("history-entry").empty(); }));
    EXPECT_EQ(notice("history-entry").rfind("Not kept in the history: 1 entry (", 0), 0u)
        << notice("history-entry");
    EXPECT_EQ(test::bytesOf(historyPath()), "not a history");
}

// Deleted, then an entry added, then Ctrl+Z: the deleted entry is back under its own id, beside
// the new one, and the window says so truly.
TEST_F(HistoryWindowTest, UndoAfterAnAddBringsBackWhatWasDeleted) {
    writeSettingsFile(womanMetric);
    const std::vector<HistoryEntry> kept = keep({entryOnDay(1), entryOnDay(2)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    table()->setFocus();
    table()->selectRow(0);
    QTest::keyClick(table(), Qt::Key_Delete);
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 1; }));
    chooseAddToHistory();
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 2 && rows() == 2; }));
    QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rows(), 3);
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).size() == 3; }));
    const std::vector<HistoryEntry> all = readAll(historyPath());
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const HistoryEntry& entry) {
        return entry.sameAs(kept[1]) && entry.id == kept[1].id;
    }));
}

// Another Fenwake adds an entry while this one's window is open: coming back to the window, the
// person sees it.
TEST_F(HistoryWindowTest, ComingBackToTheWindowShowsWhatAnotherFenwakeKept) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 1; }));
    DialogWidgets::window(*dialog)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(DialogWidgets::window(*dialog)));
    keep({entryOnDay(5)}); // another connection to the file, as another Fenwake has
    historyWindow()->activateWindow();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    EXPECT_EQ(tableCell(0, waistColumn), "80.50");
}

// A hundred thousand rows deleted at once: the table empties, the history too. The time the
// window's thread took is recorded beside the test's result.
TEST_F(HistoryWindowTest, DeletingEveryOneOfAHundredThousandRowsEmptiesTheHistory) {
    writeSettingsFile(womanMetric);
    std::vector<HistoryEntry> many;
    for (int day = 0; day < 100'000; ++day) {
        many.push_back(entryOnDay(day));
    }
    keep(many);
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 100'000; }));
    table()->setFocus();
    table()->selectAll();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(table(), Qt::Key_Delete);
    RecordProperty("window_thread_ms_for_delete", static_cast<int>(clock.elapsed()));
    EXPECT_EQ(rows(), 0);
    ASSERT_TRUE(waitFor([&] { return readAll(historyPath()).empty(); }));
}

// A file of two million lines nobody can read: the notice counts them all and describes the
// first few hundred, in a text of bounded length.
TEST_F(HistoryWindowTest, AFileOfMillionsOfBadLinesIsDescribedInBrief) {
    ASSERT_TRUE(openEmptyHistory());
    const std::string file = std::filesystem::path(historyPath()).parent_path() / "bad.csv";
    std::string text = "Date and time,Units,Female,Waist,Weight,Height\n";
    for (int line = 0; line < 2'000'000; ++line) {
        text += "x\n";
    }
    test::writeBytes(file, text);
    chooseFileFor(button("Import…"), file);
    QDialog* look = lookAtTheFile();
    ASSERT_NE(look, nullptr);
    const std::vector<std::string> refused = refusedShown();
    ASSERT_EQ(refused.size(), HistoryCsv::Refusals::mostDescribed + 1);
    EXPECT_EQ(refused.back(), "… and 1999800 more lines not read.");
    EXPECT_NE(summaryShown().find("2000000 lines were not read"), std::string::npos);
    EXPECT_FALSE(importButton(look)->isEnabled()) << "nothing to import";
    // The reasons are copied as they read, from the keyboard.
    auto* list = look->findChild<QListWidget*>("refused");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("Line 2: the date and time “x” is none Fenwake reads.\nLine 3:"))
        << copied.left(120).toStdString();
    EXPECT_EQ(copied.count('\n'), static_cast<int>(refused.size()));
}

// Three weeks of entries each a tenth of a kilogram lighter: the summary says the rate, of the
// weight and its fat and lean parts, and when the goal may be reached; fewer days say that the
// trend is still being found.
// Every text a person reads or hears in a window: captions, buttons, headings, tool tips, and
// what a screen reader names and describes; a file dialog's own texts are Qt's.
std::set<std::string> textsOf(QWidget& window) {
    std::set<std::string> texts{window.windowTitle().toStdString()};
    const auto add = [&texts](QString text) {
        if (!text.remove('&').trimmed().isEmpty()) {
            texts.insert(text.toStdString());
        }
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (qobject_cast<QFileDialog*>(widget->window()) != nullptr) {
            continue;
        }
        add(widget->toolTip());
        add(widget->accessibleName());
        add(widget->accessibleDescription());
        if (const auto* caption = qobject_cast<QLabel*>(widget)) {
            add(caption->text());
        } else if (const auto* push = qobject_cast<QAbstractButton*>(widget)) {
            add(push->text());
        } else if (const auto* lines = qobject_cast<QListWidget*>(widget)) {
            for (int row = 0; row < lines->count(); ++row) {
                add(lines->item(row)->text());
            }
        } else if (const auto* view = qobject_cast<QTableView*>(widget)) {
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                add(view->model()->headerData(column, Qt::Horizontal).toString());
            }
        }
    }
    return texts;
}

// The texts that read the same in every language.
bool sameInEveryLanguage(const std::string& text) {
    static const std::set<std::string> same{"%", "+, -", "US Navy", "Fenwake", "cm", "kg"};
    return same.contains(text) ||
           text.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos;
}

class HistoryInALanguage : public HistoryWindowTest {
protected:
    // The main window with the US Navy method lacking the neck, the History window with a goal
    // and a rate, the Goal window, and the look at a tracker's file with a line not read.
    std::set<std::string> textsOfEveryWindow() {
        writeSettingsFile(womanMetric + "GoalWeight=68.00\nMethod=Navy\nHip=100.00\n");
        openWindow();
        std::set<std::string> texts = textsOf(*DialogWidgets::window(*dialog));
        openHistory();
        EXPECT_TRUE(waitFor([&] { return rows() == 21; }));
        texts.merge(textsOf(*historyWindow()));
        const std::string file = std::filesystem::path(historyPath()).parent_path() / "scale.csv";
        test::writeBytes(file, "\"dateTime\",\"weight\",\"fat\"\n"
                               "\"2026-03-01\",\"64.5\",\"28.1\"\n"
                               "\"01.03.2026 08:00\",\"x\",\"28.0\"\n");
        chooseFileFor(button("Import…"), file);
        if (QDialog* look = lookAtTheFile()) {
            texts.merge(textsOf(*look));
            look->reject();
        }
        for (QAction* item : DialogWidgets::window(*dialog)->findChildren<QAction*>()) {
            if (item->text().remove('&') == QString::fromStdString(translated("Goal…"))) {
                item->trigger();
            }
        }
        if (auto* goal = DialogWidgets::window(*dialog)->findChild<QDialog*>("goal-window")) {
            texts.merge(textsOf(*goal));
            goal->reject();
        }
        dialog.reset();
        return texts;
    }
};

TEST_F(HistoryInALanguage, SaysEveryTextInGermanAndFrench) {
    std::vector<HistoryEntry> days;
    for (int day = 0; day < 21; ++day) {
        HistoryEntry entry = entryOnDay(day);
        entry.measurements.weight = 70.0 - 0.1 * day;
        days.push_back(entry);
    }
    keep(days);
    const std::set<std::string> english = textsOfEveryWindow();
    ASSERT_GT(english.size(), 60u);
    for (const char* language : {"de", "fr"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Translation::install(language));
        const std::set<std::string> translatedTexts = textsOfEveryWindow();
        Translation::install("");
        std::vector<std::string> inEnglish;
        for (const std::string& text : translatedTexts) {
            if (english.contains(text) && !sameInEveryLanguage(text)) {
                inEnglish.push_back(text);
            }
        }
        EXPECT_EQ(inEnglish, std::vector<std::string>{});
        EXPECT_GT(translatedTexts.size(), english.size() * 9 / 10);
    }
}

TEST_F(HistoryWindowTest, TheSummarySaysTheRateAndWhenTheGoalMayBeReached) {
    writeSettingsFile(womanMetric + "GoalWeight=68.00\n");
    std::vector<HistoryEntry> days;
    for (int day = 0; day < 21; ++day) {
        HistoryEntry entry = entryOnDay(day);
        entry.measurements.weight = 70.0 - 0.1 * day;
        entry.measurements.waist = 80.0;
        days.push_back(entry);
    }
    keep({days.begin(), days.begin() + 5});
    openWindow();
    openHistory();
    const auto summary = [&] {
        return historyWindow()->findChild<QLabel*>("summary")->text().toStdString();
    };
    ASSERT_TRUE(waitFor([&] { return rows() == 5; }));
    EXPECT_EQ(summary().rfind("Still collecting the early trend", 0), 0u) << summary();
    historyWindow()->close();
    keep({days.begin() + 5, days.end()});
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 21; }));
    // The waist stays while the weight goes: by the waist-and-weight formula the fat mass grows
    // by 0.082 of the weight lost (0.0574 Kg a week) and the lean mass takes the rest.
    EXPECT_EQ(summary().rfind("Weight falling 0.70 Kg a week (0.70 to 0.70) over the last 28 days; "
                              "of it fat rising 0.06 Kg a week (0.06 to 0.06), lean falling 0.76 "
                              "Kg a week (0.76 to 0.76).",
                              0),
              0u)
        << summary();
    // The trend lags the daily weights: a tenth of the way to each day's, from 70 Kg.
    double trend = 70.0;
    for (int day = 1; day < 21; ++day) {
        trend += 0.1 * (70.0 - 0.1 * day - trend);
    }
    const int daysToGo = static_cast<int>(std::ceil((trend - 68.0) / 0.1));
    const std::string date = std::to_string(21 + daysToGo) + " March 2026";
    EXPECT_NE(summary().find("Goal 68.00 Kg: at this rate between " + date + " and " + date + "."),
              std::string::npos)
        << summary() << " (" << date << ")";
}

// Tools, Goal… keeps the goal in the settings, in the units of the window; the unit switch
// converts it as it converts the weight; the chart draws it.
TEST_F(HistoryWindowTest, TheGoalIsKeptConvertedAndDrawn) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2)});
    openWindow();
    for (QAction* item : DialogWidgets::window(*dialog)->findChildren<QAction*>()) {
        if (item->text().remove('&') == QString::fromUtf8("Goal…")) {
            item->trigger();
        }
    }
    auto* goal = DialogWidgets::window(*dialog)->findChild<QDialog*>("goal-window");
    ASSERT_NE(goal, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(goal));
    auto* weight = goal->findChild<QLineEdit*>("goal-weight");
    weight->setFocus();
    QTest::keyClicks(weight, "65,5");
    QTest::keyClick(weight, Qt::Key_Return);
    ASSERT_TRUE(application.profile().waitUntilWritten(std::chrono::seconds(10)));
    EXPECT_EQ(test::readSettingsFileNow(), womanMetric + "GoalWeight=65.50\n");
    QTest::mouseClick(checkBox(1004), Qt::LeftButton); // to imperial
    ASSERT_TRUE(application.profile().waitUntilWritten(std::chrono::seconds(10)));
    EXPECT_NE(test::readSettingsFileNow().find("GoalWeight=144.10\n"), std::string::npos)
        << test::readSettingsFileNow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    const ChartData& drawn = chart()->data();
    ASSERT_EQ(drawn.panels.size(), 2u);
    ASSERT_EQ(drawn.panels[0].levels.size(), 1u);
    EXPECT_EQ(drawn.panels[0].levels[0].value, 144.1);
}

// Without a goal the settings file is as it was: a window opened and closed writes nothing.
TEST_F(HistoryWindowTest, WithoutAGoalNothingOfItIsWritten) {
    writeSettingsFile(womanMetric);
    openWindow();
    openHistory();
    historyWindow()->close();
    QTest::mouseClick(checkBox(1004), Qt::LeftButton);
    ASSERT_TRUE(application.profile().waitUntilWritten(std::chrono::seconds(10)));
    EXPECT_EQ(test::readSettingsFileNow().find("Goal"), std::string::npos);
}

// The span buttons and the chart's keys choose the same span.
TEST_F(HistoryWindowTest, TheSpanButtonsAndTheChartsKeysAgree) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(0), entryOnDay(200), entryOnDay(400)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 3; }));
    QPushButton* weeks = button("4 weeks");
    QPushButton* all = button("All");
    ASSERT_NE(weeks, nullptr);
    EXPECT_TRUE(all->isChecked());
    QTest::mouseClick(weeks, Qt::LeftButton);
    EXPECT_EQ(chart()->span(), TimeChart::Span::FourWeeks);
    EXPECT_TRUE(weeks->isChecked());
    EXPECT_FALSE(all->isChecked());
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Minus);
    EXPECT_EQ(chart()->span(), TimeChart::Span::ThreeMonths);
    EXPECT_TRUE(button("3 months")->isChecked());
    EXPECT_FALSE(weeks->isChecked());
}

// Every control of the History window and of the Goal window explains itself on Shift+F1, and
// the Escape that puts the explanation away leaves the window open.
TEST_F(HistoryWindowTest, EveryControlExplainsItself) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    table()->selectRow(0);
    EXPECT_EQ(unexplainedControls(*historyWindow()), std::vector<std::string>{});
    for (QAction* item : DialogWidgets::window(*dialog)->findChildren<QAction*>()) {
        if (item->text().remove('&') == QString::fromUtf8("Goal…")) {
            item->trigger();
        }
    }
    auto* goal = DialogWidgets::window(*dialog)->findChild<QDialog*>("goal-window");
    ASSERT_NE(goal, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(goal));
    EXPECT_EQ(unexplainedControls(*goal), std::vector<std::string>{});
}

// The window opens at the size it had when it was closed, also after a restart, never larger
// than the screen; the first time, its columns show their headings and a row whole, however
// many rows come.
TEST_F(HistoryWindowTest, KeepsItsSizeAcrossARestartWithinTheScreen) {
    writeSettingsFile(womanMetric);
    std::vector<HistoryEntry> many;
    for (int day = 0; day < 3000; ++day) {
        many.push_back(entryOnDay(day));
    }
    keep(many);
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 3000; }));
    QApplication::processEvents();
    // Every column whole, unless the screen is too narrow for them all (as the tests' is).
    const int widest = historyWindow()->screen()->availableGeometry().width() * 9 / 10;
    EXPECT_TRUE(table()->horizontalScrollBar()->maximum() == 0 ||
                historyWindow()->width() == widest)
        << "a column is cut in a window " << historyWindow()->width() << " wide";
    const QSize first = historyWindow()->size();
    const QSize chosen = first - QSize(40, 60);
    historyWindow()->resize(chosen);
    QTest::keyClick(table(), Qt::Key_Escape);
    ASSERT_TRUE(waitFor([&] { return historyWindow() == nullptr; }));
    ASSERT_TRUE(application.state().waitUntilWritten(std::chrono::seconds(10)));
    std::ifstream stateFile(application.state().filePath());
    const std::string kept{std::istreambuf_iterator<char>(stateFile), {}};
    EXPECT_TRUE(kept.starts_with("[Window]\n")) << kept;
    EXPECT_NE(kept.find("HistoryWidth=" + std::to_string(chosen.width()) + "\n"), std::string::npos)
        << kept;

    dialog.reset();
    openWindow();
    openHistory();
    EXPECT_EQ(historyWindow()->size(), chosen);
    historyWindow()->close();
    ASSERT_TRUE(waitFor([&] { return historyWindow() == nullptr; }));

    application.state().writeInteger("Window", "HistoryWidth", 99999);
    application.state().writeInteger("Window", "HistoryY", -5000);
    openHistory();
    const QRect screen = historyWindow()->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(historyWindow()->frameGeometry()));
}

// Rows out: Ctrl+C copies the chosen rows with their headings, as text and as HTML, in the
// window's units; the context menu (by the mouse or Shift+F10) copies them or all; the chart's
// menu copies it as an image and exports it as PNG.
TEST_F(HistoryWindowTest, RowsAndTheChartAreCopiedOut) {
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2), entryOnDay(3), entryOnDay(4)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 4; }));
    table()->setFocus();
    table()->selectRow(1);
    table()->selectionModel()->select(table()->model()->index(3, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    const auto rowText = [this](int row) {
        std::string line;
        for (int column = 0; column < table()->model()->columnCount(); ++column) {
            line += column > 0 ? "\t" : "";
            line += tableCell(row, column);
        }
        return line + "\n";
    };
    std::string headings;
    for (int column = 0; column < table()->model()->columnCount(); ++column) {
        headings += column > 0 ? "\t" : "";
        headings += heading(column);
    }
    const std::string text = QApplication::clipboard()->text().toStdString();
    ASSERT_TRUE(text.starts_with("Fenwake History\t")) << text;
    EXPECT_EQ(text.substr(text.find('\n') + 1), headings + "\n" + rowText(1) + rowText(3));
    EXPECT_NE(headings.find("Weight (Kg)"), std::string::npos) << "the window's units";
    const QString html = QApplication::clipboard()->mimeData()->html();
    EXPECT_EQ(html.count("<tr>"), 3);
    EXPECT_EQ(html.count("<th>"), table()->model()->columnCount());
    EXPECT_TRUE(html.contains(QString::fromStdString("<td>" + tableCell(3, dateColumn) + "</td>")));

    chooseFromMenu("Copy All", [&] { QTest::keyClick(table(), Qt::Key_F10, Qt::ShiftModifier); });
    const std::string all = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(all.substr(all.find('\n') + 1),
              headings + "\n" + rowText(0) + rowText(1) + rowText(2) + rowText(3));

    chooseFromMenu("Copy Chart", [&] { openContextMenu(*chart(), chart()->rect().center()); });
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), chart()->grab().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              chart()->grab().toImage().convertToFormat(QImage::Format_RGB32));

    const std::string png = std::filesystem::path(historyPath()).parent_path() / "chart.png";
    const QImage shown = chart()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    chooseFromMenu("Export Chart…",
                   [&] { QTest::keyClick(chart(), Qt::Key_F10, Qt::ShiftModifier); });
    QFileDialog* chooser = historyWindow()->findChild<QFileDialog*>("file-dialog");
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
    auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
    name->setText(QString::fromStdString(png));
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return !historyNotice("file").empty(); }));
    EXPECT_EQ(historyNotice("file"), "The chart was exported to " + png + ".");
    // The chart as it was when it was asked for (the notice has since taken some of its room).
    const QImage saved(QString::fromStdString(png));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown);
}

// Relative luminance and contrast, as for text on screen.
double luminance(QColor colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(QColor one, QColor other) {
    const double lighter = std::max(luminance(one), luminance(other));
    const double darker = std::min(luminance(one), luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

// In a dark style that dims an inactive window's text (Adwaita-Dark's colours), the table's
// text stands at full contrast from the first paint, with another window active.
TEST_F(HistoryWindowTest, TheTablesTextHasItsFullContrastInADarkStyle) {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Base, QColor("#2d2d2d"));
        dark.setColor(group, QPalette::AlternateBase, QColor("#2d2d2d"));
        dark.setColor(group, QPalette::Window, QColor("#353535"));
    }
    dark.setColor(QPalette::Active, QPalette::Text, QColor("#eeeeec"));
    dark.setColor(QPalette::Inactive, QPalette::Text, QColor("#919190"));
    QApplication::setPalette(dark);
    writeSettingsFile(womanMetric);
    keep({entryOnDay(1), entryOnDay(2)});
    openWindow();
    openHistory();
    ASSERT_TRUE(waitFor([&] { return rows() == 2; }));
    QWidget elsewhere; // another program's window, say
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_FALSE(historyWindow()->isActiveWindow())
        << (QApplication::activeWindow() ? QApplication::activeWindow()->objectName().toStdString()
                                         : "none");
    const QRect row = table()->visualRect(table()->model()->index(1, dateColumn));
    const QImage drawn = table()->viewport()->grab(row).toImage();
    double strongest = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            strongest = std::max(strongest, contrast(drawn.pixelColor(x, y), QColor("#2d2d2d")));
        }
    }
    QApplication::setPalette(before);
    EXPECT_GE(strongest, 4.5);
}

} // namespace
} // namespace fenwake
