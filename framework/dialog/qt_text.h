#pragma once

#include "framework/text/line_wrap.h"

#include <QString>

#include <string_view>

namespace fenwake {

// The framework's texts are UTF-8; Qt's are QStrings. Inside the framework only.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A tool tip's text, in lines a person reads at a glance: the toolkit itself would wrap only a
// text wider than the screen.
inline constexpr std::size_t toolTipLineLength = 56;
inline QString toolTipText(const QString& text) {
    return QString::fromStdString(wrapLines(text.toStdString(), toolTipLineLength));
}

} // namespace fenwake
