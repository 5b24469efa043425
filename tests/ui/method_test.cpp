// The choice of method for the fat estimate: a setting of its own in the Tools menu, the neck
// and hip fields the US Navy method needs, the comparison of the methods in the figure's
// explanation, and, with the default method, the window and its file exactly as they were.
#include "framework/dialog/dialog_widgets.h"
#include "framework/formats/profile_file_format.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QActionGroup>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::readSettingsFile;
using test::writeSettingsFile;
using Texts = std::vector<std::string>;

// The worked woman of the methods: 65 kg, 165 cm, waist 72, neck 33, hip 100.
const std::string navyWoman = "[Settings]\nWaist=72.00\nWeight=65.00\nHeight=165.00\nMetric=1\n"
                              "Female=1\nMethod=Navy\nNeck=33.00\nHip=100.00\n";

class MethodTest : public MainWindowTest {
protected:
    QWidget* window() const { return DialogWidgets::window(*dialog); }
    QMenu* methodMenu() const {
        QMenu* tools = window()->findChild<QMenuBar*>()->actions().value(0)->menu();
        for (QAction* item : tools->actions()) {
            if (item->menu() != nullptr) {
                return item->menu();
            }
        }
        return nullptr;
    }
    QAction* choice(int index) const { return methodMenu()->actions().value(index); }
    // Chooses the method as a person does from the keyboard: Alt+T, M, then the choice's letter.
    void chooseFromTheKeyboard(Qt::Key letter) {
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        press(Qt::Key_T, Qt::AltModifier);
        QMenu* tools = window()->findChild<QMenuBar*>()->actions().value(0)->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tools));
        QTest::keyClick(tools, Qt::Key_M);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(methodMenu()));
        QTest::keyClick(methodMenu(), letter);
        QApplication::processEvents();
    }
    bool navyRowsShown() const {
        return !edit(IDC_NECK)->isHidden() && !edit(IDC_HIP)->isHidden() &&
               !label(IDC_NECK_UNIT)->isHidden() && !label(IDC_HIP_UNIT)->isHidden();
    }
    static std::vector<QWidget*> tabOrder(QWidget* first) {
        std::vector<QWidget*> order{first};
        for (QWidget* next = first->nextInFocusChain(); next != first;
             next = next->nextInFocusChain()) {
            if (next->isVisibleTo(first->window()) && next->focusPolicy() & Qt::TabFocus &&
                next->isEnabled()) {
                order.push_back(next);
            }
        }
        return order;
    }
};

// Three choices, one checked: the stored one, or the waist-and-weight formula when none or
// an unknown one is stored.
TEST_F(MethodTest, TheToolsMenuOffersThreeMethodsOneChosen) {
    writeSettingsFile("[Settings]\nMethod=RFM\n");
    openWindow();
    ASSERT_NE(methodMenu(), nullptr);
    QStringList texts;
    QStringList checked;
    for (const QAction* item : methodMenu()->actions()) {
        texts << item->text();
        checked << (item->isChecked() ? "x" : "");
    }
    EXPECT_EQ(texts, (QStringList{"&Waist and Weight", "&US Navy", "&Relative Fat Mass"}));
    EXPECT_EQ(checked, (QStringList{"", "", "x"}));
    EXPECT_TRUE(choice(0)->actionGroup() != nullptr && choice(0)->actionGroup()->isExclusive());
}

// Chosen from the keyboard, a method is stored (once, as it changes), shows its figures, and
// comes back at the next start.
TEST_F(MethodTest, AMethodChosenFromTheKeyboardIsStoredAndComesBack) {
    writeSettingsFile("[Settings]\nWaist=85.00\nWeight=80.00\nHeight=178.00\nMetric=1\n");
    openWindow();
    EXPECT_EQ(cell(0, 1), "14.17");
    chooseFromTheKeyboard(Qt::Key_R);
    EXPECT_EQ(cell(0, 1), "22.12");
    EXPECT_EQ(writes, (Texts{"Method=RFM"}));
    chooseFromTheKeyboard(Qt::Key_R);
    EXPECT_EQ(writes, (Texts{"Method=RFM"})) << "stored again without a change";
    EXPECT_FALSE(navyRowsShown());
    EXPECT_EQ(readSettingsFile(),
              "[Settings]\nWaist=85.00\nWeight=80.00\nHeight=178.00\nMetric=1\nMethod=RFM\n");
    dialog.reset();
    application.setRegistryKey("Kestrova");
    openWindow();
    EXPECT_TRUE(choice(2)->isChecked());
    EXPECT_EQ(cell(0, 1), "22.12");
}

// The Navy method shows the neck and the hip under Height, after it in the tab order, and the
// window grows by their rows; back to another method, they go and the window is as it was.
TEST_F(MethodTest, TheNavyMethodShowsTheNeckAndHipUnderHeight) {
    writeSettingsFile("[Settings]\nWaist=85.00\nWeight=80.00\nHeight=178.00\nMetric=1\n");
    openWindow();
    const QSize before = window()->size();
    const QRect heightPlace = edit(IDC_HEIGHT)->geometry();
    EXPECT_FALSE(navyRowsShown());
    const std::vector<QWidget*> parts = tabOrder(checkBox(IDC_FEMALE));
    EXPECT_EQ(parts.size(), 6u);
    chooseFromTheKeyboard(Qt::Key_U);
    ASSERT_TRUE(navyRowsShown());
    // Heard as the other fields are: named by the caption, described by the unit.
    EXPECT_EQ(edit(IDC_NECK)->accessibleName(), "Neck");
    EXPECT_EQ(edit(IDC_NECK)->accessibleDescription(),
              "cm. Enter your neck to use the US Navy method.");
    EXPECT_EQ(edit(IDC_HIP)->accessibleName(), "Hip");
    EXPECT_GT(window()->height(), before.height());
    EXPECT_EQ(edit(IDC_HEIGHT)->geometry(), heightPlace);
    EXPECT_GT(edit(IDC_NECK)->y(), heightPlace.bottom());
    EXPECT_GT(edit(IDC_HIP)->y(), edit(IDC_NECK)->geometry().bottom());
    EXPECT_GT(checkBox(IDC_FEMALE)->y(), edit(IDC_HIP)->geometry().bottom());
    // A man's hip stays where it is, but takes no input and says why.
    EXPECT_FALSE(edit(IDC_HIP)->isEnabled());
    EXPECT_NE(edit(IDC_HIP)->toolTip().indexOf("woman alone"), -1);
    const std::vector<QWidget*> man = tabOrder(checkBox(IDC_FEMALE));
    ASSERT_EQ(man.size(), 7u);
    EXPECT_EQ(man[5], edit(IDC_HEIGHT));
    EXPECT_EQ(man[6], edit(IDC_NECK));
    QTest::mouseClick(checkBox(IDC_FEMALE), Qt::LeftButton);
    EXPECT_TRUE(edit(IDC_HIP)->isEnabled());
    const std::vector<QWidget*> woman = tabOrder(checkBox(IDC_FEMALE));
    ASSERT_EQ(woman.size(), 8u);
    EXPECT_EQ(woman[7], edit(IDC_HIP));

    chooseFromTheKeyboard(Qt::Key_W);
    EXPECT_FALSE(navyRowsShown());
    EXPECT_EQ(window()->size(), before);
    EXPECT_EQ(tabOrder(checkBox(IDC_FEMALE)), parts);
}

// The neck and the hip are fields like the others: every key recomputes and stores its value
// with two decimals; text that is no number is marked and stored not.
TEST_F(MethodTest, TheNeckAndHipAreComputedAndStoredAtEachKey) {
    writeSettingsFile("[Settings]\nWaist=72.00\nWeight=65.00\nHeight=165.00\nMetric=1\n"
                      "Female=1\nMethod=Navy\n");
    openWindow();
    ASSERT_TRUE(navyRowsShown());
    EXPECT_EQ(text(IDC_NECK), "0");
    focusField(IDC_NECK);
    edit(IDC_NECK)->selectAll();
    type("33");
    focusField(IDC_HIP);
    edit(IDC_HIP)->selectAll();
    type("100");
    EXPECT_EQ(writes, (Texts{"Neck=3.00", "Neck=33.00", "Hip=1.00", "Hip=10.00", "Hip=100.00"}));
    EXPECT_EQ(cell(0, 1), "28.00");
    EXPECT_EQ(cell(0, 3), "High");
    EXPECT_EQ(readSettingsFile(), navyWoman);
    type("x");
    EXPECT_EQ(notice("entry"),
              "Hip: enter a number. The figures are those of the last valid entry.");
    EXPECT_EQ(writes.back(), "Hip=100.00");
    press(Qt::Key_Backspace);
    EXPECT_EQ(notice("entry"), "");
}

// The unit switch converts the neck and hip with the others, by the same factors, and stores
// them in the same replace, after Height.
TEST_F(MethodTest, TheUnitSwitchConvertsTheNeckAndHipWithTheOthers) {
    writeSettingsFile(navyWoman);
    openWindow();
    writes.clear();
    QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton);
    EXPECT_EQ(writes, (Texts{"Metric=0", "Waist=28.12", "Weight=143.00", "Height=64.45",
                             "Neck=12.89", "Hip=39.06"}));
    EXPECT_EQ(text(IDC_NECK), "12.890625");
    EXPECT_EQ(text(IDC_HIP), "39.0625");
    EXPECT_EQ(label(IDC_NECK_UNIT)->text(), "Inches");
    EXPECT_EQ(label(IDC_HIP_UNIT)->text(), "Inches");
    EXPECT_EQ(cell(0, 1), "28.00");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=28.12\nWeight=143.00\nHeight=64.45\n"
                                  "Metric=0\nFemale=1\nMethod=Navy\nNeck=12.89\nHip=39.06\n");
}

// With the default method, and no neck or hip ever typed, nothing of the methods shows or is
// written: a session of typing and switching units leaves the file byte for byte as it always
// did.
TEST_F(MethodTest, TheDefaultMethodLeavesTheWindowAndTheFileAsTheyWere) {
    writeSettingsFile("[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n");
    openWindow();
    EXPECT_FALSE(navyRowsShown());
    EXPECT_EQ(notice("method"), "") << "the default method named";
    focusField(IDC_WAIST);
    type("5");
    QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton);
    QTest::mouseClick(checkBox(IDC_FEMALE), Qt::LeftButton);
    QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton);
    EXPECT_EQ(writes,
              (Texts{"Waist=345.00", "Metric=1", "Waist=883.20", "Weight=81.82", "Height=179.20",
                     "Female=1", "Metric=0", "Waist=345.00", "Weight=180.00", "Height=70.00"}));
    const std::string file = readSettingsFile();
    EXPECT_EQ(ProfileFileFormat::parse(file),
              (ProfileFileFormat::Entries{{"Settings/Waist", "345.00"},
                                          {"Settings/Weight", "180.00"},
                                          {"Settings/Height", "70.00"},
                                          {"Settings/Metric", "0"},
                                          {"Settings/Female", "1"}}))
        << file;
}

// The fat percentage's explanation names the method and compares every method the entries
// allow, the one in use marked; the Navy method needs a neck, and a woman's a hip.
struct Compared {
    const char* name;
    const char* settings;
    const char* says;
};

void PrintTo(const Compared& c, std::ostream* out) {
    *out << c.name;
}

class ComparesTheMethods : public MethodTest, public testing::WithParamInterface<Compared> {};

INSTANTIATE_TEST_SUITE_P(
    Method, ComparesTheMethods,
    testing::Values(
        Compared{"navy_woman", navyWoman.c_str(),
                 "By the US Navy method (Hodgdon and Beckett, 1984): 163.205 times the logarithm "
                 "of waist plus hip less neck, less 97.684 times the logarithm of height, less "
                 "78.387, from inches. The methods' estimates: waist and weight 19.74 %, US Navy "
                 "28.00 % (this figure), relative fat mass 30.17 %. A woman's bands:"},
        Compared{"navy_man",
                 "[Settings]\nWaist=85\nWeight=80\nHeight=178\nMetric=1\nMethod=Navy\nNeck=38\n",
                 "plus 36.76, from inches. The methods' estimates: waist and weight 14.17 %, US "
                 "Navy 16.44 % (this figure), relative fat mass 22.12 %."},
        Compared{"relative_fat_without_a_neck",
                 "[Settings]\nWaist=85\nWeight=80\nHeight=178\nMetric=1\nMethod=RFM\n",
                 "By relative fat mass (Woolcott and Bergman, 2018): 64 less 20 times height "
                 "divided by waist, plus 12 for a woman. The methods' estimates: waist and weight "
                 "14.17 %, relative fat mass 22.12 % (this figure). A man's bands:"},
        Compared{"a_woman_without_a_hip",
                 "[Settings]\nWaist=72\nWeight=65\nHeight=165\nMetric=1\nFemale=1\nNeck=33\n",
                 "The share of your weight that is fat: fat body mass divided by weight, times "
                 "100. The methods' estimates: waist and weight 19.74 % (this figure), relative "
                 "fat mass 30.17 %. A woman's bands:"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ComparesTheMethods, InTheFatPercentagesExplanation) {
    writeSettingsFile(GetParam().settings);
    openWindow();
    const std::string said =
        results()->item(0, 0)->data(Qt::AccessibleDescriptionRole).toString().toStdString();
    EXPECT_NE(said.find(GetParam().says), std::string::npos) << said;
}

// A screen reader hears the method with the figure, and a copy names it, with the neck and hip.
TEST_F(MethodTest, TheMethodIsHeardAndCopied) {
    writeSettingsFile(navyWoman);
    openWindow();
    focusField(IDC_NECK);
    edit(IDC_NECK)->selectAll();
    type("34");
    QWidget* announcer = window()->findChild<QWidget*>("fenwake-announcer");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return announcer != nullptr && announcer->accessibleName() ==
                                               "Fat Percentage " + results()->item(0, 1)->text() +
                                                   " %, High, by the US Navy method; Body Mass "
                                                   "Index 24.20, Normal";
        },
        5000))
        << (announcer ? announcer->accessibleName().toStdString() : "no announcer") << " / "
        << cell(0, 1);
    results()->setFocus();
    press(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("Height\t165\tcm\nNeck\t34\tcm\nHip\t100\tcm\nFemale\tYes\n"
                                "Metric\tYes\nMethod\tUS Navy\n"))
        << copied.toStdString();
}

// A method that lacks a measurement marks its field as a field holding no number is marked,
// says what to enter, and shows no figure from the fat percentage rather than one from a zero;
// the body mass index, which needs none of it, stays. Nothing is added to the history.
struct Lacking {
    const char* name;
    const char* settings;
    bool neck;          // the neck is marked
    bool hip;           // the hip is marked
    const char* notice; // the notice line, "" for none
};

void PrintTo(const Lacking& l, std::ostream* out) {
    *out << l.name;
}

class LacksAMeasurement : public MethodTest, public testing::WithParamInterface<Lacking> {
protected:
    bool framed(int id) const { return edit(id)->styleSheet().contains("border"); }
};

const char* const woman = "[Settings]\nWaist=72.00\nWeight=65.00\nHeight=165.00\nMetric=1\n"
                          "Female=1\nMethod=Navy\n";

INSTANTIATE_TEST_SUITE_P(
    Method, LacksAMeasurement,
    testing::Values(Lacking{"a_womans_neck", "Neck=0\nHip=100\n", true, false,
                            "Enter your neck to use the US Navy method."},
                    Lacking{"a_womans_hip", "Neck=33\nHip=0\n", false, true,
                            "Enter your hip to use the US Navy method."},
                    Lacking{"both", "", true, true,
                            "Enter your neck and hip to use the US Navy method."},
                    Lacking{"a_neck_below_zero", "Neck=-2\nHip=100\n", true, false,
                            "Enter your neck to use the US Navy method."},
                    Lacking{"nothing", "Neck=33\nHip=100\n", false, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LacksAMeasurement, MarksItAndShowsNoFigureFromIt) {
    const std::string settings = woman + std::string(GetParam().settings);
    writeSettingsFile(settings);
    openWindow();
    const bool lacks = *GetParam().notice != '\0';
    EXPECT_EQ(notice("method-lack"), GetParam().notice);
    EXPECT_EQ(notice("method"), "Method: US Navy.");
    EXPECT_EQ(framed(IDC_NECK), GetParam().neck);
    EXPECT_EQ(framed(IDC_HIP), GetParam().hip);
    if (GetParam().neck) {
        EXPECT_EQ(edit(IDC_NECK)->toolTip(), "Enter your neck to use the US Navy method.");
        EXPECT_TRUE(edit(IDC_NECK)->accessibleDescription().endsWith(
            "Enter your neck to use the US Navy method."));
    }
    if (GetParam().hip) {
        EXPECT_EQ(edit(IDC_HIP)->toolTip(), "Enter your hip to use the US Navy method.");
    }
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(cell(row, 1).empty(), lacks) << "row " << row << ": " << cell(row, 1);
        EXPECT_EQ(cell(row, 3), lacks || row > 0 ? "" : "High") << row;
    }
    EXPECT_EQ(cell(4, 1), "24.20");
    EXPECT_EQ(cell(4, 3), "Normal");
    EXPECT_EQ(notice("entry"), "") << "a zero is a number";

    press(Qt::Key_D, Qt::ControlModifier);
    if (lacks) {
        EXPECT_EQ(notice("history-entry"),
                  "Nothing was added to the history. " + std::string(GetParam().notice));
    }
    EXPECT_EQ(readSettingsFile(), settings) << "nothing stored from opening and adding";
}

// Typing the measurement takes the mark, the notice and the empty rows away at once; the
// screen reader hears what is lacking with the figure that stands.
TEST_F(MethodTest, TypingTheLackingNeckBringsTheFiguresBack) {
    writeSettingsFile(std::string(woman) + "Neck=33\nHip=100\n");
    openWindow();
    EXPECT_EQ(notice("method-lack"), "");
    focusField(IDC_NECK);
    edit(IDC_NECK)->selectAll();
    type("0");
    QWidget* announcer = window()->findChild<QWidget*>("fenwake-announcer");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return announcer != nullptr && announcer->accessibleName() ==
                                               "Enter your neck to use the US Navy method. "
                                               "Body Mass Index 24.20, Normal";
        },
        5000))
        << (announcer ? announcer->accessibleName().toStdString() : "no announcer");
    edit(IDC_NECK)->selectAll();
    type("33");
    EXPECT_EQ(notice("method-lack"), "");
    EXPECT_FALSE(edit(IDC_NECK)->styleSheet().contains("border"));
    EXPECT_EQ(cell(0, 1), "28.00");
    EXPECT_EQ(cell(0, 3), "High");
    EXPECT_NE(edit(IDC_NECK)->toolTip().indexOf("larynx"), -1);
}

// A method other than the default is named in the window; back to the default, the name goes.
TEST_F(MethodTest, AMethodOtherThanTheDefaultIsNamed) {
    writeSettingsFile("[Settings]\nWaist=85.00\nWeight=80.00\nHeight=178.00\nMetric=1\n");
    openWindow();
    EXPECT_EQ(notice("method"), "");
    chooseFromTheKeyboard(Qt::Key_R);
    EXPECT_EQ(notice("method"), "Method: Relative fat mass.");
    chooseFromTheKeyboard(Qt::Key_U);
    EXPECT_EQ(notice("method"), "Method: US Navy.");
    chooseFromTheKeyboard(Qt::Key_W);
    EXPECT_EQ(notice("method"), "");
    EXPECT_EQ(notice("method-lack"), "") << "the neck is no longer in use";
}

} // namespace
} // namespace fenwake
