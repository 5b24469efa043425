#include "res/resource_ids.h"
#include "tests/support/expected_pixels.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QGuiApplication>
#include <QScreen>

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
    dialog->window()->close();
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
    InputPanel::forgetRequests();
    openWindow();
    EXPECT_EQ(QApplication::focusWidget(), checkBox(IDC_FEMALE));
    EXPECT_TRUE(InputPanel::requests().empty());
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
    InputPanel::forgetRequests();
    press(Qt::Key_Tab); // on to the weight field
    ASSERT_EQ(InputPanel::requests().size(), 2u);
    EXPECT_EQ(InputPanel::requests()[0].request, InputPanelRequest::Lower);
    EXPECT_EQ(InputPanel::requests()[1].request, InputPanelRequest::Raise);
    EXPECT_EQ(InputPanel::requests()[0].window, dialog.get());
    EXPECT_EQ(InputPanel::requests()[1].window, dialog.get());
}

TEST_F(MainWindowTest, FocusOnACheckBoxOrTheListRaisesNothing) {
    openWindow();
    focusField(IDC_WEIGHT);
    InputPanel::forgetRequests();
    press(Qt::Key_Tab); // Metric
    press(Qt::Key_Tab); // the list
    ASSERT_EQ(InputPanel::requests().size(), 1u);
    EXPECT_EQ(InputPanel::requests()[0].request, InputPanelRequest::Lower);
}

struct Expected {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
};

TEST_F(MainWindowTest, ControlsFollowTheTemplate) {
    openWindow();
    const test::ExpectedPixels pixels(dialog->window()->font());
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
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.id);
        QWidget* widget = dialog->control(c.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), c.className);
        EXPECT_EQ(widget->geometry(), pixels.rect(c.x, c.y, c.width, c.height));
        EXPECT_TRUE(widget->isVisible());
    }
    const QWidget* client = dialog->control(IDC_WAIST)->parentWidget();
    EXPECT_EQ(client->size(), QSize(pixels.x(150), pixels.y(134)));

    QStringList captions;
    for (const QLabel* caption : client->findChildren<QLabel*>()) {
        if (caption->property("controlId").isNull()) {
            captions << caption->text();
        }
    }
    EXPECT_EQ(captions, (QStringList{"Waist:", "Weight:", "Height:"}));
}

TEST_F(MainWindowTest, IsATitledCentredWindowWithItsIcon) {
    openWindow();
    QWidget* window = dialog->window();
    EXPECT_EQ(window->windowTitle(), "Fenwake");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->windowIcon().availableSizes().size(), 2);
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    EXPECT_EQ(window->geometry().center(), screenCentre);
}

TEST_F(MainWindowTest, ScreenReadersHearTheFieldNames) {
    openWindow();
    EXPECT_EQ(edit(IDC_WAIST)->accessibleName(), "Waist");
    EXPECT_EQ(edit(IDC_WEIGHT)->accessibleName(), "Weight");
    EXPECT_EQ(edit(IDC_HEIGHT)->accessibleName(), "Height");
    EXPECT_EQ(checkBox(IDC_FEMALE)->accessibleName(), "Female");
    EXPECT_EQ(checkBox(IDC_METRIC)->accessibleName(), "Metric");
    EXPECT_FALSE(list(IDC_RESULTS)->accessibleName().isEmpty());
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
    EXPECT_TRUE(edit(IDC_WAIST)->toolTip().isEmpty());
}

} // namespace
} // namespace fenwake
