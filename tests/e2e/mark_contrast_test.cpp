// The marks a person must see, measured in the pixels of the window on a real X server under
// the palette FENWAKE_PALETTE names (light, the style's own, or dark, as a dark desktop
// sets): an invalid field's frame, the current row's frame in the list and the notice line
// stand out at least 3:1 from what they are drawn on, and the focus shows from the first
// frame. Each case leaves a screenshot in FENWAKE_SCREENSHOTS.
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/mark_colour.h"
#include "res/resource_ids.h"
#include "tests/support/settings_file.h"
#include "tests/ui/main_window_fixture.h"

#include <QDir>
#include <QHelpEvent>
#include <QImage>
#include <QScreen>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

namespace fenwake {
namespace {

using test::MainWindowTest;
using test::manImperial;
using test::writeSettingsFile;

std::string environment(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : otherwise;
}

// Adwaita's dark colours, as Qt's GTK theme gives them.
QPalette darkPalette() {
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, const char* active,
                                const char* disabled) {
        palette.setColor(QPalette::Active, role, QColor(active));
        palette.setColor(QPalette::Inactive, role, QColor(active));
        palette.setColor(QPalette::Disabled, role, QColor(disabled));
    };
    set(QPalette::Window, "#353535", "#353535");
    set(QPalette::WindowText, "#eeeeec", "#8b8e8f");
    set(QPalette::Base, "#2d2d2d", "#323232");
    set(QPalette::AlternateBase, "#353535", "#353535");
    set(QPalette::Text, "#eeeeec", "#8b8e8f");
    set(QPalette::Button, "#3a3a3a", "#353535");
    set(QPalette::ButtonText, "#eeeeec", "#8b8e8f");
    set(QPalette::Highlight, "#15539e", "#3c3c3c");
    set(QPalette::HighlightedText, "#ffffff", "#8b8e8f");
    set(QPalette::ToolTipBase, "#353535", "#353535");
    set(QPalette::ToolTipText, "#eeeeec", "#8b8e8f");
    set(QPalette::PlaceholderText, "#8b8e8f", "#8b8e8f");
    return palette;
}

class MarkContrast : public MainWindowTest {
protected:
    void SetUp() override {
        if (environment("FENWAKE_PALETTE", "light") == "dark") {
            QApplication::setPalette(darkPalette());
        }
        writeSettingsFile(manImperial);
    }

    QImage shot(const char* what) const {
        QApplication::processEvents();
        const QImage image = DialogWidgets::window(*dialog)->grab().toImage();
        save(image, what);
        return image;
    }
    static void save(const QImage& image, const char* what) {
        const QString folder = QString::fromStdString(environment("FENWAKE_SCREENSHOTS", "."));
        QDir().mkpath(folder);
        image.save(
            folder +
            QString("/%1-%2.png").arg(what).arg(environment("FENWAKE_PALETTE", "light").c_str()));
    }
    // A point of a control, in the window's picture.
    QPoint inWindow(const QWidget* control, QPoint point) const {
        const qreal ratio = DialogWidgets::window(*dialog)->devicePixelRatioF();
        return (control->mapTo(DialogWidgets::window(*dialog), point) * ratio);
    }
    static QColor at(const QImage& image, QPoint point) { return image.pixelColor(point); }
};

// The field's frame against the window around it and the field's own background.
TEST_F(MarkContrast, AnInvalidFieldsFrameStandsOut) {
    openWindow();
    focusField(IDC_WEIGHT);
    edit(IDC_WEIGHT)->selectAll();
    type("x");
    const QImage image = shot("invalid");
    const QLineEdit* field = edit(IDC_WEIGHT);
    const int middle = field->width() / 2;
    const QColor frame = at(image, inWindow(field, {middle, 0}));
    const QColor outside = at(image, inWindow(field, {middle, -2}));
    const QColor inside = at(image, inWindow(field, {middle, 4}));
    EXPECT_GE(MarkColour::contrast(frame, outside), 3.0)
        << frame.name().toStdString() << " on " << outside.name().toStdString();
    EXPECT_GE(MarkColour::contrast(frame, inside), 3.0)
        << frame.name().toStdString() << " on " << inside.name().toStdString();
}

// The current row's frame, on a row that is selected and on one that is not.
TEST_F(MarkContrast, TheCurrentRowsFrameStandsOut) {
    openWindow();
    QTableWidget* list = results();
    list->setFocus();
    for (const bool selected : {true, false}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        list->setCurrentCell(2, 0);
        if (!selected) {
            list->clearSelection();
        }
        const QImage image = shot(selected ? "current-row-selected" : "current-row");
        const QRect row = list->visualRect(list->model()->index(2, 0));
        const QWidget* viewport = list->viewport();
        const QColor frame = at(image, inWindow(viewport, {row.left() + 1, row.center().y()}));
        const QRect emptyCell = list->visualRect(list->model()->index(2, 3)); // no text there
        const QColor background = at(image, inWindow(viewport, emptyCell.center()));
        EXPECT_GE(MarkColour::contrast(frame, background), 3.0)
            << frame.name().toStdString() << " on " << background.name().toStdString();
    }
}

// The notice line's text: its strongest pixel against its background.
TEST_F(MarkContrast, TheNoticeLineStandsOut) {
    QFile::remove(QString::fromStdString(test::settingsPath()));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(test::settingsPath()) + "/in-the-way"));
    openWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return notice() == "Settings are not being saved"; }));
    const QImage image = shot("notice");
    const auto* label = DialogWidgets::window(*dialog)->findChild<QLabel*>("notice-settings");
    const QColor background = at(image, inWindow(label, {label->width() - 2, 1}));
    double strongest = 1.0;
    for (int x = 0; x < label->width() / 2; ++x) {
        for (int y = 0; y < label->height(); ++y) {
            strongest = std::max(
                strongest, MarkColour::contrast(at(image, inWindow(label, {x, y})), background));
        }
    }
    EXPECT_GE(strongest, 3.0);
    dialog.reset();
    QDir(QString::fromStdString(test::settingsPath())).removeRecursively(); // for the next case
}

// The first tab stop has the focus at open, and shows it before any key has moved it.
TEST_F(MarkContrast, TheFocusShowsFromTheFirstFrame) {
    openWindow();
    const QCheckBox* female = checkBox(IDC_FEMALE);
    // The window's activation settles: the focus goes to the first tab stop.
    ASSERT_TRUE(QTest::qWaitFor([female] { return QApplication::focusWidget() == female; }, 5000));
    const QRect box(inWindow(female, {0, 0}),
                    female->size() * DialogWidgets::window(*dialog)->devicePixelRatioF());
    const QImage first = shot("first-start").copy(box);
    results()->setFocus(Qt::OtherFocusReason);
    EXPECT_NE(shot("focus-elsewhere").copy(box), first);
}

// For people to look at: the tool tips of a figure and of a field, and the About box.
TEST_F(MarkContrast, ScreenshotsOfTheToolTips) {
    openWindow();
    QTableWidget* list = results();
    const QPoint point = list->visualRect(list->model()->index(0, 1)).center();
    QHelpEvent help(QEvent::ToolTip, point, list->viewport()->mapToGlobal(point));
    QApplication::sendEvent(list->viewport(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_NE(QToolTip::text().toStdString().find("Average up to 17 (this figure)"),
              std::string::npos)
        << QToolTip::text().toStdString();
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("QTipLabel")) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
        }
    }
    QScreen* screen = DialogWidgets::window(*dialog)->screen();
    const QRect area = DialogWidgets::window(*dialog)->frameGeometry().adjusted(0, 0, 400, 200);
    save(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage(),
         "tooltip-figure");
}

} // namespace
} // namespace fenwake
