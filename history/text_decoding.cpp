#include "history/text_decoding.h"

#include "framework/text/utf8.h"

#include <cstdint>

namespace fenwake {

namespace {

TextDecoding::Decoded fromUtf16(std::string_view bytes, bool bigEndian) {
    TextDecoding::Decoded decoded;
    if (bytes.size() % 2 != 0) {
        decoded.problem = sentence(TRANSLATABLE("it is UTF-16 text cut off in a character"));
        return decoded;
    }
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::uint32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::string& out = decoded.converted;
    out.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        std::uint32_t code = unit(at);
        if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
            unit(at + 2) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            out.clear();
            decoded.problem = sentence(TRANSLATABLE("it is UTF-16 text with a broken character"));
            return decoded;
        }
        appendUtf8(out, static_cast<char32_t>(code));
    }
    return decoded;
}

} // namespace

TextDecoding::Decoded TextDecoding::toUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        Decoded decoded = fromUtf16(bytes.substr(2), bytes[0] == '\xFE');
        decoded.isConverted = true;
        return decoded;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    Decoded decoded;
    if (bytes.find('\0') != std::string_view::npos) {
        decoded.problem = sentence(TRANSLATABLE("it is no text: it holds zero bytes, as files of "
                                                "programs and UTF-16 without its mark do"));
        return decoded;
    }
    decoded.original = bytes;
    return decoded;
}

} // namespace fenwake
