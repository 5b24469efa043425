#include "framework/dialog/client_area.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace fenwake {

ClientArea::ClientArea(QWidget* parent, QSize formSize) : QWidget(parent), smallest(formSize) {}

void ClientArea::setFormSize(QSize formSize) {
    smallest = formSize;
    updateGeometry();
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
    return QSize(static_cast<int>(std::ceil(smallest.width() * factor)),
                 static_cast<int>(std::ceil(smallest.height() * factor)))
        .expandedTo(minimumSizeHint());
}

// The form's size, and more where the growing control would otherwise be cut.
QSize ClientArea::minimumSizeHint() const {
    if (!growing) {
        return smallest;
    }
    const QSize wanted = growing->minimumSizeHint();
    return smallest + QSize(std::max(0, wanted.width() - growingAtSmallest.width()),
                            std::max(0, wanted.height() - growingAtSmallest.height()));
}

void ClientArea::placeAgain(QSize formSize) {
    smallest = formSize;
    if (growing) {
        growingAtSmallest = growing->geometry();
    }
    updateGeometry();
    growToFit(size());
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    growToFit(event->size());
}

void ClientArea::growToFit(QSize size) {
    if (growing) {
        const QSize extra = size - smallest;
        growing->setGeometry(growingAtSmallest.adjusted(0, 0, std::max(0, extra.width()),
                                                        std::max(0, extra.height())));
    }
}

} // namespace fenwake
