#include "framework/profile/profile_file_format.h"

#include "framework/text/blanks.h"
#include "framework/text/utf8.h"

#include <algorithm>
#include <cstdint>

namespace fenwake {

namespace {

bool isLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Text built from raw UTF-8 and from escaped UTF-16 code units, whose surrogates pair up
// as they do in a QString.
class TextBuilder {
public:
    void addUnit(std::uint32_t unit) {
        unit &= 0xFFFF;
        if (highSurrogate != 0 && unit >= 0xDC00 && unit <= 0xDFFF) {
            appendUtf8(text, 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate = 0;
            return;
        }
        flush();
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate = unit;
        } else {
            appendUtf8(text, unit);
        }
    }
    void addBytes(std::string_view bytes) {
        flush();
        text += bytes;
    }
    // A pending high surrogate is not counted: whatever it becomes, it is no blank.
    std::size_t size() const { return text.size(); }
    // Drops blanks and tabs from the end, but none before the given length.
    void chopBlanks(std::size_t limit) {
        flush();
        while (text.size() > limit && isBlankOrTab(text.back())) {
            text.pop_back();
        }
    }
    std::string take() {
        flush();
        return std::move(text);
    }

private:
    void flush() {
        if (highSurrogate != 0) {
            appendUtf8(text, 0xFFFD);
            highSurrogate = 0;
        }
    }

    std::string text;
    std::uint32_t highSurrogate = 0;
};

// One backslash escape of a value, from just after the backslash. Returns where reading
// goes on.
std::size_t readEscape(std::string_view raw, std::size_t at, TextBuilder& text) {
    static constexpr std::string_view plain = "abfnrtv\"?'\\";
    static constexpr std::string_view meaning = "\a\b\f\n\r\t\v\"?'\\";
    const char c = raw[at++];
    if (const std::size_t simple = plain.find(c); simple != std::string_view::npos) {
        text.addUnit(static_cast<unsigned char>(meaning[simple]));
    } else if (c == 'x' && at < raw.size() && hexValue(raw[at]) >= 0) {
        std::uint32_t value = 0;
        for (; at < raw.size() && hexValue(raw[at]) >= 0; ++at) {
            value = (value << 4) + static_cast<std::uint32_t>(hexValue(raw[at]));
        }
        text.addUnit(value);
    } else if (isOctal(c)) {
        std::uint32_t value = static_cast<std::uint32_t>(c - '0');
        for (; at < raw.size() && isOctal(raw[at]); ++at) {
            value = (value << 3) + static_cast<std::uint32_t>(raw[at] - '0');
        }
        text.addUnit(value);
    } else if (isLineBreak(c) && at < raw.size() && isLineBreak(raw[at]) && raw[at] != c) {
        ++at; // a line continued after "\r\n" or "\n\r"; any other character is dropped
    }
    return at;
}

std::size_t skipBlanks(std::string_view raw, std::size_t at) {
    while (at < raw.size() && isBlankOrTab(raw[at])) {
        ++at;
    }
    return at;
}

// A value's text: escapes and quotes resolved, blanks at its ends dropped unless quoted or
// escaped. Commas are plain characters here.
std::string unescapeValue(std::string_view raw) {
    TextBuilder text;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t chopLimit = 0;
    std::size_t at = skipBlanks(raw, 0);
    while (at < raw.size()) {
        if (raw[at] == '\\') {
            if (++at == raw.size()) {
                break;
            }
            at = readEscape(raw, at, text);
            chopLimit = text.size();
        } else if (raw[at] == '"') {
            ++at;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                at = skipBlanks(raw, at);
                chopLimit = text.size();
            }
        } else {
            const std::size_t end = std::min(raw.find_first_of("\\\"", at), raw.size());
            text.addBytes(raw.substr(at, end - at));
            at = end;
        }
    }
    if (!quoted) {
        text.chopBlanks(chopLimit);
    }
    std::string value = text.take();
    // A text that starts with '@' is written with a second one in front.
    if (value.size() >= 2 && value[0] == '@' && value[1] == '@') {
        value.erase(0, 1);
    }
    return value;
}

// A key or section name: "%XX" and "%UXXXX" give that character, '\' a slash.
std::string unescapeKey(std::string_view raw) {
    TextBuilder text;
    std::size_t at = 0;
    while (at < raw.size()) {
        if (raw[at] == '\\') {
            text.addUnit('/');
            ++at;
            continue;
        }
        const std::size_t digits = at + 1 < raw.size() && raw[at + 1] == 'U' ? 4 : 2;
        const std::size_t first = at + (digits == 4 ? 2 : 1);
        std::uint32_t value = 0;
        bool escaped = raw[at] == '%' && first + digits <= raw.size();
        for (std::size_t i = first; escaped && i < first + digits; ++i) {
            escaped = hexValue(raw[i]) >= 0;
            value = (value << 4) + static_cast<std::uint32_t>(std::max(hexValue(raw[i]), 0));
        }
        if (escaped) {
            text.addUnit(value);
            at = first + digits;
        } else {
            const std::size_t end = std::min(raw.find_first_of("\\%", at + 1), raw.size());
            std::string characters;
            for (const char32_t c : decodeUtf8(raw.substr(at, end - at))) {
                appendUtf8(characters, c);
            }
            text.addBytes(characters);
            at = end;
        }
    }
    return text.take();
}

void appendHex(std::string& out, std::uint32_t value, int digits) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += hexDigits[(value >> shift) & 0xF];
    }
}

// The inverse of unescapeKey, in the form QSettings writes keys.
std::string escapeKey(std::string_view key) {
    std::string out;
    for (const char32_t c : decodeUtf8(key)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
        if (c == '/') {
            out += '\\';
        } else if (plain) {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            appendHex(out, c, 2);
        } else if (c <= 0xFFFF) {
            out += "%U";
            appendHex(out, c, 4);
        } else {
            out += "%U";
            appendHex(out, 0xD800 + ((c - 0x10000) >> 10), 4);
            out += "%U";
            appendHex(out, 0xDC00 + ((c - 0x10000) & 0x3FF), 4);
        }
    }
    return out;
}

std::string escapeSection(std::string_view section) {
    const std::string escaped = escapeKey(section);
    // "[General]" holds the keys without a section, so a section of that name is marked.
    return equalsIgnoringCase(escaped, "general") ? '%' + escaped : escaped;
}

// One logical line of the file, from its first character to its end: a line break outside
// quotes, or a ';' that starts a comment. Quotes and backslashes may carry it over line
// breaks. Comment lines are passed over whole.
struct Line {
    std::string_view text;
    std::size_t equals = std::string_view::npos; // the first '=' outside quotes
};

bool nextLine(std::string_view file, std::size_t& at, Line& line) {
    for (;;) {
        while (at < file.size() && isLineSpace(file[at])) {
            ++at;
        }
        if (at == file.size()) {
            return false;
        }
        if (file[at] != ';' && file[at] != '#') {
            break;
        }
        while (at < file.size() && !isLineBreak(file[at])) {
            ++at;
        }
    }
    const std::size_t start = at;
    bool inQuotes = false;
    line.equals = std::string_view::npos;
    for (; at < file.size(); ++at) {
        const char c = file[at];
        if ((isLineBreak(c) || c == ';') && !inQuotes) {
            break;
        }
        if (c == '=' && !inQuotes && line.equals == std::string_view::npos) {
            line.equals = at - start;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\' && at + 1 < file.size()) {
            ++at;
            const bool pair = at + 1 < file.size() && isLineBreak(file[at]) &&
                              isLineBreak(file[at + 1]) && file[at] != file[at + 1];
            at += pair ? 1 : 0;
        }
    }
    line.text = file.substr(start, at - start);
    return true;
}

// The key prefix a section header gives its keys: none for [General], else "name/".
std::string sectionPrefix(std::string_view header) {
    const std::size_t close = header.find(']');
    const std::string_view name = trimBlanks(
        header.substr(1, close == std::string_view::npos ? header.size() - 1 : close - 1));
    if (equalsIgnoringCase(name, "general")) {
        return {};
    }
    if (name.size() == 8 && name[0] == '%' && equalsIgnoringCase(name.substr(1), "general")) {
        return std::string(name.substr(1)) + '/';
    }
    return unescapeKey(name) + '/';
}

// As QSettings looks keys up: no slash at either end, never two in a row.
std::string normalisedKey(std::string_view key) {
    std::string result;
    for (const char c : key) {
        if (c != '/' || (!result.empty() && result.back() != '/')) {
            result += c;
        }
    }
    if (!result.empty() && result.back() == '/') {
        result.pop_back();
    }
    return result;
}

// A value as QSettings writes a text: quoted when it holds ';', ',' or '=' or has blanks at
// its ends, with control characters, quotes and backslashes escaped, and a second '@' in
// front of one that starts it.
std::string encodeValue(std::string_view text) {
    std::string out = !text.empty() && text.front() == '@' ? "@" : "";
    bool needsQuotes = false;
    bool escapeNextHexDigit = false;
    static constexpr std::string_view special = "\a\b\f\n\r\t\v\"\\";
    static constexpr std::string_view written = "abfnrtv\"\\";
    for (const char c : text) {
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextHexDigit && hexValue(c) >= 0) {
            out += "\\x";
            appendHex(out, static_cast<unsigned char>(c), 2);
            continue;
        }
        escapeNextHexDigit = false;
        if (const std::size_t escape = special.find(c); escape != std::string_view::npos) {
            out += '\\';
            out += written[escape];
        } else if (c == '\0') {
            out += "\\0";
            escapeNextHexDigit = true;
        } else if (static_cast<unsigned char>(c) <= 0x1F) {
            out += "\\x";
            appendHex(out, static_cast<unsigned char>(c), 2);
            escapeNextHexDigit = true;
        } else {
            out += c;
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        return '"' + out + '"';
    }
    return out;
}

// A value read from a file can go back as it stood only where it reads the same again: a
// backslash or an open quote at its end would swallow the line that follows.
bool standsAlone(const ProfileFileFormat::Value& value) {
    if (value.stored.empty()) {
        return false;
    }
    const auto again = ProfileFileFormat::parse("k=" + value.stored + "\nz=z\n");
    const auto found = again.find("k");
    return again.size() == 2 && found != again.end() && found->second == value;
}

std::string renderLine(std::string_view key, const ProfileFileFormat::Value& value) {
    return escapeKey(key) + '=' + (standsAlone(value) ? value.stored : encodeValue(value.text)) +
           '\n';
}

} // namespace

ProfileFileFormat::Entries ProfileFileFormat::parse(std::string_view fileText) {
    Entries entries;
    std::string prefix;
    std::string section; // the prefix as a key: a line whose key normalises to it has none
    std::size_t at = fileText.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    Line line;
    while (nextLine(fileText, at, line)) {
        if (line.text.front() == '[') {
            prefix = sectionPrefix(line.text);
            section = normalisedKey(prefix);
            continue;
        }
        if (line.equals == std::string_view::npos) {
            continue;
        }
        std::string_view key = line.text.substr(0, line.equals);
        while (!key.empty() && isBlankOrTab(key.back())) {
            key.remove_suffix(1);
        }
        const std::string name = normalisedKey(prefix + unescapeKey(key));
        if (name.empty() || name == section) {
            continue; // no key of its own
        }
        const std::string_view stored = line.text.substr(line.equals + 1);
        entries[name] = {unescapeValue(stored), std::string(stored.substr(skipBlanks(stored, 0)))};
    }
    return entries;
}

std::string ProfileFileFormat::render(const Entries& entries) {
    std::string loose;
    std::string sections;
    std::string currentSection;
    for (const auto& [key, value] : entries) {
        const std::size_t slash = key.find('/');
        if (slash == std::string::npos) {
            loose += renderLine(key, value);
            continue;
        }
        const std::string section = key.substr(0, slash);
        if (sections.empty() || section != currentSection) {
            sections += (sections.empty() ? "[" : "\n[") + escapeSection(section) + "]\n";
            currentSection = section;
        }
        sections += renderLine(std::string_view(key).substr(slash + 1), value);
    }
    if (loose.empty() || sections.empty()) {
        return loose + sections;
    }
    return loose + '\n' + sections;
}

} // namespace fenwake
