#include "framework/formats/profile_file_format.h"
#include "framework/text/number_text.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QClipboard>

#include <algorithm>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::readSettingsFile;
using test::writeSettingsFile;
using Texts = std::vector<std::string>;

class HostileInputTest : public MainWindowTest {
protected:
    void replaceField(int id, const QString& text) {
        focusField(id);
        edit(id)->selectAll();
        QApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }

    void clickMetric() { QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton); }

    // Whatever was stored is well formed: flags are 0 or 1, and a number is the two-decimal
    // text of what it reads back as.
    static void expectFileReadsBack() {
        for (const auto& [key, value] : ProfileFileFormat::parse(readSettingsFile())) {
            if (key == "Settings/Metric" || key == "Settings/Female") {
                EXPECT_TRUE(value == "0" || value == "1") << key << "=" << value;
                continue;
            }
            EXPECT_EQ(NumberText::twoDecimals(NumberText::readLeadingNumber(value)), value) << key;
        }
    }
};

TEST_F(HostileInputTest, AMegabytePasteNeitherHangsNorStoresIt) {
    writeSettingsFile("[Settings]\nWeight=180.00\n");
    openWindow();
    replaceField(IDC_WEIGHT, QString(1 << 20, '9'));
    EXPECT_EQ(edit(IDC_WEIGHT)->toolTip(), "Enter a number.");
    EXPECT_EQ(writes, (Texts{"Weight=180.00"}));
    replaceField(IDC_WEIGHT, QString(1 << 20, 'x'));
    EXPECT_EQ(writes.back(), "Weight=180.00");
    expectFileReadsBack();
}

struct Typed {
    const char* text;
    const char* stored;
};

void PrintTo(const Typed& t, std::ostream* out) {
    *out << '"' << t.text << '"';
}

class TypedText : public HostileInputTest, public testing::WithParamInterface<Typed> {};

INSTANTIATE_TEST_SUITE_P(HostileInput, TypedText,
                         testing::Values(Typed{"nan", "70.00"}, Typed{"inf", "70.00"},
                                         Typed{"-inf", "70.00"}, Typed{"0x1p3", "70.00"},
                                         Typed{"1e999", "70.00"}, Typed{"\t12\x01", "70.00"},
                                         Typed{" 12 ", "12.00"}, Typed{"1e-999", "0.00"},
                                         Typed{"-0", "-0.00"}));

TEST_P(TypedText, StoresOnlyWhatReadsBack) {
    writeSettingsFile("[Settings]\nHeight=70.00\n");
    openWindow();
    replaceField(IDC_HEIGHT, QString::fromUtf8(GetParam().text));
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.back(), std::string("Height=") + GetParam().stored);
    expectFileReadsBack();
}

// 1e308 times 2.56 is beyond any double: the field shows "inf", marked as holding no number, and
// the store keeps the last number the key held ("inf" would read back as 0). Switching back
// keeps it infinite; nothing crashes or hangs, and the other fields convert as ever.
TEST_F(HostileInputTest, HugeValuesSurviveSwitchingUnits) {
    openWindow();
    replaceField(IDC_WAIST, "1e308");
    replaceField(IDC_WEIGHT, "-1e308");
    EXPECT_EQ(writes.back(), "Weight=" + NumberText::twoDecimals(-1e308));
    clickMetric();
    EXPECT_EQ(text(IDC_WAIST), "inf");
    EXPECT_EQ(edit(IDC_WAIST)->toolTip(), "Enter a number.");
    EXPECT_EQ(text(IDC_WEIGHT), "-4.54545454545454e+307");
    clickMetric();
    EXPECT_EQ(text(IDC_WAIST), "inf");
    // Fifteen digits each way: -1e308 comes back as -9.99999999999999e307, not as itself.
    EXPECT_EQ(text(IDC_WEIGHT), "-9.99999999999999e+307");
    EXPECT_EQ(writes[writes.size() - 3], "Metric=0");
    EXPECT_EQ(writes[writes.size() - 2].substr(0, 8), "Weight=-");
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "Waist=inf"), 0);
    EXPECT_EQ(notice("entry"), "Waist: enter a number. The figures are those of the last valid "
                               "entry.");
    expectFileReadsBack();

    // Back in inches, as the waist was last stored: it opens as it was typed.
    dialog.reset();
    openWindow();
    EXPECT_EQ(text(IDC_WAIST), "1e+308");
}

} // namespace
} // namespace fenwake
