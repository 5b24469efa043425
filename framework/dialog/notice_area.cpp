#include "framework/dialog/notice_area.h"

#include "framework/dialog/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace fenwake {

NoticeArea::NoticeArea(QWidget& window) : QWidget(&window) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    window.layout()->addWidget(this);
    setVisible(true); // made, maybe, after the window was shown
}

void NoticeArea::setLine(const std::string& matter, const QString& text, const QString& detail,
                         NoticeKind kind) {
    QWidget& line = lineFor(matter);
    auto* sign = line.findChild<QLabel*>(QStringLiteral("sign"));
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    sign->setPixmap(style()
                        ->standardIcon(kind == NoticeKind::Information
                                           ? QStyle::SP_MessageBoxInformation
                                           : QStyle::SP_MessageBoxWarning)
                        .pixmap(size));
    auto* label = line.findChild<QLabel*>(QString::fromStdString("notice-" + matter));
    label->setText(text);
    label->setAccessibleDescription(detail);
    line.setToolTip(toolTipText(detail));
    for (QLabel* part : line.findChildren<QLabel*>()) {
        part->setToolTip(toolTipText(detail));
    }
    line.setVisible(!text.isEmpty());
}

QWidget& NoticeArea::lineFor(const std::string& matter) {
    if (const auto found = lines.find(matter); found != lines.end()) {
        return *found->second;
    }
    auto* line = new QWidget(this);
    auto* layout = new QHBoxLayout(line);
    const int margin = fontMetrics().height() / 4;
    layout->setContentsMargins(margin * 2, margin, margin * 2, margin);
    auto* sign = new QLabel(line);
    sign->setObjectName(QStringLiteral("sign"));
    auto* text = new QLabel(line);
    text->setObjectName(QString::fromStdString("notice-" + matter));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    layout->addWidget(sign);
    layout->addWidget(text, 1);
    this->layout()->addWidget(line);
    lines.emplace(matter, line);
    return *line;
}

} // namespace fenwake
