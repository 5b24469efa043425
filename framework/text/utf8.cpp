#include "framework/text/utf8.h"

#include "framework/text/utf16.h"

#include <algorithm>

namespace fenwake {

namespace {

constexpr char32_t replacement = 0xFFFD;

bool isCharacter(char32_t c) {
    return c <= 0x10FFFF && !utf16::isSurrogate(c);
}

// The length of the sequence a lead byte starts and the bits it carries; 0 for a byte that
// cannot start one.
int sequenceLength(unsigned char lead, char32_t& bits) {
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1F;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

char32_t smallestFor(int length) {
    return length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
}

} // namespace

void appendUtf8(std::string& text, char32_t c) {
    if (!isCharacter(c)) {
        c = replacement;
    }
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::vector<char32_t> decodeUtf8(std::string_view text) {
    std::vector<char32_t> codePoints;
    std::size_t at = 0;
    while (at < text.size()) {
        char32_t c = 0;
        const int length = sequenceLength(static_cast<unsigned char>(text[at]), c);
        int taken = 1;
        while (length > 1 && taken < length && at + taken < text.size() &&
               (static_cast<unsigned char>(text[at + taken]) & 0xC0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(text[at + taken]) & 0x3F);
            ++taken;
        }
        const bool whole = length > 0 && taken == length;
        codePoints.push_back(
            whole && (length == 1 || c >= smallestFor(length)) && isCharacter(c) ? c : replacement);
        at += whole ? taken : std::max(taken, 1);
    }
    return codePoints;
}

} // namespace fenwake
