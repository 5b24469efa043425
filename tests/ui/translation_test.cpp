// The window in the desktop's language: every text the program shows, Qt's own texts, and
// figures with the language's decimal comma, while the settings file keeps its point.
#include "framework/dialog/dialog_widgets.h"
#include "framework/language/translation.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::readSettingsFile;
using test::writeSettingsFile;
using Texts = std::vector<std::string>;

struct Language {
    const char* code;
    Texts captions;    // Waist, Weight, Height
    Texts boxes;       // Female, Metric
    Texts headings;    // the list's four
    Texts rows;        // the list's five
    Texts ratings;     // of the worked man
    const char* menu;  // the menu bar's one menu
    const char* undo;  // Qt's own: the first item of a field's context menu
    const char* entry; // what the window says of a field with no number
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.code;
}

class InALanguage : public MainWindowTest, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override { ASSERT_TRUE(Translation::install(GetParam().code)); }
    void TearDown() override { Translation::install(""); }

    Texts captions() const {
        Texts texts;
        for (const QLabel* caption : edit(IDC_WAIST)->parentWidget()->findChildren<QLabel*>()) {
            if (caption->property("controlId").isNull() && caption->pixmap().isNull() &&
                !caption->isHidden()) {
                texts.push_back(caption->text().remove('&').toStdString());
            }
        }
        return texts;
    }
    Texts column(int index) const {
        Texts texts;
        for (int row = 0; row < 5; ++row) {
            texts.push_back(cell(row, index));
        }
        return texts;
    }
};

INSTANTIATE_TEST_SUITE_P(
    Translation, InALanguage,
    testing::Values(
        Language{"de",
                 {"Taille:", "Gewicht:", "Größe:"},
                 {"Weiblich", "Metrisch"},
                 {"Kennzahl", "Ergebnis", "Einheit", "Bewertung"},
                 {"Fettanteil", "Fettmasse", "Magermasse", "Ruheumsatz", "Body-Mass-Index"},
                 {"Durchschnittlich", "Übergewicht"},
                 "&Extras",
                 "&Rückgängig\tStrg+Z",
                 "Gewicht: Geben Sie eine Zahl ein. Die Werte sind die der letzten gültigen "
                 "Eingabe."},
        Language{"fr",
                 {"Tour de taille\u00a0:", "Poids\u00a0:", "Taille\u00a0:"},
                 {"Femme", "Métrique"},
                 {"Grandeur", "Résultat", "Unité", "Appréciation"},
                 {"Taux de graisse", "Masse grasse", "Masse maigre", "Métabolisme de repos",
                  "Indice de masse corporelle"},
                 {"Moyen", "Surpoids"},
                 "&Outils",
                 "&Annuler\tCtrl+Z",
                 "Poids\u00a0: saisissez un nombre. Les valeurs sont celles de la dernière saisie "
                 "valide."}),
    [](const auto& info) { return std::string(info.param.code); });

TEST_P(InALanguage, ShowsEveryTextInItAndFiguresWithItsDecimalComma) {
    writeSettingsFile(manImperial);
    openWindow();
    EXPECT_EQ(captions(), GetParam().captions);
    EXPECT_EQ(text(IDC_FEMALE), GetParam().boxes[0]);
    EXPECT_EQ(text(IDC_METRIC), GetParam().boxes[1]);
    for (int heading = 0; heading < 4; ++heading) {
        EXPECT_EQ(results()->horizontalHeaderItem(heading)->text().toStdString(),
                  GetParam().headings[heading]);
    }
    EXPECT_EQ(column(0), GetParam().rows);
    EXPECT_EQ(figures(), (Texts{"15,51", "27,92", "152,08", "2103,27", "25,82"}));
    EXPECT_EQ(cell(0, 3), GetParam().ratings[0]);
    EXPECT_EQ(cell(4, 3), GetParam().ratings[1]);
    const auto* bar = DialogWidgets::window(*dialog)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().value(0)->text().toStdString(), GetParam().menu);
    const std::unique_ptr<QMenu> menu(edit(IDC_WAIST)->createStandardContextMenu());
    EXPECT_EQ(menu->actions().value(0)->text().toStdString(), GetParam().undo);
}

// The fields take a comma and a point alike; the file keeps the point, whatever the language.
TEST_P(InALanguage, TakesACommaOrAPointAndStoresAPoint) {
    openWindow();
    focusField(IDC_WAIST);
    edit(IDC_WAIST)->selectAll();
    type("34,5");
    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    type("180.25");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=34.50\nWeight=180.25\n");
    QTest::mouseClick(checkBox(IDC_METRIC), Qt::LeftButton);
    EXPECT_EQ(text(IDC_WAIST), "88,32");
    EXPECT_EQ(readSettingsFile(), "[Settings]\nWaist=88.32\nWeight=81.93\nMetric=1\nHeight=0.00\n");
    focusField(IDC_WEIGHT);
    type("x");
    EXPECT_EQ(notice("entry"), GetParam().entry);
}

// Going back to English takes Qt's own texts back to English too, and a language the program
// has none for falls back to English with the point.
TEST(Translation, SwitchingLanguagesLeavesNothingOfTheOneBefore) {
    ASSERT_TRUE(Translation::install("de"));
    ASSERT_EQ(QCoreApplication::translate("QLineEdit", "&Copy").toStdString(), "&Kopieren");
    EXPECT_EQ(Translation::number("15.51"), "15,51");
    EXPECT_FALSE(Translation::install("xx"));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy").toStdString(), "&Copy");
    EXPECT_EQ(Translation::number("15.51"), "15.51");
    EXPECT_EQ(translated("Waist:"), "Waist:");
    ASSERT_TRUE(Translation::install("fr"));
    EXPECT_FALSE(Translation::install(""));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy").toStdString(), "&Copy");
    EXPECT_EQ(Translation::number("15.51"), "15.51");
}

} // namespace
} // namespace fenwake
