#pragma once

#include <cstdint>

namespace fenwake::utf16 {

// The surrogate arithmetic of UTF-16: a character beyond U+FFFF is carried by a high code
// unit followed by a low one.
constexpr char32_t firstBeyondOneUnit = 0x10000;

constexpr bool isHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool isLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

constexpr bool isSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The character a high and a low surrogate carry together.
constexpr char32_t joinSurrogates(std::uint32_t high, std::uint32_t low) {
    return firstBeyondOneUnit + ((high - 0xD800) << 10) + (low - 0xDC00);
}

struct SurrogatePair {
    std::uint16_t high;
    std::uint16_t low;
};

// The two code units of a character beyond U+FFFF.
constexpr SurrogatePair splitIntoSurrogates(char32_t character) {
    const char32_t offset = character - firstBeyondOneUnit;
    return {static_cast<std::uint16_t>(0xD800 + (offset >> 10)),
            static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF))};
}

} // namespace fenwake::utf16
