// The main window as a person sees it on a real X server, with real fonts, at the scale and
// font size the environment sets (QT_SCALE_FACTOR, QT_FONT_DPI): every text whole, nothing
// overlapping, the results readable without scrolling, and the window growing as it should.
// Each case leaves a screenshot in FENWAKE_SCREENSHOTS, named after FENWAKE_LAYOUT.
#include "res/resource_ids.h"
#include "tests/support/drawn_text_width.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QDir>
#include <QHeaderView>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>

#include <cstdlib>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::writeSettingsFile;

struct Entry {
    const char* name;
    const char* settings;
    bool ordinary; // figures of six digits or fewer before the point
};

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << entry.name;
}

std::string environment(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : otherwise;
}

class WindowLayout : public MainWindowTest, public testing::WithParamInterface<Entry> {
protected:
    void SetUp() override {
        writeSettingsFile(GetParam().settings);
        openWindow();
        QApplication::processEvents();
    }

    // The window as it opened, for people to look at.
    void saveScreenshot() const {
        const QString folder = QString::fromStdString(environment("FENWAKE_SCREENSHOTS", "."));
        QDir().mkpath(folder);
        const QString name =
            QString("layout-%1-%2.png")
                .arg(QString::fromStdString(environment("FENWAKE_LAYOUT", "")), GetParam().name);
        EXPECT_TRUE(dialog->window()->grab().save(folder + "/" + name));
    }

    int textWidth(const QString& text) const { return test::drawnTextWidth(*results(), text); }
};

INSTANTIATE_TEST_SUITE_P(
    Layout, WindowLayout,
    testing::Values(
        Entry{"worked_man", "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n", true},
        Entry{"worked_woman",
              "[Settings]\nWaist=80.00\nWeight=65.00\nHeight=170.00\nMetric=1\nFemale=1\n", true},
        Entry{"negative", "[Settings]\nWaist=-12345.67\nWeight=-12345.67\nHeight=-12345.67\n",
              true},
        Entry{"nothing_entered", "", true},
        Entry{"infinite", "[Settings]\nWaist=30\nWeight=1e300\nHeight=1e-300\n", false},
        Entry{"huge", "[Settings]\nWaist=1e15\nWeight=1e15\nHeight=1e15\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WindowLayout, EveryResultFitsItsColumn) {
    saveScreenshot();
    QTableWidget* list = results();
    for (int column = 0; column < list->columnCount(); ++column) {
        SCOPED_TRACE("column " + std::to_string(column));
        EXPECT_LE(list->horizontalHeader()->sectionSizeHint(column), list->columnWidth(column));
        for (int row = 0; row < list->rowCount(); ++row) {
            EXPECT_LE(textWidth(QString::fromStdString(cell(row, column))),
                      list->columnWidth(column))
                << cell(row, column);
        }
    }
    for (int row = 0; row < list->rowCount(); ++row) {
        EXPECT_GE(list->rowHeight(row), list->fontMetrics().height());
    }
}

// Ordinary figures show whole without scrolling; a longer one widens its column, and the
// scroll bar then reaches what the window cannot show at once.
TEST_P(WindowLayout, OrdinaryFiguresNeedNoScrolling) {
    QTableWidget* list = results();
    int columns = 0;
    for (int column = 0; column < list->columnCount(); ++column) {
        columns += list->columnWidth(column);
    }
    const bool wider = columns > list->viewport()->width();
    EXPECT_EQ(list->horizontalScrollBar()->isVisible(), wider);
    if (GetParam().ordinary) {
        EXPECT_FALSE(wider);
    }
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    const int lastRow = list->rowCount() - 1;
    EXPECT_LE(list->rowViewportPosition(lastRow) + list->rowHeight(lastRow),
              list->viewport()->height());
}

TEST_P(WindowLayout, ControlsShowTheirWholeTextAndNeverOverlap) {
    const QWidget* client = edit(IDC_WAIST)->parentWidget();
    const QList<QWidget*> controls = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        SCOPED_TRACE(control->metaObject()->className() + std::string(" ") +
                     control->accessibleName().toStdString());
        EXPECT_TRUE(client->rect().contains(control->geometry()));
        for (const QWidget* other : controls) {
            EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
                << other->accessibleName().toStdString();
        }
        if (const auto* label = qobject_cast<const QLabel*>(control);
            label && label->pixmap().isNull()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << label->text().toStdString();
            EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
        } else if (qobject_cast<const QCheckBox*>(control) != nullptr) {
            EXPECT_LE(control->sizeHint().width(), control->width());
        } else if (qobject_cast<const QLineEdit*>(control) != nullptr) {
            EXPECT_LE(control->minimumSizeHint().height(), control->height());
        }
    }
    EXPECT_TRUE(dialog->window()->rect().contains(client->geometry()));
    const QMenuBar* bar = dialog->window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QAction* tools = bar->actions().value(0);
    EXPECT_GE(bar->actionGeometry(const_cast<QAction*>(tools)).width(),
              bar->fontMetrics().horizontalAdvance("Tools"));
}

// The template's size is the smallest; the list takes whatever room is added, and the other
// controls stay where they are.
TEST_P(WindowLayout, MakingTheWindowLargerGivesTheListTheRoom) {
    QWidget* window = dialog->window();
    const QRect list = results()->geometry();
    const QRect waist = edit(IDC_WAIST)->geometry();
    const QRect metric = checkBox(IDC_METRIC)->geometry();
    window->resize(window->size() + QSize(120, 90));
    QApplication::processEvents();
    EXPECT_EQ(results()->geometry(), list.adjusted(0, 0, 120, 90));
    EXPECT_EQ(edit(IDC_WAIST)->geometry(), waist);
    EXPECT_EQ(checkBox(IDC_METRIC)->geometry(), metric);

    window->resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), window->minimumSize());
    EXPECT_EQ(edit(IDC_WAIST)->parentWidget()->size(),
              edit(IDC_WAIST)->parentWidget()->minimumSize());
    window->resize(window->size() + QSize(120, 90));
}

} // namespace
} // namespace fenwake
