// The keyboard's explanation: a boxed note in the tool tips' colours, as large as its text, beside
// the point it explains and never past the edge of the screen.
#include "framework/dialog/explanation_popup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <cstdlib>

namespace fenwake {
namespace {

const QString explanation = QStringLiteral(
    "Fat Percentage: the share of your weight that is fat.\nBands for a man: up to 10 Very Low.");

class ExplanationPopupTest : public ::testing::Test {
protected:
    ExplanationPopupTest() {
        window.resize(400, 300);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~ExplanationPopupTest() override {
        if (ExplanationPopup::current() != nullptr) {
            ExplanationPopup::current()->close();
        }
    }
    QRect screen() const { return window.screen()->availableGeometry(); }

    QWidget window;
};

TEST_F(ExplanationPopupTest, IsABoxInTheToolTipsColoursAsLargeAsItsText) {
    ExplanationPopup::show(window, window.mapToGlobal(QPoint(10, 10)), explanation);
    ExplanationPopup* popup = ExplanationPopup::current();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->size(), popup->sizeHint());
    const QImage drawn = popup->grab().toImage();
    const QPalette tip = QToolTip::palette();
    EXPECT_EQ(QColor(drawn.pixel(2, 2)), tip.color(QPalette::ToolTipBase)) << "the inside";
    for (const QPoint edge : {QPoint(0, drawn.height() / 2), QPoint(drawn.width() - 1, 1),
                              QPoint(drawn.width() / 2, drawn.height() - 1)}) {
        EXPECT_EQ(QColor(drawn.pixel(edge)), tip.color(QPalette::ToolTipText))
            << "the frame at " << edge.x() << "," << edge.y();
    }
}

// Asked for at the screen's far corner, it stands in the corner, whole. (Where the platform
// gives even a tool tip a frame, as the offscreen one does, the frame is what passes the edge.)
TEST_F(ExplanationPopupTest, StaysOnTheScreenWholeAtItsEdge) {
    ExplanationPopup::show(window, screen().bottomRight() - QPoint(3, 3), explanation);
    ExplanationPopup* popup = ExplanationPopup::current();
    ASSERT_NE(popup, nullptr);
    const int frame = popup->geometry().x() - popup->x();
    EXPECT_LE(std::abs(popup->geometry().right() - screen().right()), frame);
    EXPECT_LE(std::abs(popup->geometry().bottom() - screen().bottom()), frame);
    EXPECT_EQ(popup->size(), popup->sizeHint());
}

TEST_F(ExplanationPopupTest, GoesWithTheNextKeyAndIsReplacedByTheNext) {
    ExplanationPopup::show(window, window.mapToGlobal(QPoint(10, 10)), explanation);
    QPointer<ExplanationPopup> first = ExplanationPopup::current();
    ExplanationPopup::show(window, window.mapToGlobal(QPoint(20, 20)), "Another");
    QApplication::processEvents();
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    ASSERT_NE(ExplanationPopup::current(), nullptr);
    EXPECT_EQ(ExplanationPopup::current()->text(), "Another");
    QPointer<ExplanationPopup> second = ExplanationPopup::current();
    QTest::keyClick(&window, Qt::Key_A);
    QApplication::processEvents();
    EXPECT_TRUE(second.isNull() || !second->isVisible());
}

} // namespace
} // namespace fenwake
