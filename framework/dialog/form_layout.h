#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace fenwake {

// The places of a dialog's controls. The template gives each its place, order and
// proportions; but a control that the style draws larger than its template rectangle (a
// taller edit, a wider check box, a longer text) pushes what stands below or beside it, so
// that nothing overlaps whatever the style or the font:
// - controls whose template rows overlap form a band; a band grows as much as its tallest
//   control needs, its controls stay centred on one another, its one-line captions and unit
//   labels stand on the baseline of its field's text, and every band below moves down by as
//   much;
// - a control pushes the controls to its right in its band when it needs more width than
//   the gap before them leaves, and every control that starts at the same template column
//   moves with them, so columns stay aligned.
// The growing control (the list) takes the full width inside even margins, the left one
// mirrored on the right. Rows a template inserts take room only while a control of theirs is
// not hidden.
class FormLayout {
public:
    struct Item {
        QWidget* widget;
        QRect place; // the template rectangle, in pixels
        bool growing = false;
        int insertion = -1; // the inserted rows it stands in, if any
    };
    // Rows inserted into the form from the pixel row `at`, `height` high (dialog_template.h):
    // they take room while one of their controls is not hidden.
    struct Insertion {
        int at = 0;
        int height = 0;
    };

    // size: the template's, in pixels; controlSpacing: the least room kept between two controls
    // side by side; insertedRows: the rows the template inserts.
    FormLayout(QSize size, int controlSpacing, std::vector<Insertion> insertedRows = {});

    // Places every control; returns the size the form needs, at least the template's.
    QSize arrange(const std::vector<Item>& items) const;

    // What a control needs to show its whole contents in its style and font, at its place. A
    // text whose place has room for more than one line wraps within its width.
    static QSize needed(const QWidget& widget, const QRect& place);

private:
    struct Band {
        int top = 0;
        int bottom = 0;
        std::vector<std::size_t> items;
    };
    std::vector<Band> bands(const std::vector<Item>& items) const;
    void alignBaselines(const std::vector<Item>& items, const std::vector<Band>& rows,
                        std::vector<QRect>& placed) const;

    // The items as they stand with the inserted rows that take room now: places moved down below
    // each, and the items of rows that take none left out.
    std::vector<Item> withInsertions(const std::vector<Item>& items, int& added) const;

    QSize templateSize;
    int spacing;
    std::vector<Insertion> insertions;
};

} // namespace fenwake
