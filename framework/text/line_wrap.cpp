#include "framework/text/line_wrap.h"

#include <algorithm>

namespace fenwake {

namespace {

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// One line of the text, without its line break, wrapped; runs of blanks become one.
void wrapLine(std::string_view line, std::size_t lineLength, std::string& out) {
    std::size_t used = 0;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        const std::string_view word = line.substr(at, end - at);
        at = end + 1;
        if (word.empty()) {
            continue;
        }
        const std::size_t length = characters(word);
        if (used > 0 && used + 1 + length > lineLength) {
            out += '\n';
            used = 0;
        } else if (used > 0) {
            out += ' ';
            ++used;
        }
        out += word;
        used += length;
    }
}

} // namespace

std::string wrapLines(std::string_view text, std::size_t lineLength) {
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        wrapLine(text.substr(at, end - at), lineLength, out);
        if (end == text.size()) {
            return out;
        }
        out += '\n';
        at = end + 1;
    }
}

} // namespace fenwake
