#pragma once

#include <QString>

#include <string_view>

namespace fenwake {

// The framework's texts are UTF-8; Qt's are QStrings. Inside the framework only.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace fenwake
