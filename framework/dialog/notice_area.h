#pragma once

#include <QString>
#include <QWidget>

#include "framework/dialog/notice_kind.h"

#include <map>
#include <string>

namespace fenwake {

// Quiet lines along the foot of a window, one for each matter (the settings, an entry): a
// sign (a warning, or an information for what only tells what happened) and a short text in the
// window's own text colour, the detail as its tool tip. They take no focus and block nothing; a
// line with no text is hidden. A line's label is named "notice-<matter>".
class NoticeArea : public QWidget {
public:
    explicit NoticeArea(QWidget& window);

    void setLine(const std::string& matter, const QString& text, const QString& detail,
                 NoticeKind kind = NoticeKind::Warning);

private:
    QWidget& lineFor(const std::string& matter);

    std::map<std::string, QWidget*> lines;
};

} // namespace fenwake
