// Everything a mouse reaches, reached from the keyboard as on GNOME and KDE: the help on F1, a
// figure's explanation on Shift+F1, a letter of its own for each field and box, the list's
// context menu, and the keys that close the window. And the list drawn clean as the focus
// moves through it.
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/end_codes.h"
#include "framework/dialog/explanation_popup.h"
#include "framework/language/translation.h"
#include "framework/text/line_wrap.h"
#include "history/history_store.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QDialog>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>

#include <set>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::readSettingsFile;
using test::writeSettingsFile;

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSettingsFile(manImperial);
        openWindow();
    }
    QWidget* window() const { return DialogWidgets::window(*dialog); }
    QDialog* help() const { return window()->findChild<QDialog*>("document-Fenwake Help"); }
    static std::string helpText(const QDialog& help) {
        return help.findChild<QTextBrowser*>("document")->toPlainText().toStdString();
    }
    void focusList() {
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        results()->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), results());
    }
};

// F1, from wherever the focus is, opens the help beside the window; again, it brings the same
// one to the front; Escape closes it. Nothing is stored and no figure changes.
TEST_F(KeyboardTest, F1OpensTheHelpOnce) {
    focusField(IDC_WAIST);
    EXPECT_EQ(help(), nullptr) << "the help was made before it was asked for";
    press(Qt::Key_F1);
    ASSERT_NE(help(), nullptr);
    EXPECT_TRUE(help()->isVisible());
    EXPECT_FALSE(help()->isModal());
    EXPECT_EQ(help()->windowTitle(), "Fenwake Help");
    QPointer<QDialog> first = help();
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    focusField(IDC_HEIGHT);
    press(Qt::Key_F1);
    EXPECT_EQ(help(), first);
    EXPECT_EQ(window()->findChildren<QDialog*>().size(), 1);
    QTest::keyClick(first->findChild<QTextBrowser*>("document"), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&first] { return first.isNull(); }, 2000));
    EXPECT_EQ(dialog->endCode(), -1) << "Escape reached the main window";
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(cell(0, 1), "15.51");
}

// What the help holds: each figure with its numbers, the bands for both sexes, the units and
// the program's own factors with the index's 1.4 %, what a field without a number does, where
// the values are kept, and every key.
TEST_F(KeyboardTest, TheHelpSaysWhatTheProgramDoesWithItsOwnNumbers) {
    press(Qt::Key_F1);
    ASSERT_NE(help(), nullptr);
    const std::string text = helpText(*help());
    for (const char* says :
         {"1.082 times weight, less 4.15 times waist, plus 98.42 for a man or 76.76 for a woman",
          "fat body mass divided by weight, times 100",
          "13.83 for each pound",
          "times 703",
          "a man",
          "a woman",
          "up to 10",
          "up to 13",
          "up to 17",
          "above 25",
          "up to 20",
          "up to 27",
          "up to 31",
          "above 31",
          "up to 18.5",
          "up to 24.9",
          "above 29.9",
          "2.56 centimetres to the inch",
          "2.2 pounds to the kilogram",
          "about 1.4 % above kg/m²",
          "1.0136",
          "framed in red",
          "last number",
          "Tab, Shift+Tab",
          "F10",
          "F1",
          "Shift+F1, Ctrl+F1",
          "Ctrl+A, Ctrl+C",
          "Menu key, Shift+F10",
          "Escape, Ctrl+W, Ctrl+Q",
          "Ctrl+D",
          "Ctrl+H",
          "Delete, Ctrl+Z",
          "Alt and an underlined letter"}) {
        EXPECT_NE(text.find(says), std::string::npos) << says;
    }
    EXPECT_NE(text.find(test::settingsPath()), std::string::npos);
    EXPECT_NE(text.find(application.state().filePath()), std::string::npos);
    EXPECT_NE(text.find(HistoryStore::defaultPath()), std::string::npos);
}

// The help in the desktop's language, with its decimal comma, and the paths as paths: no
// markup shows in any language.
TEST_F(KeyboardTest, TheHelpIsInTheDesktopsLanguage) {
    for (const auto& [language, title, factor, english] :
         {std::tuple{"", "Fenwake Help", "2.56", true},
          std::tuple{"de", "Fenwake-Hilfe", "2,56", false},
          std::tuple{"fr", "Aide de Fenwake", "2,56", false}}) {
        ASSERT_TRUE(Translation::install(language) || english);
        dialog.reset();
        openWindow();
        press(Qt::Key_F1);
        ASSERT_NE(window()->findChild<QDialog*>(QString("document-") + title), nullptr) << title;
        const std::string text =
            helpText(*window()->findChild<QDialog*>(QString("document-") + title));
        EXPECT_NE(text.find(factor), std::string::npos) << language;
        EXPECT_EQ(text.find("The figures") != std::string::npos, english)
            << language << ": English left";
        for (const char* markup : {"<", ">", "&lt;", "&gt;", "&amp;"}) {
            EXPECT_EQ(text.find(markup), std::string::npos) << language << ": " << markup;
        }
        for (const std::string& path :
             {test::settingsPath(), application.state().filePath(), HistoryStore::defaultPath()}) {
            const std::size_t at = text.find(" " + path);
            ASSERT_NE(at, std::string::npos) << language << ": " << path;
            EXPECT_NE(std::string(" ,.").find(text[at + 1 + path.size()]), std::string::npos)
                << language << ": " << text.substr(at, path.size() + 10);
        }
    }
    Translation::install("");
}

// The help opens beside the window where the screen has room, so that the figures it explains
// stay in sight; where it was closed, it opens again, at the size it had.
TEST_F(KeyboardTest, TheHelpOpensBesideTheWindowAndWhereItWasClosed) {
    window()->move(window()->screen()->availableGeometry().topLeft());
    press(Qt::Key_F1);
    ASSERT_NE(help(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help()));
    const QRect screen = window()->screen()->availableGeometry();
    const QRect main = window()->frameGeometry();
    const QRect beside = help()->frameGeometry();
    EXPECT_TRUE(screen.contains(beside));
    if (screen.right() - main.right() >= beside.width()) {
        EXPECT_EQ(beside.left(), main.right() + 1) << "the help hides the window";
    } else {
        EXPECT_EQ(beside.right(), screen.right()) << "the help hides more than it must";
    }
    const QRect moved(help()->pos() + QPoint(0, 20), help()->size() - QSize(30, 40));
    help()->move(moved.topLeft());
    help()->resize(moved.size());
    QPointer<QDialog> first = help();
    QTest::keyClick(first->findChild<QTextBrowser*>("document"), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&first] { return first.isNull(); }, 2000));
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    focusField(IDC_WAIST);
    press(Qt::Key_F1);
    ASSERT_NE(help(), nullptr);
    EXPECT_EQ(QRect(help()->pos(), help()->size()), moved);
}

// Shift+F1 (and Ctrl+F1) shows what the focused field, or the list's current row, means: its
// tool tip, where the focus is, until the next key.
TEST_F(KeyboardTest, ShiftF1ExplainsTheCurrentRowAndCtrlF1TheField) {
    const auto explained = [] {
        return ExplanationPopup::current() != nullptr && ExplanationPopup::current()->isVisible()
                   ? ExplanationPopup::current()->text().toStdString()
                   : std::string();
    };
    focusList();
    press(Qt::Key_Down);
    press(Qt::Key_F1, Qt::ShiftModifier);
    const QString row = results()->item(1, 0)->data(Qt::AccessibleDescriptionRole).toString();
    EXPECT_EQ(explained(), wrapLines(row.toStdString(), 56));
    // It stays for reading, beside the row, and goes with the next key: no timer of its own
    // puts it away.
    QApplication::processEvents();
    EXPECT_EQ(explained(), wrapLines(row.toStdString(), 56));
    for (const QTimer* timer : ExplanationPopup::current()->findChildren<QTimer*>()) {
        EXPECT_FALSE(timer->isActive()) << "a timer would put the explanation away";
    }
    press(Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return explained().empty(); }, 2000));
    press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(explained().starts_with("The part of your weight that is not")) << explained();
    focusField(IDC_WEIGHT);
    EXPECT_TRUE(QTest::qWaitFor([&] { return explained().empty(); }, 2000));
    press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(explained(), "Your weight, in pounds.");
    // Escape puts it away, and leaves the window open.
    press(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return explained().empty(); }, 2000));
    EXPECT_EQ(dialog->endCode(), -1);
}

// Every control that takes the focus explains itself, by the keyboard and by the mouse; the
// boxes say what they change for the method in use. An Escape that puts an explanation away
// leaves the window open.
struct Explained {
    const char* name;
    const char* settings;
    const char* female; // how Female's explanation begins
};

void PrintTo(const Explained& e, std::ostream* out) {
    *out << e.name;
}

class ExplainsEveryControl : public MainWindowTest,
                             public testing::WithParamInterface<Explained> {};

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ExplainsEveryControl,
    testing::Values(
        Explained{"waist_and_weight", manImperial,
                  "Tick it for a woman: the lean mass then takes a woman's constant, 76.76"},
        Explained{"navy_woman",
                  "[Settings]\nWaist=72\nWeight=65\nHeight=165\nMetric=1\nFemale=1\n"
                  "Method=Navy\n",
                  "Tick it for a woman: the US Navy method then reads the hip too"},
        Explained{"relative_fat_mass",
                  "[Settings]\nWaist=85\nWeight=80\nHeight=178\nMetric=1\nMethod=RFM\n",
                  "Tick it for a woman: relative fat mass then adds 12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ExplainsEveryControl, ByShiftF1AndTheMouse) {
    writeSettingsFile(GetParam().settings);
    openWindow();
    QWidget* window = DialogWidgets::window(*dialog);
    EXPECT_EQ(unexplainedControls(*window), std::vector<std::string>{});
    EXPECT_EQ(dialog->endCode(), -1);
    const QString female = checkBox(IDC_FEMALE)->toolTip().replace('\n', ' ');
    EXPECT_TRUE(female.startsWith(GetParam().female)) << female.toStdString();
    const QString metric = checkBox(IDC_METRIC)->toolTip().replace('\n', ' ');
    EXPECT_TRUE(metric.contains("2.56 cm") && metric.contains("2.2 pounds") &&
                metric.contains("converted"))
        << metric.toStdString();
}

// A tool tip the mouse brought goes with Escape, and the window stays.
TEST_F(KeyboardTest, EscapeAfterAToolTipLeavesTheWindowOpen) {
    focusField(IDC_WAIST);
    QToolTip::showText(checkBox(IDC_FEMALE)->mapToGlobal(QPoint(2, 2)),
                       checkBox(IDC_FEMALE)->toolTip(), checkBox(IDC_FEMALE));
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
    QApplication::processEvents(); // the keys' listener goes first again
    press(Qt::Key_Escape);
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_EQ(dialog->endCode(), -1) << "Escape reached the window";
    EXPECT_TRUE(DialogWidgets::window(*dialog)->isVisible()) << "Escape hid the window";
    press(Qt::Key_Escape);
    EXPECT_NE(dialog->endCode(), -1) << "with no tool tip, Escape closes the window";
}

// While a field holds no number, the row's explanation says so first.
TEST_F(KeyboardTest, TheExplanationOfAnOutOfDateRowSaysSoFirst) {
    focusField(IDC_WAIST);
    edit(IDC_WAIST)->selectAll();
    type("x");
    focusList();
    press(Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_NE(ExplanationPopup::current(), nullptr);
    EXPECT_TRUE(ExplanationPopup::current()->text().startsWith(
        "Waist: enter a number. The figures are those of the last\nvalid entry.\n\nThe share"))
        << ExplanationPopup::current()->text().toStdString();
}

// Tabbing into the list makes its first row current, for a screen reader to read, without
// selecting it. (That no piece of the current row's frame stays behind as it moves on is seen
// in the pixels of a real display: the real-display session.)
TEST_F(KeyboardTest, TabbingIntoTheListMakesItsFirstRowCurrent) {
    focusList();
    EXPECT_EQ(results()->currentIndex().row(), 0);
    EXPECT_TRUE(results()->selectionModel()->selectedIndexes().isEmpty());
}

// Each caption and box has a letter of its own: Alt and it move the focus there (and a box is
// ticked, as a click would), in every language, never clashing with the menu's letter.
class AccessKeysIn : public KeyboardTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        Translation::install(GetParam());
        KeyboardTest::SetUp();
    }
    void TearDown() override { Translation::install(""); }
};

INSTANTIATE_TEST_SUITE_P(Keyboard, AccessKeysIn, testing::Values("", "de", "fr"),
                         [](const auto& info) {
                             return std::string(*info.param ? info.param : "en");
                         });

QChar accessKey(const QString& text) {
    const qsizetype at = text.indexOf('&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

TEST_P(AccessKeysIn, MoveToEachFieldAndBox) {
    const QWidget* client = edit(IDC_WAIST)->parentWidget();
    std::set<char16_t> letters{
        accessKey(window()->findChild<QMenuBar*>()->actions().value(0)->text()).unicode()};
    for (const QLabel* caption : client->findChildren<QLabel*>()) {
        if (caption->buddy() == nullptr || caption->isHidden()) {
            continue;
        }
        const QChar key = accessKey(caption->text());
        ASSERT_FALSE(key.isNull()) << caption->text().toStdString();
        EXPECT_TRUE(letters.insert(key.unicode()).second) << caption->text().toStdString();
        focusField(IDC_WAIST);
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1(), Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), caption->buddy()) << caption->text().toStdString();
        // What a screen reader names the field by is its caption's words alone.
        EXPECT_FALSE(caption->buddy()->accessibleName().contains('&'));
    }
    for (const int id : {IDC_FEMALE, IDC_METRIC}) {
        QCheckBox* box = checkBox(id);
        const QChar key = accessKey(box->text());
        ASSERT_FALSE(key.isNull()) << box->text().toStdString();
        EXPECT_TRUE(letters.insert(key.unicode()).second) << box->text().toStdString();
        focusField(IDC_WAIST);
        const bool ticked = box->isChecked();
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1(), Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_TRUE(QTest::qWaitFor([&] { return box->isChecked() != ticked; }, 2000));
        EXPECT_FALSE(box->accessibleName().contains('&'));
    }
    EXPECT_EQ(letters.size(), 6u);
}

// Ctrl+W and Ctrl+Q close the window as its close button does (the program then writes what
// is pending and ends); from a field too, whose own keys they are not.
class ClosingKey : public KeyboardTest, public testing::WithParamInterface<QKeySequence> {};

INSTANTIATE_TEST_SUITE_P(Keyboard, ClosingKey,
                         testing::Values(QKeySequence(Qt::CTRL | Qt::Key_W),
                                         QKeySequence(Qt::CTRL | Qt::Key_Q)),
                         [](const auto& info) {
                             return info.param[0].key() == Qt::Key_W ? std::string("CtrlW")
                                                                     : std::string("CtrlQ");
                         });

TEST_P(ClosingKey, EndsTheWindowAsItsCloseButton) {
    focusField(IDC_WAIST);
    type("5");
    QTest::keySequence(QApplication::focusWidget(), GetParam());
    EXPECT_EQ(dialog->endCode(), IDOK);
    EXPECT_EQ(text(IDC_WAIST), "345");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=345.00\nWeight=180.00\nHeight=70.00\n"
                                  "Metric=0\nFemale=0\n");
}

} // namespace
} // namespace fenwake
