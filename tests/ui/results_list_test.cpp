#include "framework/text/line_wrap.h"
#include "res/resource_ids.h"
#include "tests/support/drawn_text_width.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <functional>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::readSettingsFile;
using test::writeSettingsFile;
using Figures = std::vector<std::string>;

int widthFor(const QTableWidget& list, const QString& text) {
    return test::drawnTextWidth(list, text);
}

// The handheld's pixel widths, scaled as dialog units are: by the window font's size against
// the template's 8 points at 96 dots per inch.
int scaled(const QTableWidget& list, int designPixels) {
    const QFont font = list.font();
    return static_cast<int>(std::lround(designPixels * font.pointSizeF() * list.logicalDpiY() /
                                        72.0 / (8 * 96.0 / 72)));
}

TEST_F(MainWindowTest, ListHasFourColumnsAndFiveNamedRows) {
    writeSettingsFile(manImperial);
    openWindow();
    QTableWidget* list = results();
    ASSERT_EQ(list->columnCount(), 4);
    const std::vector<std::pair<const char*, int>> columns{
        {"Qty", 116}, {"Result", 60}, {"Unit", 40}, {"Description", 100}};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list->horizontalHeaderItem(column)->text().toStdString(), columns[column].first);
        EXPECT_GE(list->columnWidth(column), scaled(*list, columns[column].second)) << column;
        EXPECT_GE(list->columnWidth(column), list->horizontalHeader()->sectionSizeHint(column));
    }
    // Where the texts are narrower, the scaled width is the width; the names need more, and
    // the values have room for six digits before the point.
    EXPECT_EQ(list->columnWidth(2), scaled(*list, 40));
    EXPECT_EQ(list->columnWidth(3), scaled(*list, 100));
    EXPECT_GE(list->columnWidth(0), widthFor(*list, "Rest Metabolic Rate"));
    EXPECT_GE(list->columnWidth(1), widthFor(*list, "-123456.78"));
    ASSERT_EQ(list->rowCount(), 5);
    const Figures names{"Fat Percentage", "Fat Body Mass", "Lean Body Mass", "Rest Metabolic Rate",
                        "Body Mass Index"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(cell(row, 0), names[row]);
        // A screen reader announces each row by its name, not by its number.
        EXPECT_EQ(list->verticalHeaderItem(row)->text().toStdString(), names[row]);
    }
    EXPECT_EQ(list->accessibleName(), "Results");
}

// A figure too wide for its column widens it when it comes, and the column goes back to its
// width when the figure goes: no text is ever cut.
TEST_F(MainWindowTest, AColumnFollowsItsWidestText) {
    writeSettingsFile(manImperial);
    openWindow();
    QTableWidget* list = results();
    const int usual = list->columnWidth(1);
    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    type("1e18");
    EXPECT_EQ(cell(3, 1), "14964060000000002048.00");
    EXPECT_GT(list->columnWidth(1), usual);
    for (int row = 0; row < 5; ++row) {
        EXPECT_LE(widthFor(*list, QString::fromStdString(cell(row, 1))), list->columnWidth(1));
    }
    edit(IDC_WEIGHT)->selectAll();
    type("180");
    EXPECT_EQ(list->columnWidth(1), usual);
}

TEST_F(MainWindowTest, ListIsAReportWithoutSortingThatSelectsWholeRows) {
    openWindow();
    QTableWidget* list = results();
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(list->horizontalHeader()->sectionsClickable());
}

TEST_F(MainWindowTest, StoredEntryShowsItsResultsBeforeAnythingIsTouched) {
    writeSettingsFile(manImperial);
    openWindow();
    EXPECT_EQ(figures(), (Figures{"15.51", "27.92", "152.08", "2103.27", "25.82"}));
    EXPECT_EQ(cell(0, 2), "%");
    EXPECT_EQ(cell(0, 3), "Average");
    EXPECT_EQ(cell(1, 2), "Lbs");
    EXPECT_EQ(cell(2, 2), "Lbs");
    EXPECT_EQ(cell(3, 2), "Cals");
    EXPECT_EQ(cell(4, 3), "Overweight");
    EXPECT_TRUE(writes.empty());
}

struct Rated {
    const char* settings;
    const char* fatRating;
    const char* indexCategory;
};

void PrintTo(const Rated& c, std::ostream* out) {
    *out << c.fatRating << " and " << c.indexCategory;
}

class ShowsRatings : public MainWindowTest, public testing::WithParamInterface<Rated> {};

// Every rating's text, as the list shows it for an entry in its band.
INSTANTIATE_TEST_SUITE_P(
    ResultsList, ShowsRatings,
    testing::Values(Rated{"[Settings]\nWaist=30\nWeight=150\nHeight=80\n", "Very Low",
                          "Underweight"},
                    Rated{"[Settings]\nWaist=31\nWeight=150\nHeight=70\n", "Low", "Normal"},
                    Rated{"[Settings]\nWaist=34\nWeight=180\nHeight=70\n", "Average", "Overweight"},
                    Rated{"[Settings]\nWaist=80\nWeight=65\nHeight=170\nMetric=1\nFemale=1\n",
                          "High", "Normal"},
                    Rated{"[Settings]\nWaist=40\nWeight=150\nHeight=55\n", "Very High", "Obese"},
                    // No weight and no height: no number to rate, so no rating.
                    Rated{"[Settings]\nWaist=100\nWeight=0\nHeight=0\n", "", ""},
                    Rated{"[Settings]\nWaist=34\nWeight=180\nHeight=0\n", "Average", ""}));

TEST_P(ShowsRatings, BesideTheFatPercentageAndTheIndex) {
    writeSettingsFile(GetParam().settings);
    openWindow();
    EXPECT_EQ(cell(0, 3), GetParam().fatRating);
    EXPECT_EQ(cell(4, 3), GetParam().indexCategory);
}

// A figure that is no number gets no rating: "-inf" is not "Very Low", nor "nan" "Obese".
TEST_F(MainWindowTest, AllZeroEntryShowsWhatTheDivisionsGive) {
    openWindow();
    EXPECT_EQ(figures(), (Figures{"-inf", "-98.42", "98.42", "1361.15", "nan"}));
    EXPECT_EQ(cell(0, 3), "");
    EXPECT_EQ(cell(4, 3), "");
}

TEST_F(MainWindowTest, CellsWithoutContentStayEmpty) {
    writeSettingsFile(manImperial);
    openWindow();
    QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton);
    QTest::mouseClick(checkBox(IDC_FEMALE), Qt::LeftButton);
    for (int row : {1, 2, 3}) {
        EXPECT_EQ(cell(row, 3), "") << "row " << row;
    }
    EXPECT_EQ(cell(4, 2), "");
}

TEST_F(MainWindowTest, TappingARowSelectsItWholeAndChangesNothingElse) {
    writeSettingsFile(manImperial);
    openWindow();
    const Figures before = figures();
    QTableWidget* list = results();
    const QRect row = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 4);
    for (const QModelIndex& index : selected) {
        EXPECT_EQ(index.row(), 2);
    }
    EXPECT_EQ(figures(), before);
    EXPECT_EQ(readSettingsFile(), manImperial);
}

struct Explained {
    const char* name;
    const char* settings;
    int row;
    const char* says;
};

void PrintTo(const Explained& c, std::ostream* out) {
    *out << c.name;
}

class ExplainsItsFigures : public MainWindowTest, public testing::WithParamInterface<Explained> {};

INSTANTIATE_TEST_SUITE_P(
    ResultsList, ExplainsItsFigures,
    testing::Values(
        Explained{"a_mans_band_marked", manImperial, 0,
                  "A man's bands: Very Low up to 10, Low up to 13, Average up to 17 (this figure), "
                  "High up to 25, Very High above 25."},
        Explained{"a_womans_band_marked",
                  "[Settings]\nWaist=80\nWeight=65\nHeight=170\nMetric=1\nFemale=1\n", 0,
                  "A woman's bands: Very Low up to 17, Low up to 20, Average up to 27, High up to "
                  "31 (this figure), Very High above 31."},
        Explained{"an_index_band_marked", manImperial, 4,
                  "Bands: Underweight up to 18.5, Normal up to 24.9, Overweight up to 29.9 (this "
                  "figure), Obese above 29.9."},
        Explained{"the_top_band_marked_too",
                  "[Settings]\nWaist=60\nWeight=100\nHeight=70\nMetric=0\nFemale=0\n", 0,
                  "High up to 25, Very High above 25 (this figure)."},
        Explained{"the_top_index_band_marked_too",
                  "[Settings]\nWaist=34\nWeight=300\nHeight=60\nMetric=0\nFemale=0\n", 4,
                  "Overweight up to 29.9, Obese above 29.9 (this figure)."},
        Explained{"no_band_for_no_number", "", 4,
                  "Normal up to 24.9, Overweight up to 29.9, Obese above 29.9. An estimate"},
        Explained{"masses_in_the_units_shown",
                  "[Settings]\nWaist=80\nWeight=65\nHeight=170\nMetric=1\n", 1,
                  "weight less lean body mass, in kilograms."},
        Explained{"lean_mass_formula", manImperial, 2,
                  "1.082 times weight, less 4.15 times waist, plus 98.42 for a man or 76.76 for a "
                  "woman, from pounds and inches; in pounds."},
        Explained{"calories", manImperial, 3, "13.83 for each pound of lean body mass."}),
    [](const auto& info) { return std::string(info.param.name); });

// Each row says what its figure is and how it comes from the entries, in its tool tip and to
// a screen reader alike, and that it is an estimate.
TEST_P(ExplainsItsFigures, InTheRowsToolTip) {
    writeSettingsFile(GetParam().settings);
    openWindow();
    for (int column = 0; column < 4; ++column) {
        const QTableWidgetItem* item = results()->item(GetParam().row, column);
        ASSERT_NE(item, nullptr) << column;
        const std::string said = item->data(Qt::AccessibleDescriptionRole).toString().toStdString();
        EXPECT_NE(said.find(GetParam().says), std::string::npos) << said;
        EXPECT_TRUE(said.ends_with(" An estimate from a simple formula, not medical advice."))
            << said;
        // The tool tip is the same text in lines of readable length.
        EXPECT_EQ(item->toolTip().toStdString(), wrapLines(said, 56));
        for (const QString& line : item->toolTip().split('\n')) {
            EXPECT_LE(line.size(), 56) << line.toStdString();
        }
    }
}

class CopyTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSettingsFile(manImperial);
        openWindow();
        QApplication::clipboard()->clear();
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTableWidget* list = results();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(list->model()->index(row, 1)).center());
    }
    static std::string copied() { return QApplication::clipboard()->text().toStdString(); }
    // Opens the list's context menu (with the mouse, unless given another way) and chooses the
    // item with this text.
    void chooseFromContextMenu(const QString& text, const std::function<void()>& open = {}) {
        QTableWidget* list = results();
        if (open) {
            DialogWidgets::window(*dialog)->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(DialogWidgets::window(*dialog)));
            list->setFocus();
        }
        chooseFromMenu(text, [&] {
            if (open) {
                open();
                return;
            }
            openContextMenu(*list->viewport(),
                            list->visualRect(list->model()->index(0, 0)).center());
        });
    }
};

// What every copy of the worked man begins with, after its title line: the entries as the
// fields show them, and the columns' headings.
const std::string entries = "Waist\t34\tInches\nWeight\t180\tLbs\nHeight\t70\tInches\n"
                            "Female\tNo\nMetric\tNo\nMethod\tWaist and weight\n"
                            "Qty\tResult\tUnit\tDescription\n";
const std::string allRows = "Fat Percentage\t15.51\t%\tAverage\n"
                            "Fat Body Mass\t27.92\tLbs\t\n"
                            "Lean Body Mass\t152.08\tLbs\t\n"
                            "Rest Metabolic Rate\t2103.27\tCals\t\n"
                            "Body Mass Index\t25.82\t\tOverweight\n";

// The copy's title line: the window's title and when the copy was made, in the desktop's own
// format; the rest as it is.
std::string afterTheTitle(const std::string& copy) {
    const std::size_t end = copy.find('\n');
    const QString title = QString::fromStdString(copy.substr(0, end));
    EXPECT_TRUE(title.startsWith("Fenwake\t")) << copy;
    const QDateTime made =
        QLocale().toDateTime(title.mid(QString("Fenwake\t").size()), QLocale::ShortFormat);
    EXPECT_TRUE(made.isValid()) << title.toStdString();
    EXPECT_LE(std::abs(made.secsTo(QDateTime::currentDateTime())), 120) << title.toStdString();
    return end == std::string::npos ? std::string() : copy.substr(end + 1);
}

// The figures are copied as shown, a row a line, with their names, units and ratings, so that
// a spreadsheet splits them into cells; before them, when and from what they came. Rich
// targets get tables.
TEST_F(CopyTest, CtrlCCopiesTheSelectedRowsOrAllWhole) {
    results()->setFocus();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(afterTheTitle(copied()), entries + allRows);

    clickRow(0);
    clickRow(4, Qt::ControlModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(afterTheTitle(copied()), entries +
                                           "Fat Percentage\t15.51\t%\tAverage\nBody Mass Index\t"
                                           "25.82\t\tOverweight\n");
    const QString html = QApplication::clipboard()->mimeData()->html();
    EXPECT_TRUE(html.contains("<tr><td>Weight</td><td>180</td><td>Lbs</td></tr>"))
        << html.toStdString();
    EXPECT_TRUE(html.contains("<tr><th>Qty</th><th>Result</th><th>Unit</th><th>Description</th>"
                              "</tr><tr><td>Fat Percentage</td>"))
        << html.toStdString();
    EXPECT_TRUE(html.contains("<tr><td>Body Mass Index</td><td>25.82</td><td></td>"
                              "<td>Overweight</td></tr>"))
        << html.toStdString();

    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(afterTheTitle(copied()), entries + allRows);
}

// Shift+F10 and the mouse open the same menu (the Menu key, which the window system turns into a
// context menu, is pressed in the real-display session).
TEST_F(CopyTest, TheContextMenuCopiesTheSelectionOrEverything) {
    clickRow(3);
    chooseFromContextMenu("Copy");
    EXPECT_EQ(afterTheTitle(copied()), entries + "Rest Metabolic Rate\t2103.27\tCals\t\n");
    chooseFromContextMenu("Copy All");
    EXPECT_EQ(afterTheTitle(copied()), entries + allRows);
    chooseFromContextMenu("Copy", [this] { press(Qt::Key_F10, Qt::ShiftModifier); });
    EXPECT_EQ(afterTheTitle(copied()), entries + "Rest Metabolic Rate\t2103.27\tCals\t\n");
}

// While a field holds no number the list shows the last valid figures, and a copy says so
// first, in the words of the window.
TEST_F(CopyTest, ACopyOfOutOfDateFiguresSaysSoFirst) {
    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    type("x");
    results()->setFocus();
    press(Qt::Key_C, Qt::ControlModifier);
    const std::string told =
        "Weight: enter a number. The figures are those of the last valid entry.\n";
    ASSERT_EQ(copied().substr(0, told.size()), told);
    EXPECT_EQ(afterTheTitle(copied().substr(told.size())),
              "Waist\t34\tInches\nWeight\tx\tLbs\nHeight\t70\tInches\nFemale\tNo\nMetric\tNo\n"
              "Method\tWaist and weight\nQty\tResult\tUnit\tDescription\n" +
                  allRows);
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().startsWith(
        "<p>Weight: enter a number. The figures are those of the last valid entry.</p>"));
}

} // namespace
} // namespace fenwake
