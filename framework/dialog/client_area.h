#pragma once

#include <QPointer>
#include <QWidget>

namespace fenwake {

// The part of a dialog's window that holds its controls, placed as form_layout.h places them.
// The form's size is the smallest it gets, and more when a growing control needs it: a
// template may name one control that grows, the list, which is then never so small that a
// column of it is cut. The area opens large enough for that control's whole contents, in the
// template's proportions, and when the window is made larger the extra room goes to that
// control, to its right and bottom, while every other control keeps its place.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, QSize formSize);

    void setFormSize(QSize formSize);
    void setGrowingControl(QWidget* control);
    // The controls were placed again, for this form size: the growing control takes the room
    // from its new place.
    void placeAgain(QSize formSize);
    bool grows() const { return growing != nullptr; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void growToFit(QSize size);

    QSize smallest;
    QPointer<QWidget> growing;
    QRect growingAtSmallest; // the growing control's place in the template
};

} // namespace fenwake
