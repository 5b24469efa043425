#pragma once

#include <QPointer>
#include <QWidget>

#include "framework/dialog/notice_kind.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fenwake {

class NoticeArea;

// A dialog's notices, one for each matter: kept from one of its windows to the next, and
// shown along the foot of the window it has, if any.
class NoticeBoard {
public:
    void show(std::string_view matter, std::string_view text, std::string_view detail,
              NoticeKind kind = NoticeKind::Warning);
    void clear(std::string_view matter);
    // The window the notices show on from now on; its notice lines are made when the first
    // notice with a text comes.
    void showOn(QWidget& window);

private:
    void apply();

    struct Notice {
        std::string text;
        std::string detail;
        NoticeKind kind = NoticeKind::Warning;
    };
    std::map<std::string, Notice, std::less<>> notices;
    QPointer<QWidget> window;
    QPointer<NoticeArea> area;
};

} // namespace fenwake
