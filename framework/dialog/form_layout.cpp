#include "framework/dialog/form_layout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <map>
#include <numeric>

namespace fenwake {

namespace {

// Where an edit of this height draws the baseline of its text, from its top: as QLineEdit
// paints, its line centred in the contents the style leaves inside the frame.
int editBaseline(const QLineEdit& edit, int width, int height) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = QRect(0, 0, width, height);
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = edit.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                               .marginsRemoved(edit.textMargins());
    const QFontMetrics metrics = edit.fontMetrics();
    return contents.y() + (contents.height() - metrics.height() + 1) / 2 + metrics.ascent();
}

// A one-line label's baseline from its top: its text stands at the top of its contents.
int labelBaseline(const QLabel& label) {
    return label.contentsMargins().top() + label.margin() + label.fontMetrics().ascent();
}

bool isOneLineText(const QWidget& widget, const QRect& place) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label != nullptr && label->pixmap().isNull() &&
           place.height() < 2 * label->fontMetrics().height();
}

} // namespace

FormLayout::FormLayout(QSize size, int controlSpacing, std::vector<Insertion> insertedRows)
    : templateSize(size), spacing(controlSpacing), insertions(std::move(insertedRows)) {}

std::vector<FormLayout::Item> FormLayout::withInsertions(const std::vector<Item>& items,
                                                         int& added) const {
    std::vector<bool> taking(insertions.size(), false);
    for (const Item& item : items) {
        if (item.insertion >= 0 && !item.widget->isHidden()) {
            taking[static_cast<std::size_t>(item.insertion)] = true;
        }
    }
    added = 0;
    std::vector<Item> placed;
    for (const Item& item : items) {
        if (item.insertion >= 0) {
            if (taking[static_cast<std::size_t>(item.insertion)]) {
                placed.push_back(item);
            }
            continue;
        }
        Item moved = item;
        for (std::size_t i = 0; i < insertions.size(); ++i) {
            if (taking[i] && item.place.top() >= insertions[i].at) {
                moved.place.translate(0, insertions[i].height);
            }
        }
        placed.push_back(moved);
    }
    for (std::size_t i = 0; i < insertions.size(); ++i) {
        added += taking[i] ? insertions[i].height : 0;
    }
    return placed;
}

QSize FormLayout::needed(const QWidget& widget, const QRect& place) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (!label->pixmap().isNull()) {
            return label->pixmap().deviceIndependentSize().toSize();
        }
        if (label->wordWrap() && place.height() >= 2 * label->fontMetrics().height()) {
            return {place.width(), label->heightForWidth(place.width())};
        }
        // As drawn: a '&' that marks an access key takes no room.
        return label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
    }
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        return widget.sizeHint();
    }
    if (qobject_cast<const QLineEdit*>(&widget) != nullptr) {
        return {0, widget.minimumSizeHint().height()}; // a long text scrolls; no edit is cut
    }
    return {};
}

// A caption, its field's text and the field's unit read along one line: in a band with an
// edit, every one-line label stands on the edit's baseline, whatever the style draws around the
// edit's text.
void FormLayout::alignBaselines(const std::vector<Item>& items, const std::vector<Band>& rows,
                                std::vector<QRect>& placed) const {
    for (const Band& band : rows) {
        int baseline = -1;
        for (const std::size_t i : band.items) {
            if (const auto* edit = qobject_cast<const QLineEdit*>(items[i].widget)) {
                baseline =
                    placed[i].top() + editBaseline(*edit, placed[i].width(), placed[i].height());
                break;
            }
        }
        for (const std::size_t i : band.items) {
            if (baseline >= 0 && isOneLineText(*items[i].widget, items[i].place)) {
                const auto& label = static_cast<const QLabel&>(*items[i].widget);
                placed[i].moveTop(baseline - labelBaseline(label));
            }
        }
    }
}

// Controls whose template rows overlap, top to bottom.
std::vector<FormLayout::Band> FormLayout::bands(const std::vector<Item>& items) const {
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&items](std::size_t a, std::size_t b) {
        return items[a].place.top() < items[b].place.top();
    });
    std::vector<Band> result;
    for (const std::size_t index : order) {
        const QRect& place = items[index].place;
        if (result.empty() || place.top() > result.back().bottom) {
            result.push_back({place.top(), place.bottom(), {}});
        }
        result.back().bottom = std::max(result.back().bottom, place.bottom());
        result.back().items.push_back(index);
    }
    return result;
}

QSize FormLayout::arrange(const std::vector<Item>& allItems) const {
    int inserted = 0;
    const std::vector<Item> items = withInsertions(allItems, inserted);
    const QSize expanded(templateSize.width(), templateSize.height() + inserted);
    std::vector<QSize> sizes;
    int leftMargin = expanded.width();
    int lowest = 0;
    for (const Item& item : items) {
        const QSize wanted = item.growing ? QSize() : needed(*item.widget, item.place);
        sizes.push_back(item.place.size().expandedTo(wanted));
        leftMargin = std::min(leftMargin, item.place.left());
        lowest = std::max(lowest, item.place.bottom() + 1);
    }
    const std::vector<Band> rows = bands(items);

    // Down: each band by what the bands above it grew, centred in its own growth.
    std::vector<int> down(items.size(), 0);
    int grown = 0;
    for (const Band& band : rows) {
        int growth = 0;
        for (const std::size_t i : band.items) {
            growth = std::max(growth, sizes[i].height() - items[i].place.height());
        }
        for (const std::size_t i : band.items) {
            down[i] = grown + (growth - (sizes[i].height() - items[i].place.height())) / 2;
        }
        grown += growth;
    }

    // Across: how far each template column moves, never less than the columns before it.
    std::map<int, int> across;
    for (const Item& item : items) {
        across.emplace(item.place.left(), 0);
    }
    int shift = 0;
    for (auto& [left, moved] : across) {
        for (const Band& band : rows) {
            for (const std::size_t b : band.items) {
                if (items[b].place.left() != left) {
                    continue;
                }
                for (const std::size_t a : band.items) {
                    const QRect& before = items[a].place;
                    if (before.right() < left) {
                        shift = std::max(shift, before.left() + across[before.left()] +
                                                    sizes[a].width() + spacing - left);
                    }
                }
            }
        }
        moved = shift;
    }

    std::vector<QRect> placed;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QRect& place = items[i].place;
        placed.emplace_back(place.topLeft() + QPoint(across[place.left()], down[i]), sizes[i]);
    }
    alignBaselines(items, rows, placed);
    QSize form(expanded.width(), expanded.height() + grown);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].growing) {
            form =
                form.expandedTo(QSize(placed[i].right() + 1 + leftMargin, placed[i].bottom() + 1));
        }
    }
    // The growing control takes the room the others leave it, inside the margins.
    const int bottomMargin = expanded.height() - lowest;
    for (std::size_t i = 0; i < items.size(); ++i) {
        QRect& moved = placed[i];
        if (items[i].growing) {
            moved.setRight(form.width() - leftMargin - 1);
            moved.setBottom(std::max(moved.bottom(), form.height() - bottomMargin - 1));
        }
        items[i].widget->setGeometry(moved);
    }
    return form;
}

} // namespace fenwake
