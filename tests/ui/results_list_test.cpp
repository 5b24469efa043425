#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QHeaderView>
#include <QStyle>

#include <cmath>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::readSettingsFile;
using test::writeSettingsFile;
using Figures = std::vector<std::string>;

// The widths a list's columns get for texts: the text in the list's font, with the margins
// the item delegate leaves on either side.
int widthFor(const QTableWidget& list, const QString& text) {
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    return list.fontMetrics().horizontalAdvance(text) + 2 * margin;
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
                    Rated{"[Settings]\nWaist=40\nWeight=150\nHeight=55\n", "Very High", "Obese"}));

TEST_P(ShowsRatings, BesideTheFatPercentageAndTheIndex) {
    writeSettingsFile(GetParam().settings);
    openWindow();
    EXPECT_EQ(cell(0, 3), GetParam().fatRating);
    EXPECT_EQ(cell(4, 3), GetParam().indexCategory);
}

TEST_F(MainWindowTest, AllZeroEntryShowsWhatTheDivisionsGive) {
    openWindow();
    EXPECT_EQ(figures(), (Figures{"-inf", "-98.42", "98.42", "1361.15", "nan"}));
    EXPECT_EQ(cell(0, 3), "Very Low");
    EXPECT_EQ(cell(4, 3), "Obese");
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

} // namespace
} // namespace fenwake
