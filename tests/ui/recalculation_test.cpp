#include "framework/dialog/announcer.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/text/line_wrap.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::readSettingsFile;
using test::writeSettingsFile;
using Texts = std::vector<std::string>;

class RecalculationTest : public MainWindowTest {
protected:
    void replaceField(int id, const char* keys) {
        focusField(id);
        edit(id)->selectAll();
        type(keys);
    }
    void clickMetric() { QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton); }
    const Announcer& spokenAnnouncer() const {
        return *dynamic_cast<const Announcer*>(announcer());
    }
    QWidget* announcer() const {
        return DialogWidgets::window(*dialog)->findChild<QWidget*>("fenwake-announcer");
    }
    // What was last said to a screen reader.
    std::string announced() const {
        QWidget* widget = announcer();
        return widget != nullptr && widget->isVisible() ? widget->accessibleName().toStdString()
                                                        : std::string();
    }
};

TEST_F(RecalculationTest, EveryKeystrokeRecomputesAndStores) {
    openWindow();
    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    type("1");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWeight=1.00\n");
    type("8");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWeight=18.00\n");
    type("0");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWeight=180.00\n");
    EXPECT_EQ(writes, (Texts{"Weight=1.00", "Weight=18.00", "Weight=180.00"}));
    EXPECT_EQ(cell(1, 1), "-113.18"); // 180 - (1.082 * 180 + 98.42)
}

TEST_F(RecalculationTest, TypedEntryShowsTheFiguresAndRatings) {
    openWindow();
    replaceField(IDC_WAIST, "34");
    replaceField(IDC_WEIGHT, "180");
    replaceField(IDC_HEIGHT, "70");
    EXPECT_EQ(figures(), (Texts{"15.51", "27.92", "152.08", "2103.27", "25.82"}));
    EXPECT_EQ(cell(0, 3), "Average");
    EXPECT_EQ(cell(4, 3), "Overweight");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n");
}

TEST_F(RecalculationTest, TickingMetricConvertsStoresOnceAndRecomputes) {
    writeSettingsFile(manImperial);
    openWindow();
    // What the disk holds as each of the switch's four values is written: still the old
    // file, every time. The four reach the disk together, in one replace, or not at all.
    Texts seenDuringTheSwitch;
    application.profile().setWriteListener(
        [&](std::string_view, std::string_view key, std::string_view text) {
            writes.push_back(std::string(key) + "=" + std::string(text));
            seenDuringTheSwitch.push_back(readSettingsFile());
        });
    clickMetric();
    EXPECT_EQ(seenDuringTheSwitch, Texts(4, manImperial));
    EXPECT_EQ(writes, (Texts{"Metric=1", "Waist=87.04", "Weight=81.82", "Height=179.20"}));
    EXPECT_EQ(readSettingsFile(),
              "[Settings]\nWaist=87.04\nWeight=81.82\nHeight=179.20\nMetric=1\nFemale=0\n");
    EXPECT_EQ(fields(), (Texts{"87.04", "81.8181818181818", "179.2"}));
    EXPECT_EQ(text(IDC_WAIST_UNIT), "cm");
    EXPECT_EQ(text(IDC_WEIGHT_UNIT), "Kg");
    EXPECT_EQ(text(IDC_HEIGHT_UNIT), "cm");
    EXPECT_EQ(figures(), (Texts{"15.51", "12.69", "69.13", "2103.27", "25.82"}));
    EXPECT_EQ(cell(1, 2), "Kg");
    EXPECT_EQ(cell(2, 2), "Kg");
    EXPECT_EQ(cell(0, 2), "%");
    EXPECT_EQ(cell(3, 2), "Cals");
}

TEST_F(RecalculationTest, ClearingMetricConvertsBack) {
    writeSettingsFile(manImperial);
    openWindow();
    clickMetric();
    writes.clear();
    clickMetric();
    EXPECT_EQ(writes, (Texts{"Metric=0", "Waist=34.00", "Weight=180.00", "Height=70.00"}));
    EXPECT_EQ(fields(), (Texts{"34", "180", "70"}));
    EXPECT_EQ(text(IDC_WAIST_UNIT), "Inches");
    EXPECT_EQ(text(IDC_WEIGHT_UNIT), "Lbs");
    EXPECT_EQ(figures(), (Texts{"15.51", "27.92", "152.08", "2103.27", "25.82"}));
    EXPECT_EQ(cell(1, 2), "Lbs");
}

TEST_F(RecalculationTest, SwitchingBackAndForthDoesNotDrift) {
    writeSettingsFile(manImperial);
    openWindow();
    for (int round = 0; round < 25; ++round) {
        clickMetric();
        clickMetric();
    }
    EXPECT_EQ(fields(), (Texts{"34", "180", "70"}));
    EXPECT_EQ(readSettingsFile(),
              "[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=0\n");
}

TEST_F(RecalculationTest, AnInchIsTwoPointFiveSixCentimetres) {
    writeSettingsFile("[Settings]\nWaist=30.00\n");
    openWindow();
    clickMetric();
    EXPECT_EQ(text(IDC_WAIST), "76.8");
    EXPECT_EQ(writes[1], "Waist=76.80");
}

TEST_F(RecalculationTest, SwitchingWithNothingEnteredStoresZeros) {
    openWindow();
    clickMetric();
    EXPECT_EQ(writes, (Texts{"Metric=1", "Waist=0.00", "Weight=0.00", "Height=0.00"}));
    EXPECT_EQ(fields(), (Texts{"0", "0", "0"}));
}

TEST_F(RecalculationTest, ARestartShowsTheStoredTwoDecimalValues) {
    writeSettingsFile(manImperial);
    openWindow();
    clickMetric();
    EXPECT_EQ(text(IDC_WEIGHT), "81.8181818181818");
    dialog.reset();
    openWindow();
    EXPECT_EQ(fields(), (Texts{"87.04", "81.82", "179.2"}));
    EXPECT_TRUE(checkBox(IDC_METRIC)->isChecked());
    EXPECT_EQ(figures(), (Texts{"15.51", "12.69", "69.13", "2103.33", "25.83"}));
}

TEST_F(RecalculationTest, FemaleStoresOnlyItselfAndRerates) {
    writeSettingsFile(manImperial);
    openWindow();
    const std::string index = cell(4, 1);
    QTest::mouseClick(checkBox(IDC_FEMALE), Qt::LeftButton);
    EXPECT_EQ(writes, (Texts{"Female=1"}));
    EXPECT_EQ(figures(), (Texts{"27.54", "49.58", "130.42", "1803.71", index}));
    EXPECT_EQ(cell(0, 3), "High"); // a woman's band above 27 and up to 31
    EXPECT_EQ(cell(4, 3), "Overweight");
    QTest::mouseClick(checkBox(IDC_FEMALE), Qt::LeftButton);
    EXPECT_EQ(writes, (Texts{"Female=1", "Female=0"}));
    EXPECT_EQ(cell(0, 1), "15.51");
}

// Text that is no number leaves the figures at the last number, and everyone is told: a line
// in the window a keyboard user sees, the list dimmed with the reason in its tool tip, the
// same said to a screen reader. All of it goes once the text is a number again.
TEST_F(RecalculationTest, TextThatIsNotANumberNeverReachesTheStoreAndIsToldToEveryone) {
    writeSettingsFile(manImperial);
    openWindow();
    const QColor normalText = results()->palette().color(QPalette::Text);
    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    press(Qt::Key_Delete);
    type("-");
    type("x");
    EXPECT_EQ(writes, (Texts{"Weight=180.00", "Weight=180.00", "Weight=180.00"}));
    EXPECT_EQ(edit(IDC_WEIGHT)->toolTip(), "Enter a number.");
    EXPECT_EQ(figures()[0], "15.51");
    const std::string told =
        "Weight: enter a number. The figures are those of the last valid entry.";
    EXPECT_EQ(notice("entry"), told);
    EXPECT_EQ(results()->accessibleDescription().toStdString(), told);
    EXPECT_EQ(results()->toolTip().toStdString(), wrapLines(told, 56));
    // A cell's own tool tip comes after the reason, which comes first.
    const QPoint cellPoint = results()->visualRect(results()->model()->index(0, 1)).center();
    QHelpEvent help(QEvent::ToolTip, cellPoint, results()->viewport()->mapToGlobal(cellPoint));
    QApplication::sendEvent(results()->viewport(), &help);
    EXPECT_TRUE(
        QToolTip::text().startsWith(QString::fromStdString(wrapLines(told, 56)) + "\n\nThe share"))
        << QToolTip::text().toStdString();
    QToolTip::hideText();
    EXPECT_EQ(results()->palette().color(QPalette::Text),
              results()->palette().color(QPalette::Disabled, QPalette::Text));
    EXPECT_TRUE(QTest::qWaitFor([this, &told] { return announced() == told; }, 5000))
        << announced();

    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    type("9");
    EXPECT_EQ(notice("entry"), "");
    EXPECT_TRUE(results()->toolTip().isEmpty());
    EXPECT_EQ(results()->palette().color(QPalette::Text), normalText);
    EXPECT_EQ(edit(IDC_WEIGHT)->toolTip(), "Your weight, in pounds.");
}

// A screen reader hears the new figures wherever the focus is, once typing pauses: the last
// figures only, not one announcement a key.
TEST_F(RecalculationTest, TheNewFiguresAreAnnouncedOnceTypingPauses) {
    writeSettingsFile(manImperial);
    openWindow();
    test::ShowCounter counter;
    replaceField(IDC_WAIST, "3");
    ASSERT_NE(announcer(), nullptr);
    announcer()->installEventFilter(&counter);
    type("5");
    QTest::mouseClick(checkBox(IDC_FEMALE), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.shown > 0; }, 5000));
    // The pause over and nothing more waiting to be said: said once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return spokenAnnouncer().pauseLeft() < 0; }, 5000));
    EXPECT_EQ(counter.shown, 1);
    EXPECT_EQ(announced(), "Fat Percentage 29.85 %, High; Body Mass Index 25.82, Overweight");
    QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer());
    ASSERT_NE(notification, nullptr);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    EXPECT_FALSE(announcer()->hasFocus());

    // Typed away and back to the same figures: nothing new to say, so nothing is said.
    focusField(IDC_WAIST);
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    type("5");
    EXPECT_EQ(text(IDC_WAIST), "35");
    EXPECT_TRUE(QTest::qWaitFor([&] { return spokenAnnouncer().pauseLeft() < 0; }, 5000));
    EXPECT_EQ(counter.shown, 1);
}

// Every key starts the pause anew: a key that comes when the pause is half over gives it its
// whole length again, and typing that goes on is never interrupted by the figures of half a
// number.
TEST_F(RecalculationTest, NothingIsAnnouncedWhileTypingGoesOn) {
    writeSettingsFile(manImperial);
    openWindow();
    replaceField(IDC_WAIST, "3");
    ASSERT_TRUE(QTest::qWaitFor([&] { return spokenAnnouncer().pauseLeft() < 0; }, 5000));
    test::ShowCounter counter;
    announcer()->installEventFilter(&counter);
    const int half = Announcer::pauseMilliseconds / 2;
    for (const char* key : {"1", "2", "3", "4", "5", "6", "7", "8"}) {
        type(key);
        EXPECT_GT(spokenAnnouncer().pauseLeft(), half) << "the key did not start the pause anew";
        ASSERT_TRUE(QTest::qWaitFor([&] { return spokenAnnouncer().pauseLeft() <= half; }, 5000));
        EXPECT_EQ(counter.shown, 0) << "announced in the middle of typing";
    }
    EXPECT_TRUE(QTest::qWaitFor([&counter] { return counter.shown > 0; }, 5000));
    EXPECT_EQ(counter.shown, 1);
}

TEST_F(RecalculationTest, SwitchingUnitsReplacesBadTextWithTheConvertedLastValue) {
    writeSettingsFile(manImperial);
    openWindow();
    replaceField(IDC_WAIST, "abc");
    writes.clear();
    clickMetric();
    EXPECT_EQ(writes[1], "Waist=87.04");
    EXPECT_EQ(text(IDC_WAIST), "87.04");
    EXPECT_EQ(edit(IDC_WAIST)->toolTip(),
              "Your waist: measure around it at the navel, in\ncentimetres.");
}

} // namespace
} // namespace fenwake
