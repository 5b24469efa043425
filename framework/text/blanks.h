#pragma once

#include <string_view>

namespace fenwake {

// The blanks of the C locale (space, tab, line feed, vertical tab, form feed, carriage
// return), whatever locale the desktop runs in.
inline bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace fenwake
