// The main window as a person sees it on a real X server, with real fonts, at the scale and
// font size the environment sets (QT_SCALE_FACTOR, QT_FONT_DPI): every text whole, nothing
// overlapping, the results readable without scrolling, and the window growing as it should.
// Each case leaves a screenshot in FENWAKE_SCREENSHOTS, named after FENWAKE_LAYOUT.
#include "framework/dialog/dialog_widgets.h"
#include "framework/language/translation.h"
#include "res/resource_ids.h"
#include "tests/support/drawn_text_width.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/about_dialog.h"

#include <QDir>
#include <QHash>
#include <QHeaderView>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

#include <cmath>
#include <cstdlib>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::writeSettingsFile;

struct Entry {
    const char* name;
    const char* waist; // nothing at all stored when null
    const char* weight;
    const char* height;
    bool ordinary = true; // figures of six digits or fewer before the point
    bool metricWoman = false;
    const char* more = ""; // further settings, such as a method

    std::string settings() const {
        if (waist == nullptr) {
            return {};
        }
        return std::string("[Settings]\nWaist=") + waist + "\nWeight=" + weight +
               "\nHeight=" + height + (metricWoman ? "\nMetric=1\nFemale=1\n" : "\n") + more;
    }
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
        Translation::installForDesktop(); // as the program starts: LANG may name a language
        writeSettingsFile(GetParam().settings());
        openWindow();
        QApplication::processEvents();
    }
    void TearDown() override { Translation::install(""); }

    void typeInto(int id, const char* text) {
        focusField(id);
        edit(id)->selectAll();
        type(text);
    }

    void expectEveryCellFits() {
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
    }

    // The window as it opened, for people to look at.
    void saveScreenshot() const {
        const QString folder = QString::fromStdString(environment("FENWAKE_SCREENSHOTS", "."));
        QDir().mkpath(folder);
        const QString name =
            QString("layout-%1-%2.png")
                .arg(QString::fromStdString(environment("FENWAKE_LAYOUT", "")), GetParam().name);
        EXPECT_TRUE(DialogWidgets::window(*dialog)->grab().save(folder + "/" + name));
    }

    int textWidth(const QString& text) const { return test::drawnTextWidth(*results(), text); }
};

// The worked entries, and entries that take every row up to 1e15 and down to -1e15 (each of
// them drives one row there, and the others wherever that leads).
INSTANTIATE_TEST_SUITE_P(
    Layout, WindowLayout,
    testing::Values(Entry{"worked_man", "34.00", "180.00", "70.00"},
                    Entry{"worked_woman", "80.00", "65.00", "170.00", true, true},
                    // The Navy method: the neck and hip shown under Height.
                    Entry{"navy_woman", "72.00", "65.00", "165.00", true, true,
                          "Method=Navy\nNeck=33.00\nHip=100.00\n"},
                    Entry{"negative", "-12345.67", "-12345.67", "-12345.67"},
                    Entry{"nothing_entered", nullptr, "0", "0"},
                    Entry{"infinite", "30", "1e300", "1e-300", false},
                    Entry{"huge", "1e15", "1e15", "1e15", false},
                    Entry{"waist_3459", "3459", "180", "70"},
                    Entry{"fat_percentage_up", "2409638554216.87", "1", "1", false},
                    Entry{"fat_percentage_down", "-2409638554216.87", "1", "1", false},
                    Entry{"masses_apart", "240963855421686.7", "1", "1", false},
                    Entry{"masses_crossed", "-240963855421686.7", "1", "1", false},
                    Entry{"rate_down", "17424312531190", "1", "1", false},
                    Entry{"rate_up", "-17424312531190", "1", "1", false},
                    Entry{"index_up", "0", "1422475106685.63", "1", false},
                    Entry{"index_down", "0", "-1422475106685.63", "1", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Loaded from the settings file, and typed into the fields: no figure is cut.
TEST_P(WindowLayout, EveryResultFitsItsColumn) {
    saveScreenshot();
    {
        SCOPED_TRACE("loaded");
        expectEveryCellFits();
    }
    writeSettingsFile("");
    dialog.reset();
    application.setRegistryKey("Kestrova");
    openWindow();
    typeInto(IDC_WAIST, GetParam().waist != nullptr ? GetParam().waist : "0");
    typeInto(IDC_WEIGHT, GetParam().weight);
    typeInto(IDC_HEIGHT, GetParam().height);
    {
        SCOPED_TRACE("typed");
        expectEveryCellFits();
    }
    QTableWidget* list = results();
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
    QList<QWidget*> controls = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* control) { return control->isHidden(); });
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
            // As drawn: the '&' that marks an access key is no character of it.
            EXPECT_LE(label->fontMetrics().size(Qt::TextShowMnemonic, label->text()).width(),
                      label->contentsRect().width())
                << label->text().toStdString();
            EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
        } else if (qobject_cast<const QCheckBox*>(control) != nullptr) {
            EXPECT_LE(control->sizeHint().width(), control->width());
        } else if (qobject_cast<const QLineEdit*>(control) != nullptr) {
            EXPECT_LE(control->minimumSizeHint().height(), control->height());
        }
    }
    EXPECT_TRUE(DialogWidgets::window(*dialog)->rect().contains(client->geometry()));
    const QMenuBar* bar = DialogWidgets::window(*dialog)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QAction* tools = bar->actions().value(0);
    EXPECT_GE(bar->actionGeometry(const_cast<QAction*>(tools)).width(),
              bar->fontMetrics().horizontalAdvance("Tools"));
}

// The lowest row, in device pixels of the image, with ink in it: the baseline of a text without
// descenders ("34", "Inches"). Ink is what differs clearly from the area's most common colour,
// its background; a pixel alone is a stray one.
int drawnBaseline(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb background = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        background = count.value() > counts.value(background) ? count.key() : background;
    }
    for (int y = area.bottom(); y >= area.top(); --y) {
        int ink = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            ink += std::abs(qGray(image.pixel(x, y)) - qGray(background)) > 60 ? 1 : 0;
        }
        if (ink >= 2) {
            return y;
        }
    }
    return -1;
}

// A caption, its field's text and the field's unit read along one line, as drawn: their
// baselines agree within a pixel, whatever the style, scale or language.
TEST_P(WindowLayout, CaptionFieldAndUnitShareABaseline) {
    const std::string name = GetParam().name;
    if (name != "worked_man" && name != "navy_woman") {
        GTEST_SKIP() << "the same for every entry";
    }
    QWidget* client = edit(IDC_WAIST)->parentWidget();
    const QImage image = client->grab().toImage();
    const double ratio = image.devicePixelRatio();
    const auto inDevicePixels = [ratio](const QRect& rect) {
        return QRect(static_cast<int>(std::lround(rect.x() * ratio)),
                     static_cast<int>(std::lround(rect.y() * ratio)),
                     static_cast<int>(std::lround(rect.width() * ratio)),
                     static_cast<int>(std::lround(rect.height() * ratio)));
    };
    // Figures have no descenders, nor have "Inches", "Lbs" and "cm" ("Kg" has): the lowest ink
    // is their baseline. The captions stand where the units do (the window tests check their
    // places), so they share the units' baseline. The neck and hip rows when they show.
    const std::vector<std::pair<int, int>> rows{{IDC_WAIST, IDC_WAIST_UNIT},
                                                {IDC_WEIGHT, IDC_WEIGHT_UNIT},
                                                {IDC_HEIGHT, IDC_HEIGHT_UNIT},
                                                {IDC_NECK, IDC_NECK_UNIT},
                                                {IDC_HIP, IDC_HIP_UNIT}};
    for (const auto& [field, unitId] : rows) {
        QLineEdit* box = edit(field);
        const QLabel* unit = label(unitId);
        if (box->isHidden() || unit->text().contains(QRegularExpression("[gjpqy]"))) {
            continue;
        }
        SCOPED_TRACE(unit->text().toStdString());
        // The field's text alone: as wide as it is, and inside the field's frame.
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        const QRect text(box->x() + frame + 2, box->y() + frame + 1,
                         box->fontMetrics().horizontalAdvance(box->text()) + 2,
                         box->height() - 2 * frame - 2);
        const int fieldLine = drawnBaseline(image, inDevicePixels(text));
        const int unitLine = drawnBaseline(image, inDevicePixels(unit->geometry()));
        EXPECT_NEAR(unitLine, fieldLine, static_cast<int>(std::ceil(ratio)));
    }
    const QString folder = QString::fromStdString(environment("FENWAKE_SCREENSHOTS", "."));
    EXPECT_TRUE(
        image.save(folder + QString("/form-%1-%2.png")
                                .arg(QString::fromStdString(environment("FENWAKE_LAYOUT", "")),
                                     GetParam().name)));
}

// Every tool tip reads in lines of about forty to sixty characters, as shown on this screen,
// in this language: the widest of its lines is at most sixty of the tool tip font's average
// characters wide.
TEST_P(WindowLayout, EveryToolTipWrapsAtAReadableWidth) {
    if (std::string(GetParam().name) != "worked_man") {
        GTEST_SKIP() << "the same for every entry";
    }
    std::vector<std::pair<QWidget*, QString>> tips;
    for (QWidget* control : edit(IDC_WAIST)->parentWidget()->findChildren<QWidget*>()) {
        if (!control->toolTip().isEmpty()) {
            tips.emplace_back(control, control->toolTip());
        }
    }
    for (int row = 0; row < results()->rowCount(); ++row) {
        tips.emplace_back(results()->viewport(), results()->item(row, 0)->toolTip());
    }
    for (int column = 0; column < results()->columnCount(); ++column) {
        tips.emplace_back(results()->horizontalHeader(),
                          results()->horizontalHeaderItem(column)->toolTip());
    }
    ASSERT_GE(tips.size(), 12u);
    for (const auto& [widget, tip] : tips) {
        SCOPED_TRACE(tip.toStdString());
        QToolTip::showText(widget->mapToGlobal(QPoint(2, 2)), tip, widget);
        QWidget* shown = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            shown =
                window->objectName() == "qtooltip_label" && window->isVisible() ? window : shown;
        }
        ASSERT_NE(shown, nullptr);
        const QFontMetrics metrics(shown->font());
        EXPECT_LE(shown->width(), 60 * metrics.averageCharWidth() + 2 * metrics.height());
        EXPECT_LE(shown->height(), shown->screen()->availableGeometry().height() / 2);
        QToolTip::hideText();
    }
}

// The About box of the main window: every text whole, nothing overlapping, in every style,
// scale and language.
TEST_P(WindowLayout, TheAboutBoxShowsItsWholeText) {
    if (std::string(GetParam().name) != "worked_man") {
        GTEST_SKIP() << "the About box is the same for every entry";
    }
    AboutDialog about;
    ASSERT_TRUE(about.create());
    QApplication::processEvents();
    const QWidget* client = DialogWidgets::window(about)->findChild<QLabel*>()->parentWidget();
    const QList<QLabel*> labels = client->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        EXPECT_TRUE(client->rect().contains(label->geometry())) << label->text().toStdString();
        for (const QLabel* other : labels) {
            EXPECT_TRUE(other == label || !other->geometry().intersects(label->geometry()))
                << label->text().toStdString() << " at " << label->geometry().y() << "+"
                << label->height() << ", " << other->text().toStdString() << " at "
                << other->geometry().y() << "+" << other->height();
        }
        if (label->pixmap().isNull()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << label->text().toStdString();
        }
    }
    const QString folder = QString::fromStdString(environment("FENWAKE_SCREENSHOTS", "."));
    EXPECT_TRUE(DialogWidgets::window(about)->grab().save(
        folder +
        QString("/about-%1.png").arg(QString::fromStdString(environment("FENWAKE_LAYOUT", "")))));
}

// The template's size is the smallest; the list takes whatever room is added, and the other
// controls stay where they are.
TEST_P(WindowLayout, MakingTheWindowLargerGivesTheListTheRoom) {
    QWidget* window = DialogWidgets::window(*dialog);
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
    const QWidget* client = edit(IDC_WAIST)->parentWidget();
    EXPECT_EQ(client->size(), client->minimumSizeHint());
    // At the smallest size every column is whole, the margins are even, and the last
    // column's heading reaches the list's right edge.
    QTableWidget* view = results();
    int columns = 0;
    for (int column = 0; column < view->columnCount(); ++column) {
        columns += view->columnWidth(column);
    }
    if (GetParam().ordinary) {
        EXPECT_EQ(columns, view->viewport()->width());
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    }
    EXPECT_EQ(view->x(), client->width() - view->geometry().right() - 1);
    window->resize(window->size() + QSize(120, 90));
    QApplication::processEvents();
    EXPECT_EQ(view->x(), client->width() - view->geometry().right() - 1);
    columns = 0;
    for (int column = 0; column < view->columnCount(); ++column) {
        columns += view->columnWidth(column);
    }
    EXPECT_GE(columns, view->viewport()->width());
}

} // namespace
} // namespace fenwake
