#include "framework/dialog/client_area.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace fenwake {

ClientArea::ClientArea(QWidget* parent, QSize templateSize)
    : QWidget(parent), smallest(templateSize) {
    setMinimumSize(smallest);
}

void ClientArea::setGrowingControl(QWidget* control) {
    growing = control;
    growingAtSmallest = control->geometry();
}

// The template's size, scaled up evenly until the growing control has room for all of it.
QSize ClientArea::sizeHint() const {
    if (!growing || smallest.isEmpty()) {
        return smallest;
    }
    const QSize wanted = growing->sizeHint();
    const QSize extra(std::max(0, wanted.width() - growingAtSmallest.width()),
                      std::max(0, wanted.height() - growingAtSmallest.height()));
    const double factor =
        std::max(static_cast<double>(smallest.width() + extra.width()) / smallest.width(),
                 static_cast<double>(smallest.height() + extra.height()) / smallest.height());
    return {static_cast<int>(std::ceil(smallest.width() * factor)),
            static_cast<int>(std::ceil(smallest.height() * factor))};
}

QSize ClientArea::minimumSizeHint() const {
    return smallest;
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (growing) {
        const QSize extra = event->size() - smallest;
        growing->setGeometry(growingAtSmallest.adjusted(0, 0, std::max(0, extra.width()),
                                                        std::max(0, extra.height())));
    }
}

} // namespace fenwake
