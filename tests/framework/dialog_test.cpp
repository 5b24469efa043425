#include "framework/application/application.h"
#include "framework/dialog/data_exchange.h"
#include "framework/dialog/dialog.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/resources/resources.h"
#include "framework/resources/window_style.h"
#include "tests/support/expected_pixels.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <vector>

namespace fenwake {
namespace {

constexpr int IDD_FORM = 9001;
constexpr int IDD_NOTICE = 9002;
constexpr int IDC_FLAG = 10;
constexpr int IDC_AMOUNT = 11;
constexpr int IDC_OTHER = 12;
constexpr int IDC_NOTE = 13;
constexpr int IDC_PLAIN = 14; // an edit that is no tab stop

using namespace windowstyle;

constexpr std::uint32_t checkBoxStyle = child | visible | tabStop | autoCheckBox;
constexpr std::uint32_t labelStyle = child | visible | group | staticLeft;
constexpr std::uint32_t noTabStopEditStyle = child | visible | border | editScrollsAcross;
constexpr std::uint32_t editStyle = noTabStopEditStyle | tabStop;
constexpr std::uint32_t formStyle = popup | visible | caption | dialogOwnFont;
constexpr std::uint32_t boxStyle = popup | caption | systemMenu | dialogModalFrame | dialogOwnFont;
constexpr int noId = ControlTemplate::noId;

void registerTemplates() {
    DialogTemplate form;
    form.style = formStyle;
    form.rect = {0, 0, 120, 80};
    form.caption = "Form";
    form.controls = {
        ControlTemplate::label(noId, "Amount:", labelStyle, {5, 7, 30, 8}),
        ControlTemplate::edit(IDC_AMOUNT, editStyle, {40, 5, 60, 12}),
        ControlTemplate::label(IDC_NOTE, "note", labelStyle, {5, 60, 40, 8}),
        ControlTemplate::button(IDC_FLAG, "Flag", checkBoxStyle, {5, 40, 40, 10}),
        ControlTemplate::edit(IDC_PLAIN, noTabStopEditStyle, {50, 40, 60, 12}),
        ControlTemplate::edit(IDC_OTHER, editStyle, {40, 20, 60, 12}),
    };
    Resources::addDialog(IDD_FORM, form);

    DialogTemplate notice;
    notice.style = boxStyle;
    notice.rect = {0, 0, 100, 40};
    notice.caption = "Notice";
    notice.controls = {
        ControlTemplate::label(noId, "Done.", labelStyle, {5, 5, 80, 8}),
    };
    Resources::addDialog(IDD_NOTICE, notice);
}

// A dialog with a table of its own; OK and Cancel are left to the base table.
class FormDialog : public Dialog {
public:
    explicit FormDialog(int templateId = IDD_FORM) : Dialog(templateId) {}

    std::int32_t flag = 0;
    double amount = 1.5;
    double other = 2.5;
    int flagClicks = 0;
    int amountChanges = 0;
    int otherChanges = 0;
    std::vector<std::pair<Notification, int>> focusReports;
    std::vector<Message> leftClicks;
    bool passLeftClickOn = true;
    bool writeNoteWhileExchanging = false;

protected:
    const MessageMap* messageMap() const override { return &messages; }

    void exchangeFormData(DataExchange& exchange) override {
        exchange.checkBox(IDC_FLAG, flag);
        exchange.edit(IDC_AMOUNT, amount);
        exchange.edit(IDC_OTHER, other);
        if (writeNoteWhileExchanging) {
            setControlText(IDC_AMOUNT, "77");
        }
    }

private:
    void onFlagClicked() { ++flagClicks; }
    void onAmountChanged() { ++amountChanges; }
    void onOtherChanged() { ++otherChanges; }
    void onAmountFocusGained() { focusReports.push_back({Notification::EditFocusGained, 11}); }
    void onAmountFocusLost() { focusReports.push_back({Notification::EditFocusLost, 11}); }
    void onOtherFocusGained() { focusReports.push_back({Notification::EditFocusGained, 12}); }
    void onLeftButtonDown(unsigned keyFlags, Point point) {
        leftClicks.push_back({MessageKind::LeftButtonDown, {}, 0, keyFlags, point});
        if (passLeftClickOn) {
            Dialog::onLeftButtonDown(keyFlags, point);
        }
    }

    static const MessageEntry messageEntries[];
    static const MessageMap messages;
};

const MessageEntry FormDialog::messageEntries[] = {
    commandEntry<&FormDialog::onFlagClicked>(Notification::Clicked, IDC_FLAG),
    commandEntry<&FormDialog::onAmountChanged>(Notification::EditChanged, IDC_AMOUNT),
    commandEntry<&FormDialog::onOtherChanged>(Notification::EditChanged, IDC_OTHER),
    commandEntry<&FormDialog::onAmountFocusGained>(Notification::EditFocusGained, IDC_AMOUNT),
    commandEntry<&FormDialog::onAmountFocusLost>(Notification::EditFocusLost, IDC_AMOUNT),
    commandEntry<&FormDialog::onOtherFocusGained>(Notification::EditFocusGained, IDC_OTHER),
    leftButtonDownEntry<&FormDialog::onLeftButtonDown>(),
};

const MessageMap FormDialog::messages{&Dialog::messages, messageEntries};

class DialogTest : public testing::Test {
protected:
    void SetUp() override {
        registerTemplates();
        ASSERT_TRUE(dialog.create());
        DialogWidgets::window(dialog)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(DialogWidgets::window(dialog)));
    }

    template <class Widget>
    Widget* control(int id) {
        return qobject_cast<Widget*>(DialogWidgets::control(dialog, id));
    }

    FormDialog dialog;
};

TEST_F(DialogTest, OpensWithItsMembersInTheFormAndNoHandlerRun) {
    EXPECT_EQ(control<QLineEdit>(IDC_AMOUNT)->text(), "1.5");
    EXPECT_EQ(control<QLineEdit>(IDC_OTHER)->text(), "2.5");
    EXPECT_FALSE(control<QCheckBox>(IDC_FLAG)->isChecked());
    EXPECT_EQ(dialog.amountChanges + dialog.otherChanges + dialog.flagClicks, 0);
    EXPECT_EQ(DialogWidgets::window(dialog)->windowTitle(), "Form");
}

TEST_F(DialogTest, ControlsReachTheirHandlersThroughTheTable) {
    QTest::mouseClick(control<QCheckBox>(IDC_FLAG), Qt::LeftButton);
    EXPECT_EQ(dialog.flagClicks, 1);
    QTest::keyClicks(control<QLineEdit>(IDC_AMOUNT), "12");
    EXPECT_EQ(dialog.amountChanges, 2);
    EXPECT_EQ(dialog.otherChanges, 0);
    ASSERT_TRUE(dialog.updateFormData(FormDirection::Read));
    EXPECT_EQ(dialog.flag, 1);
    EXPECT_EQ(dialog.amount, 1.512);
}

TEST_F(DialogTest, WritingTheFormRunsNoHandler) {
    dialog.flag = 2; // any value but 0 checks the box
    dialog.amount = 81.81818181818181;
    dialog.other = -0.25;
    EXPECT_TRUE(dialog.updateFormData(FormDirection::Write));
    EXPECT_EQ(control<QLineEdit>(IDC_AMOUNT)->text(), "81.8181818181818");
    EXPECT_EQ(control<QLineEdit>(IDC_OTHER)->text(), "-0.25");
    EXPECT_TRUE(control<QCheckBox>(IDC_FLAG)->isChecked());
    EXPECT_EQ(dialog.amountChanges + dialog.otherChanges + dialog.flagClicks, 0);
}

TEST_F(DialogTest, ReadingTheFormRunsNoHandlerEither) {
    dialog.writeNoteWhileExchanging = true;
    dialog.updateFormData(FormDirection::Read);
    EXPECT_EQ(control<QLineEdit>(IDC_AMOUNT)->text(), "77");
    EXPECT_EQ(dialog.amountChanges, 0);
}

TEST_F(DialogTest, TextThatIsNotANumberKeepsTheMemberAndMarksTheField) {
    QLineEdit* amount = control<QLineEdit>(IDC_AMOUNT);
    amount->selectAll();
    QTest::keyClicks(amount, "12a");
    control<QLineEdit>(IDC_OTHER)->setText("4");

    EXPECT_FALSE(dialog.updateFormData(FormDirection::Read));
    EXPECT_EQ(dialog.amount, 1.5);
    EXPECT_EQ(dialog.other, 4.0); // the fields after it are still read
    EXPECT_EQ(amount->toolTip(), "Enter a number.");
    EXPECT_FALSE(amount->styleSheet().isEmpty());
    EXPECT_TRUE(control<QLineEdit>(IDC_OTHER)->toolTip().isEmpty());

    QTest::keyClick(amount, Qt::Key_Backspace);
    EXPECT_TRUE(dialog.updateFormData(FormDirection::Read));
    EXPECT_EQ(dialog.amount, 12.0);
    EXPECT_TRUE(amount->toolTip().isEmpty());
    EXPECT_TRUE(amount->styleSheet().isEmpty());
}

TEST_F(DialogTest, EscapeEndsWithCancel) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialog.endCode(), IDCANCEL);
    EXPECT_FALSE(DialogWidgets::window(dialog)->isVisible());
}

TEST_F(DialogTest, CloseButtonActsAsOk) {
    DialogWidgets::window(dialog)->close();
    EXPECT_EQ(dialog.endCode(), IDOK);
}

TEST_F(DialogTest, ReturnDoesNotEndADialogWithEdits) {
    control<QLineEdit>(IDC_AMOUNT)->setFocus();
    QTest::keyClick(control<QLineEdit>(IDC_AMOUNT), Qt::Key_Return);
    QTest::keyClick(control<QCheckBox>(IDC_FLAG), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialog.endCode(), -1);
    EXPECT_TRUE(DialogWidgets::window(dialog)->isVisible());
}

TEST(DialogWithoutEdits, ReturnEndsItWithOk) {
    registerTemplates();
    Dialog notice(IDD_NOTICE);
    ASSERT_TRUE(notice.create());
    QTest::keyClick(DialogWidgets::window(notice), Qt::Key_Return);
    EXPECT_EQ(notice.endCode(), IDOK);
}

struct ModalEnding {
    const char* name;
    int key; // 0: the close button
    Qt::KeyboardModifiers modifiers;
    int expectedCode;
};

void PrintTo(const ModalEnding& c, std::ostream* out) {
    *out << c.name;
}

class RunModal : public testing::TestWithParam<ModalEnding> {};

INSTANTIATE_TEST_SUITE_P(Dialog, RunModal,
                         testing::Values(ModalEnding{"escape", Qt::Key_Escape, {}, IDCANCEL},
                                         ModalEnding{"return", Qt::Key_Return, {}, IDOK},
                                         ModalEnding{"keypad_enter", Qt::Key_Enter,
                                                     Qt::KeypadModifier, IDOK},
                                         ModalEnding{"close_button", 0, {}, IDOK}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(RunModal, ReturnsTheEndCodeAndDestroysTheWindow) {
    registerTemplates();
    Dialog notice(IDD_NOTICE);
    const int key = GetParam().key;
    bool sawWindow = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawWindow = modal != nullptr && modal == DialogWidgets::window(notice);
        if (key == 0) {
            modal->close();
        } else {
            QTest::keyClick(modal, static_cast<Qt::Key>(key), GetParam().modifiers);
        }
    });
    EXPECT_EQ(notice.runModal(), GetParam().expectedCode);
    EXPECT_TRUE(sawWindow);
    EXPECT_FALSE(notice.hasWindow());
}

TEST(Dialog, WithoutItsTemplateRunModalReturnsAtOnce) {
    Dialog missing(4242);
    EXPECT_EQ(missing.runModal(), -1);
    EXPECT_FALSE(missing.create());
}

TEST_F(DialogTest, ControlsArePlacedInDialogUnitsOfTheWindowFont) {
    const test::ExpectedPixels pixels(DialogWidgets::window(dialog)->font());
    const QLineEdit* amount = control<QLineEdit>(IDC_AMOUNT);
    const QRect place = pixels.rect(40, 5, 60, 12);
    EXPECT_EQ(amount->geometry().topLeft(), place.topLeft());
    EXPECT_EQ(amount->width(), place.width());
    // Taller only where the font needs more than the template gives.
    EXPECT_EQ(amount->height(), std::max(place.height(), amount->minimumSizeHint().height()));
    // A taller edit makes the form taller, by at least as much.
    EXPECT_EQ(amount->parentWidget()->width(), pixels.x(120));
    EXPECT_GE(amount->parentWidget()->height(), pixels.y(80) + amount->height() - place.height());
}

// A dialog unit is a quarter of the average character width, and that average is rounded,
// not cut: in a font whose alphabets average an odd number of half pixels the two differ.
TEST(DialogUnits, TheAverageCharacterWidthIsRounded) {
    const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    int pointSize = 0;
    for (int size = 6; size <= 40 && pointSize == 0; ++size) {
        const int width = QFontMetrics(QFont("DejaVu Sans", size)).horizontalAdvance(alphabet);
        pointSize = (width / 26) % 2 == 1 ? size : 0;
    }
    ASSERT_NE(pointSize, 0);
    constexpr int IDD_SIZED = 9003;
    DialogTemplate sized;
    sized.style = boxStyle;
    sized.rect = {0, 0, 160, 40};
    sized.fontName = "DejaVu Sans";
    sized.fontPointSize = pointSize;
    sized.controls = {
        ControlTemplate::label(IDC_NOTE, "x", labelStyle, {100, 16, 20, 8}),
    };
    Resources::addDialog(IDD_SIZED, sized);
    Dialog dialog(IDD_SIZED);
    ASSERT_TRUE(dialog.create());
    const test::ExpectedPixels pixels(DialogWidgets::window(dialog)->font());
    EXPECT_EQ(DialogWidgets::control(dialog, IDC_NOTE)->pos(), QPoint(pixels.x(100), pixels.y(16)));
}

// The edit between the check box and the other edit is no tab stop: Tab passes it by.
TEST_F(DialogTest, TabVisitsTheTabStopsInTemplateOrder) {
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(IDC_AMOUNT));
    const std::vector<QWidget*> cycle{control<QCheckBox>(IDC_FLAG), control<QLineEdit>(IDC_OTHER),
                                      control<QLineEdit>(IDC_AMOUNT)};
    for (QWidget* expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
}

TEST_F(DialogTest, EditsReportFocusMovingInAndOut) {
    EXPECT_EQ(dialog.focusReports,
              (std::vector<std::pair<Notification, int>>{{Notification::EditFocusGained, 11}}));
    dialog.focusReports.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the check box
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the other edit
    EXPECT_EQ(dialog.focusReports,
              (std::vector<std::pair<Notification, int>>{{Notification::EditFocusLost, 11},
                                                         {Notification::EditFocusGained, 12}}));
}

TEST_F(DialogTest, APopUpMenuIsNoFocusChangeOfTheEdit) {
    dialog.focusReports.clear();
    QMenu menu(DialogWidgets::window(dialog));
    menu.addAction("Item");
    menu.popup(DialogWidgets::window(dialog)->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.close();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.focusReports.empty());
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(IDC_AMOUNT));
}

TEST_F(DialogTest, LeftButtonOnTheWindowReachesItsHandlerWithFlagsAndPoint) {
    QTest::mouseClick(DialogWidgets::window(dialog), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(3, 150));
    QTest::mouseClick(DialogWidgets::window(dialog), Qt::LeftButton, Qt::ControlModifier,
                      QPoint(4, 150));
    ASSERT_EQ(dialog.leftClicks.size(), 2u);
    EXPECT_EQ(dialog.leftClicks[0].keyFlags, unsigned(LeftButtonFlag | ShiftFlag));
    EXPECT_EQ(dialog.leftClicks[1].keyFlags, unsigned(LeftButtonFlag | ControlFlag));
    EXPECT_EQ(dialog.leftClicks[0].point.x, 3);
    EXPECT_EQ(dialog.leftClicks[0].point.y, 150);
}

TEST_F(DialogTest, ControlTextCanBeSetAndRead) {
    dialog.setControlText(IDC_NOTE, "cm");
    EXPECT_EQ(control<QLabel>(IDC_NOTE)->text(), "cm");
    EXPECT_EQ(dialog.controlText(IDC_NOTE), "cm");
    EXPECT_EQ(dialog.controlText(999), "");
}

TEST_F(DialogTest, EditsAreNamedByTheirCaption) {
    EXPECT_EQ(control<QLineEdit>(IDC_AMOUNT)->accessibleName(), "Amount");
    EXPECT_TRUE(control<QLineEdit>(IDC_OTHER)->accessibleName().isEmpty());
    EXPECT_EQ(control<QCheckBox>(IDC_FLAG)->accessibleName(), "Flag");
}

class MainWindowApplication : public Application {};

TEST(Dialog, DestroyingTheMainWindowClearsItsDesignation) {
    MainWindowApplication application;
    {
        Dialog dialog(IDD_FORM);
        application.setMainWindow(&dialog);
    }
    EXPECT_EQ(application.mainWindow(), nullptr);
}

} // namespace
} // namespace fenwake
