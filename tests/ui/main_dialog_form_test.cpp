#include "framework/dialog/dialog_widgets.h"
#include "framework/resources/icon.h"
#include "res/resource_ids.h"
#include "tests/support/expected_pixels.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QWindow>

#include <chrono>
#include <fstream>
#include <vector>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::readSettingsFile;
using test::writeSettingsFile;

TEST_F(MainWindowTest, FirstRunOpensWithZerosImperialAndMale) {
    openWindow();
    EXPECT_EQ(text(IDC_WAIST), "0");
    EXPECT_EQ(text(IDC_WEIGHT), "0");
    EXPECT_EQ(text(IDC_HEIGHT), "0");
    EXPECT_FALSE(checkBox(IDC_FEMALE)->isChecked());
    EXPECT_FALSE(checkBox(IDC_METRIC)->isChecked());
    EXPECT_EQ(text(IDC_WAIST_UNIT), "Inches");
    EXPECT_EQ(text(IDC_WEIGHT_UNIT), "Lbs");
    EXPECT_EQ(text(IDC_HEIGHT_UNIT), "Inches");
}

TEST_F(MainWindowTest, OpensWithTheStoredValues) {
    writeSettingsFile("[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=0\n");
    openWindow();
    EXPECT_EQ(text(IDC_WAIST), "34");
    EXPECT_EQ(text(IDC_WEIGHT), "180");
    EXPECT_EQ(text(IDC_HEIGHT), "70");
}

TEST_F(MainWindowTest, StoredFlagsTickTheBoxesAndNameMetricUnits) {
    writeSettingsFile("[Settings]\nMetric=1\nFemale=1\nWaist=81.92\n");
    openWindow();
    EXPECT_TRUE(checkBox(IDC_METRIC)->isChecked());
    EXPECT_TRUE(checkBox(IDC_FEMALE)->isChecked());
    EXPECT_EQ(text(IDC_WAIST), "81.92");
    EXPECT_EQ(text(IDC_WAIST_UNIT), "cm");
    EXPECT_EQ(text(IDC_WEIGHT_UNIT), "Kg");
    EXPECT_EQ(text(IDC_HEIGHT_UNIT), "cm");
}

TEST_F(MainWindowTest, OpeningAndClosingWritesNothing) {
    openWindow();
    DialogWidgets::window(*dialog)->close();
    dialog.reset();
    EXPECT_EQ(readSettingsFile(), "<missing>");

    const std::string stored = "[Settings]\nWaist=34.00\nWeight=180.00\n";
    writeSettingsFile(stored);
    openWindow();
    press(Qt::Key_Escape);
    dialog.reset();
    EXPECT_EQ(readSettingsFile(), stored);
}

TEST_F(MainWindowTest, FocusStartsOnFemaleWithoutAKeyboardRequest) {
    panelRequests.clear();
    openWindow();
    EXPECT_EQ(QApplication::focusWidget(), checkBox(IDC_FEMALE));
    EXPECT_TRUE(panelRequests.empty());
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTemplateOrder) {
    openWindow();
    const std::vector<QWidget*> order{edit(IDC_WAIST),   edit(IDC_WEIGHT), checkBox(IDC_METRIC),
                                      list(IDC_RESULTS), edit(IDC_HEIGHT), checkBox(IDC_FEMALE)};
    for (QWidget* expected : order) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), edit(IDC_HEIGHT));
}

TEST_F(MainWindowTest, MovingBetweenFieldsLowersThenRaisesTheKeyboard) {
    openWindow();
    press(Qt::Key_Tab); // into the waist field
    panelRequests.clear();
    press(Qt::Key_Tab); // on to the weight field
    ASSERT_EQ(panelRequests.size(), 2u);
    EXPECT_EQ(panelRequests[0].request, InputPanelRequest::Lower);
    EXPECT_EQ(panelRequests[1].request, InputPanelRequest::Raise);
    EXPECT_EQ(panelRequests[0].window, dialog.get());
    EXPECT_EQ(panelRequests[1].window, dialog.get());
}

TEST_F(MainWindowTest, FocusOnACheckBoxOrTheListRaisesNothing) {
    openWindow();
    focusField(IDC_WEIGHT);
    panelRequests.clear();
    press(Qt::Key_Tab); // Metric
    press(Qt::Key_Tab); // the list
    ASSERT_EQ(panelRequests.size(), 1u);
    EXPECT_EQ(panelRequests[0].request, InputPanelRequest::Lower);
}

struct Expected {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
};

TEST_F(MainWindowTest, ControlsFollowTheTemplate) {
    openWindow();
    const test::ExpectedPixels pixels(DialogWidgets::window(*dialog)->font());
    const std::vector<Expected> controls{
        {IDC_FEMALE, "QCheckBox", "Female", 7, 50, 39, 10},
        {IDC_WAIST, "QLineEdit", "", 37, 7, 65, 12},
        {IDC_WAIST_UNIT, "QLabel", "Inches", 106, 9, 22, 8},
        {IDC_WEIGHT, "QLineEdit", "", 37, 21, 65, 12},
        {IDC_WEIGHT_UNIT, "QLabel", "Lbs", 106, 24, 12, 8},
        {IDC_METRIC, "QCheckBox", "Metric", 93, 50, 35, 10},
        {IDC_RESULTS, "QTableWidget", "", 7, 62, 123, 66},
        {IDC_HEIGHT, "QLineEdit", "", 37, 35, 65, 12},
        {IDC_HEIGHT_UNIT, "QLabel", "Inches", 106, 38, 22, 8},
    };
    // Each control starts at the template's column and is as large as the template makes it,
    // unless its style or text needs more; then it pushes what stands below it down.
    const QWidget* client = DialogWidgets::control(*dialog, IDC_WAIST)->parentWidget();
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.id);
        QWidget* widget = DialogWidgets::control(*dialog, c.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), c.className);
        const QRect place = pixels.rect(c.x, c.y, c.width, c.height);
        EXPECT_EQ(widget->x(), place.x());
        EXPECT_GE(widget->y(), place.y());
        QSize size = place.size();
        if (c.id == IDC_RESULTS) {
            // It takes the room to the right margin, the left one mirrored, and any extra.
            size.setWidth(client->width() - 2 * place.x());
            size.setHeight(widget->height());
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            size = size.expandedTo(label->fontMetrics().size(0, label->text()));
        } else if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
            size = size.expandedTo(widget->sizeHint());
        } else if (qobject_cast<const QLineEdit*>(widget) != nullptr) {
            size = size.expandedTo(QSize(0, widget->minimumSizeHint().height()));
        }
        EXPECT_EQ(widget->size(), size);
        EXPECT_TRUE(widget->isVisible());
    }
    // A caption and its unit read on one line with the field's text (the real display checks
    // the pixels), and every row keeps the template's gap to the row above.
    const std::vector<std::pair<int, int>> rows{
        {IDC_WAIST, IDC_WAIST_UNIT}, {IDC_WEIGHT, IDC_WEIGHT_UNIT}, {IDC_HEIGHT, IDC_HEIGHT_UNIT}};
    for (const auto& [field, unitId] : rows) {
        const QWidget* edit = DialogWidgets::control(*dialog, field);
        const QWidget* unit = DialogWidgets::control(*dialog, unitId);
        const QLabel* caption = nullptr;
        for (const QLabel* label : client->findChildren<QLabel*>()) {
            caption = label->buddy() == edit ? label : caption;
        }
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->y(), unit->y());
        EXPECT_NEAR(unit->geometry().center().y(), edit->geometry().center().y(), 2);
    }
    const auto gapBelow = [this](int above, int below) {
        return DialogWidgets::control(*dialog, below)->y() -
               DialogWidgets::control(*dialog, above)->geometry().bottom() - 1;
    };
    EXPECT_EQ(gapBelow(IDC_WAIST, IDC_WEIGHT), pixels.y(21) - pixels.y(19));
    EXPECT_EQ(gapBelow(IDC_WEIGHT, IDC_HEIGHT), pixels.y(35) - pixels.y(33));
    EXPECT_GE(gapBelow(IDC_HEIGHT, IDC_FEMALE), pixels.y(50) - pixels.y(47) - 1);
    EXPECT_GE(gapBelow(IDC_FEMALE, IDC_RESULTS), pixels.y(62) - pixels.y(60) - 1);
    EXPECT_GE(client->minimumSizeHint().width(), pixels.x(150));
    EXPECT_GE(client->minimumSizeHint().height(), pixels.y(134));

    QStringList captions;
    for (const QLabel* caption : client->findChildren<QLabel*>()) {
        if (caption->property("controlId").isNull() && !caption->isHidden()) {
            captions << caption->text();
        }
    }
    // The captions read as the template has them, each with a letter of its own marked.
    EXPECT_EQ(captions, (QStringList{"&Waist:", "W&eight:", "&Height:"}));
}

TEST_F(MainWindowTest, IsATitledCentredWindowWithItsIcon) {
    openWindow();
    QWidget* window = DialogWidgets::window(*dialog);
    EXPECT_EQ(window->windowTitle(), "Fenwake");
    // The template's 16 and 32 pixel images, and our artwork for the larger sizes a window
    // shows; the icon itself holds sizes up to 256 pixels, sharp, none of them scaled up.
    EXPECT_EQ(window->windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    EXPECT_EQ(window->windowIcon().pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
    const QIcon icon = Icon::load(IDI_MAIN).image();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    EXPECT_EQ(icon.pixmap(QSize(512, 512), 1.0).size(), QSize(256, 256));
    const QImage small = icon.pixmap(QSize(32, 32), 1.0).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            colours.insert(small.pixel(x, y));
        }
    }
    EXPECT_LE(colours.size(), 16);
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    EXPECT_EQ(window->geometry().center(), screenCentre);
}

std::string statePath() {
    return std::string(std::getenv("XDG_STATE_HOME")) + "/Kestrova/" +
           Application::applicationName() + ".state";
}

std::string readState() {
    std::ifstream file(statePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void writeState(const std::string& text) {
    QDir().mkpath(QFileInfo(QString::fromStdString(statePath())).path());
    std::ofstream(statePath(), std::ios::binary) << text;
}

// The window reopens at the size and in the state it was closed with, kept apart from the
// settings, in the state folder.
TEST_F(MainWindowTest, ReopensAtTheSizeItClosedWith) {
    openWindow();
    const QSize opening = DialogWidgets::window(*dialog)->size();
    const QSize larger = opening + QSize(157, 93);
    DialogWidgets::window(*dialog)->resize(larger);
    dialog.reset();
    ASSERT_TRUE(application.state().waitUntilWritten(std::chrono::seconds(10)));
    EXPECT_EQ(readState(), "[Window]\nWidth=" + std::to_string(larger.width()) +
                               "\nHeight=" + std::to_string(larger.height()) + "\nMaximized=0\n");
    EXPECT_EQ(readSettingsFile(), "<missing>");

    application.setRegistryKey("Kestrova"); // as a new start does: the state is read anew
    openWindow();
    EXPECT_EQ(DialogWidgets::window(*dialog)->size(), larger);
    EXPECT_FALSE(DialogWidgets::window(*dialog)->isMaximized());

    // The company named again while the window is open: the size goes to the new state.
    application.setRegistryKey("Kestrova");
    DialogWidgets::window(*dialog)->resize(opening);
    dialog.reset();
    ASSERT_TRUE(application.state().waitUntilWritten(std::chrono::seconds(10)));
    EXPECT_EQ(readState(), "[Window]\nWidth=" + std::to_string(opening.width()) +
                               "\nHeight=" + std::to_string(opening.height()) + "\nMaximized=0\n");
}

// Closed maximised, the window keeps the size it had before, for when it is no longer maximised.
TEST_F(MainWindowTest, AMaximisedWindowKeepsItsNormalSize) {
    openWindow();
    QWidget* window = DialogWidgets::window(*dialog);
    const QSize normal = window->size() + QSize(31, 17);
    window->resize(normal);
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([window] { return window->isMaximized(); }, 5000));
    // Offscreen no window manager gives the maximised window the screen: it is given here, to
    // the platform's window, as a window manager would.
    const QSize screen = window->screen()->availableGeometry().size();
    window->windowHandle()->resize(screen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() != normal; }, 5000));
    ASSERT_TRUE(window->isMaximized());
    ASSERT_NE(window->size(), normal) << "maximising changed nothing: the test tests nothing";
    dialog.reset();
    ASSERT_TRUE(application.state().waitUntilWritten(std::chrono::seconds(10)));
    EXPECT_EQ(readState(), "[Window]\nWidth=" + std::to_string(normal.width()) +
                               "\nHeight=" + std::to_string(normal.height()) + "\nMaximized=1\n");
}

struct KeptState {
    const char* name;
    const char* text;
    bool maximised;
};

void PrintTo(const KeptState& kept, std::ostream* out) {
    *out << kept.name;
}

class OpensFromKeptState : public MainWindowTest, public testing::WithParamInterface<KeptState> {};

// A size too small for the list, or one the screen no longer holds, gives the opening size.
INSTANTIATE_TEST_SUITE_P(
    Window, OpensFromKeptState,
    testing::Values(
        KeptState{"too_small", "[Window]\nWidth=100\nHeight=90\n", false},
        KeptState{"larger_than_the_screen", "[Window]\nWidth=30000\nHeight=20000\n", false},
        KeptState{"taller_than_the_screen", "[Window]\nWidth=600\nHeight=20000\n", false},
        KeptState{"wider_than_the_screen", "[Window]\nWidth=30000\nHeight=500\n", false},
        KeptState{"not_numbers", "[Window]\nWidth=wide\nHeight=\n", false},
        KeptState{"maximised", "[Window]\nWidth=100\nHeight=90\nMaximized=1\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(OpensFromKeptState, AtTheOpeningSizeUnlessTheKeptOneSuits) {
    openWindow();
    const QSize opening = DialogWidgets::window(*dialog)->size();
    dialog.reset();
    ASSERT_TRUE(application.state().waitUntilWritten(std::chrono::seconds(10)));
    writeState(GetParam().text);
    application.setRegistryKey("Kestrova");
    openWindow();
    EXPECT_EQ(DialogWidgets::window(*dialog)->isMaximized(), GetParam().maximised);
    if (!GetParam().maximised) {
        EXPECT_EQ(DialogWidgets::window(*dialog)->size(), opening);
    }
}

// Screen readers hear each field's name and unit, in words, following the unit switch, and
// hear that a field does not hold a number.
TEST_F(MainWindowTest, ScreenReadersHearTheFieldNamesAndUnits) {
    openWindow();
    const auto heard = [this](int id) {
        return edit(id)->accessibleName().toStdString() + ", " +
               edit(id)->accessibleDescription().toStdString();
    };
    EXPECT_EQ(heard(IDC_WAIST), "Waist, inches");
    EXPECT_EQ(heard(IDC_WEIGHT), "Weight, pounds");
    EXPECT_EQ(heard(IDC_HEIGHT), "Height, inches");
    EXPECT_EQ(checkBox(IDC_FEMALE)->accessibleName(), "Female");
    EXPECT_EQ(checkBox(IDC_METRIC)->accessibleName(), "Metric");

    QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton);
    EXPECT_EQ(heard(IDC_WAIST), "Waist, cm");
    EXPECT_EQ(heard(IDC_WEIGHT), "Weight, kilograms");
    EXPECT_EQ(heard(IDC_HEIGHT), "Height, cm");

    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    type("x");
    EXPECT_EQ(heard(IDC_WEIGHT), "Weight, kilograms. Enter a number.");
    press(Qt::Key_Backspace);
    type("7");
    EXPECT_EQ(heard(IDC_WEIGHT), "Weight, kilograms");
}

TEST_F(MainWindowTest, TextThatIsNotANumberIsMarkedUntilItIsOne) {
    openWindow();
    focusField(IDC_WAIST);
    edit(IDC_WAIST)->selectAll();
    press(Qt::Key_Delete);
    dialog->updateFormData(FormDirection::Read);
    EXPECT_EQ(edit(IDC_WAIST)->toolTip(), "Enter a number.");
    type("3");
    dialog->updateFormData(FormDirection::Read);
    EXPECT_EQ(edit(IDC_WAIST)->toolTip(), "Your waist: measure around it at the navel, in inches.");
}

} // namespace
} // namespace fenwake
