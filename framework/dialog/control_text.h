#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace fenwake {

// The text a control shows: a label's, an edit's or a button's, as it reads (without the mark of
// its access key). Other controls, and no control, have none.
class ControlText {
public:
    static void set(QWidget* control, std::string_view text);
    static std::string of(const QWidget* control);
};

} // namespace fenwake
