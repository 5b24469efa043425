#include "framework/formats/menu_template.h"

#include "framework/text/little_endian.h"
#include "framework/text/utf16.h"
#include "framework/text/utf8.h"

namespace fenwake {

namespace {

// Deeper than any menu a person could use; it keeps hostile bytes from exhausting the stack.
constexpr int deepestLevel = 8;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : bytes(data) {}

    bool word(std::uint16_t& value) {
        if (bytes.size() - at < 2) {
            return false;
        }
        value = littleEndianWord(bytes, at);
        at += 2;
        return true;
    }

    bool text(std::string& utf8) {
        std::uint16_t unit = 0;
        while (word(unit)) {
            if (unit == 0) {
                return true;
            }
            char32_t codePoint = unit;
            if (utf16::isHighSurrogate(unit)) {
                std::uint16_t low = 0;
                if (!word(low) || !utf16::isLowSurrogate(low)) {
                    return false;
                }
                codePoint = utf16::joinSurrogates(unit, low);
            } else if (utf16::isLowSurrogate(unit)) {
                return false;
            }
            appendUtf8(utf8, codePoint);
        }
        return false;
    }

    bool skip(std::size_t count) {
        if (bytes.size() - at < count) {
            return false;
        }
        at += count;
        return true;
    }

    bool atEnd() const { return at == bytes.size(); }

private:
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

bool readLevel(Reader& reader, std::vector<MenuItem>& items, int level) {
    if (level > deepestLevel) {
        return false;
    }
    for (;;) {
        MenuItem item;
        std::uint16_t id = 0;
        if (!reader.word(item.flags) || (!item.isPopup() && !reader.word(id)) ||
            !reader.text(item.text)) {
            return false;
        }
        item.id = id;
        if (item.isPopup() && !readLevel(reader, item.items, level + 1)) {
            return false;
        }
        const bool last = (item.flags & MenuItem::end) != 0;
        items.push_back(std::move(item));
        if (last) {
            return true;
        }
    }
}

void appendWord(std::vector<std::uint8_t>& bytes, std::uint16_t word) {
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

void appendText(std::vector<std::uint8_t>& bytes, const std::string& text) {
    for (const char32_t codePoint : decodeUtf8(text)) {
        if (codePoint >= utf16::firstBeyondOneUnit) {
            const utf16::SurrogatePair pair = utf16::splitIntoSurrogates(codePoint);
            appendWord(bytes, static_cast<std::uint16_t>(pair.high));
            appendWord(bytes, static_cast<std::uint16_t>(pair.low));
        } else {
            appendWord(bytes, static_cast<std::uint16_t>(codePoint));
        }
    }
    appendWord(bytes, 0);
}

void appendLevel(std::vector<std::uint8_t>& bytes, const std::vector<MenuItem>& items) {
    for (std::size_t index = 0; index < items.size(); ++index) {
        const MenuItem& item = items[index];
        const bool last = index + 1 == items.size();
        appendWord(bytes, static_cast<std::uint16_t>((item.flags & ~MenuItem::end) |
                                                     (last ? MenuItem::end : 0)));
        if (!item.isPopup()) {
            appendWord(bytes, static_cast<std::uint16_t>(item.id));
        }
        appendText(bytes, item.text);
        if (item.isPopup()) {
            appendLevel(bytes, item.items);
        }
    }
}

} // namespace

std::vector<std::uint8_t> MenuTemplate::encode(const std::vector<MenuItem>& items) {
    std::vector<std::uint8_t> bytes{0, 0, 0, 0};
    appendLevel(bytes, items);
    return bytes;
}

std::optional<std::vector<MenuItem>> MenuTemplate::parse(std::span<const std::uint8_t> bytes) {
    Reader reader(bytes);
    std::uint16_t version = 0;
    std::uint16_t offset = 0;
    if (!reader.word(version) || !reader.word(offset) || version != 0 || !reader.skip(offset)) {
        return std::nullopt;
    }
    std::vector<MenuItem> items;
    if (!readLevel(reader, items, 0) || !reader.atEnd()) {
        return std::nullopt;
    }
    return items;
}

} // namespace fenwake
