// The form's layout and the report view's columns, each on its own promise: controls never
// overlap whatever the style needs, and no text in a column is ever cut.
#include "framework/dialog/form_layout.h"
#include "framework/dialog/report_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include <cmath>
#include <vector>

namespace fenwake {
namespace {

// A caption too long for its place pushes the control beside it, which then keeps the spacing
// from it, and so does every control of the same template column below.
TEST(FormLayout, AWidenedControlPushesItsNeighboursAndKeepsTheSpacing) {
    QWidget form;
    auto* caption = new QLabel("A caption far too long for its place", &form);
    auto* field = new QLabel("x", &form);
    auto* below = new QLabel("y", &form);
    std::vector<FormLayout::Item> items{{caption, QRect(10, 10, 40, 16)},
                                        {field, QRect(60, 10, 40, 16)},
                                        {below, QRect(60, 40, 40, 16)}};
    constexpr int spacing = 7;
    const QSize size = FormLayout(QSize(200, 80), spacing).arrange(items);
    const int captionWidth = caption->fontMetrics().size(0, caption->text()).width();
    ASSERT_GT(captionWidth, 50) << "the caption fits: the test tests nothing";
    EXPECT_EQ(caption->geometry(), QRect(10, 10, captionWidth, 16));
    EXPECT_EQ(field->x(), 10 + captionWidth + spacing);
    EXPECT_EQ(below->x(), field->x());
    EXPECT_EQ(size.width(), field->geometry().right() + 1 + 10);
}

// A font in which a character's whole-pixel width is less than its real one, so that a text of
// many of them is wider than their whole-pixel widths add up to.
QFont fontThatRoundsDown(QChar& character) {
    for (int tenths = 60; tenths <= 300; ++tenths) {
        QFont font("DejaVu Sans");
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setPointSizeF(tenths / 10.0);
        for (const QChar candidate : QString("1il0a")) {
            if (QFontMetrics(font).horizontalAdvance(candidate) <
                QFontMetricsF(font).horizontalAdvance(candidate) - 0.2) {
                character = candidate;
                return font;
            }
        }
    }
    return {};
}

// A cell is measured cheaply when its text surely fits its column; "surely" must be an upper
// bound of the text's width, or a text a little wider than its column is cut.
TEST(ReportView, NeverCutsATextThatAddsUpNarrowerThanItIs) {
    QChar character;
    const QFont font = fontThatRoundsDown(character);
    ASSERT_NE(character, QChar()) << "no font rounds a width down here";
    QWidget window;
    auto* view = new ReportView(1.0, &window);
    view->setFont(font);
    view->addColumn(0, "H");
    view->addColumn(1, "L"); // the last column spreads; the first is as wide as its texts
    view->addRow(0, "r");
    const QString text(40, character);
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int wholePixels = QFontMetrics(font).horizontalAdvance(character) * text.size();
    const int real = static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
    ASSERT_LT(wholePixels, real);
    view->setDesignWidth(0, wholePixels + margins); // the whole-pixel sum fits, the text not
    view->setCellText(0, 0, text);
    EXPECT_GE(view->columnWidth(0), real + margins);
}

} // namespace
} // namespace fenwake
