#include "framework/dialog/notice_board.h"

#include "framework/dialog/notice_area.h"
#include "framework/dialog/qt_text.h"

namespace fenwake {

void NoticeBoard::show(std::string_view matter, std::string_view text, std::string_view detail,
                       NoticeKind kind) {
    notices[std::string(matter)] = {std::string(text), std::string(detail), kind};
    apply();
}

void NoticeBoard::clear(std::string_view matter) {
    if (const auto found = notices.find(matter); found != notices.end()) {
        found->second = {};
        apply();
    }
}

void NoticeBoard::showOn(QWidget& newWindow) {
    window = &newWindow;
    area = nullptr;
    apply();
}

void NoticeBoard::apply() {
    if (!window) {
        return;
    }
    for (const auto& [matter, notice] : notices) {
        if (notice.text.empty() && !area) {
            continue;
        }
        if (!area) {
            area = new NoticeArea(*window);
        }
        area->setLine(matter, qtText(notice.text), qtText(notice.detail), notice.kind);
    }
}

} // namespace fenwake
