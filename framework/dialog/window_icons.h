#pragma once

#include "framework/resources/icon.h"

#include <QIcon>

class QWidget;

namespace fenwake {

// A window's large and small icons. A window has one icon of every size: the large one's,
// which holds the small sizes as well; the small one stands in until a large one is given.
class WindowIcons {
public:
    void set(QWidget& window, const Icon& icon, IconSize size);

private:
    QIcon large;
    QIcon small;
};

} // namespace fenwake
