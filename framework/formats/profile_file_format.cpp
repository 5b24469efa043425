#include "framework/formats/profile_file_format.h"

#include "framework/text/ascii_case.h"

#include "framework/text/blanks.h"
#include "framework/text/utf16.h"
#include "framework/text/utf8.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <vector>

namespace fenwake {

namespace {

// Where the text starts, after a UTF-8 byte order mark if there is one.
std::size_t afterByteOrderMark(std::string_view file) {
    return file.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

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

// Text built from raw UTF-8 and from escaped UTF-16 code units, whose surrogates pair up
// as they do in a QString.
class TextBuilder {
public:
    void addUnit(std::uint32_t unit) {
        unit &= 0xFFFF;
        if (highSurrogate != 0 && utf16::isLowSurrogate(unit)) {
            appendUtf8(text, utf16::joinSurrogates(highSurrogate, unit));
            highSurrogate = 0;
            return;
        }
        flush();
        if (utf16::isHighSurrogate(unit)) {
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
        } else if (c < utf16::firstBeyondOneUnit) {
            out += "%U";
            appendHex(out, c, 4);
        } else {
            const utf16::SurrogatePair pair = utf16::splitIntoSurrogates(c);
            out += "%U";
            appendHex(out, pair.high, 4);
            out += "%U";
            appendHex(out, pair.low, 4);
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

// The logical lines of a file that are not comments, each with the section it stands in.
class LineScanner {
public:
    enum class Kind { Header, KeyValue, Other };
    struct Scanned {
        Kind kind = Kind::Other;
        std::size_t start = 0; // offsets in the file
        std::size_t end = 0;
        std::string section; // the section it belongs to, as a key; "" for none
        std::string name;    // a key=value line's full key ("section/key")
        std::size_t valueStart = 0;
        std::size_t valueEnd = 0; // before the blanks that end the line
    };

    explicit LineScanner(std::string_view fileText)
        : file(fileText), at(afterByteOrderMark(fileText)) {}

    bool next(Scanned& scanned) {
        Line line;
        if (!nextLine(file, at, line)) {
            return false;
        }
        scanned.start = static_cast<std::size_t>(line.text.data() - file.data());
        scanned.end = scanned.start + line.text.size();
        scanned.name.clear();
        if (line.text.front() == '[') {
            prefix = sectionPrefix(line.text);
            section = normalisedKey(prefix);
            scanned.kind = Kind::Header;
        } else if (line.equals == std::string_view::npos) {
            scanned.kind = Kind::Other;
        } else {
            scanned.kind = Kind::KeyValue;
            readKeyValue(line, scanned);
        }
        scanned.section = section;
        return true;
    }

private:
    void readKeyValue(const Line& line, Scanned& scanned) const {
        std::string_view key = line.text.substr(0, line.equals);
        while (!key.empty() && isBlankOrTab(key.back())) {
            key.remove_suffix(1);
        }
        const std::string name = normalisedKey(prefix + unescapeKey(key));
        if (!name.empty() && name != section) { // else it has no key of its own
            scanned.name = name;
        }
        scanned.valueStart = skipBlanks(file, scanned.start + line.equals + 1);
        scanned.valueEnd = std::max(scanned.valueStart, scanned.end);
        while (scanned.valueEnd > scanned.valueStart && isBlankOrTab(file[scanned.valueEnd - 1])) {
            --scanned.valueEnd;
        }
    }

    std::string_view file;
    std::size_t at;
    std::string prefix;  // what a key of the current section is prefixed with
    std::string section; // the prefix as a key: a line whose key normalises to it has none
};

// Where the physical line that holds this offset ends, after its line break.
std::size_t afterLineBreak(std::string_view file, std::size_t at) {
    at = std::min(file.find_first_of("\r\n", at), file.size());
    if (at < file.size() && file[at] == '\r') {
        ++at;
    }
    if (at < file.size() && file[at] == '\n') {
        ++at;
    }
    return at;
}

std::string_view lineEnding(std::string_view file) {
    const std::size_t first = file.find('\n');
    return first != std::string_view::npos && first > 0 && file[first - 1] == '\r' ? "\r\n" : "\n";
}

std::string keyInSection(std::string_view fullKey, std::string_view section) {
    return escapeKey(section.empty() ? fullKey : fullKey.substr(section.size() + 1));
}

std::string_view sectionOf(std::string_view fullKey) {
    const std::size_t slash = fullKey.find('/');
    return slash == std::string_view::npos ? std::string_view() : fullKey.substr(0, slash);
}

// One change to the text: the bytes in [start, end) become the replacement.
struct Edit {
    std::size_t start;
    std::size_t end;
    std::string replacement;
};

// Where the lines of each section end, and which line holds each key's value.
struct Layout {
    std::map<std::string, LineScanner::Scanned> lastOfKey;
    std::map<std::string, std::size_t> endOfSection; // after the line break of its last line
    std::size_t firstHeader = std::string_view::npos;
};

Layout layoutOf(std::string_view file) {
    Layout layout;
    LineScanner scanner(file);
    LineScanner::Scanned line;
    while (scanner.next(line)) {
        if (line.kind == LineScanner::Kind::Other) {
            continue;
        }
        if (line.kind == LineScanner::Kind::Header &&
            layout.firstHeader == std::string_view::npos) {
            layout.firstHeader = line.start;
        }
        layout.endOfSection[line.section] = afterLineBreak(file, line.end);
        if (!line.name.empty()) {
            layout.lastOfKey[line.name] = line;
        }
    }
    return layout;
}

// The lines of new keys go after the last line of their section, keys without one before the
// first section, and a new section at the end of the file.
Edit insertion(std::string_view file, const Layout& layout, std::string_view section,
               const std::string& lines) {
    const std::string_view eol = lineEnding(file);
    if (const auto found = layout.endOfSection.find(std::string(section));
        found != layout.endOfSection.end()) {
        const bool broken = found->second > 0 && isLineBreak(file[found->second - 1]);
        return {found->second, found->second, (broken ? "" : std::string(eol)) + lines};
    }
    if (section.empty() && layout.firstHeader != std::string_view::npos) {
        return {layout.firstHeader, layout.firstHeader, lines + std::string(eol)};
    }
    std::string text;
    if (!trimBlanks(file.substr(afterByteOrderMark(file))).empty()) {
        text += isLineBreak(file.back()) ? std::string(eol) : std::string(eol) + std::string(eol);
    }
    if (!section.empty()) {
        text += '[' + escapeSection(section) + ']' + std::string(eol);
    }
    return {file.size(), file.size(), text + lines};
}

} // namespace

ProfileFileFormat::Entries ProfileFileFormat::parse(std::string_view fileText) {
    Entries entries;
    LineScanner scanner(fileText);
    LineScanner::Scanned line;
    while (scanner.next(line)) {
        if (!line.name.empty()) {
            entries[line.name] =
                unescapeValue(fileText.substr(line.valueStart, line.end - line.valueStart));
        }
    }
    return entries;
}

bool ProfileFileFormat::isProfileText(std::string_view fileText, std::string_view ownSection) {
    if (trimBlanks(fileText.substr(afterByteOrderMark(fileText))).empty()) {
        return true;
    }
    LineScanner scanner(fileText);
    LineScanner::Scanned line;
    bool ownSectionFound = false;
    while (scanner.next(line)) {
        if (line.kind == LineScanner::Kind::Other) {
            return false;
        }
        ownSectionFound = ownSectionFound ||
                          (line.kind == LineScanner::Kind::Header && line.section == ownSection);
    }
    return ownSectionFound;
}

std::optional<std::string> ProfileFileFormat::update(std::string_view fileText,
                                                     const Changes& changes) {
    const Layout layout = layoutOf(fileText);
    const std::string_view eol = lineEnding(fileText);
    std::vector<Edit> edits;
    std::map<std::string, std::string> newLines; // by section, in the order of the changes
    std::vector<std::string> newSections;
    for (const auto& [key, text] : changes) {
        if (const auto found = layout.lastOfKey.find(key); found != layout.lastOfKey.end()) {
            edits.push_back({found->second.valueStart, found->second.valueEnd, encodeValue(text)});
            continue;
        }
        const std::string section(sectionOf(key));
        if (newLines.find(section) == newLines.end()) {
            newSections.push_back(section);
        }
        newLines[section] +=
            keyInSection(key, section) + '=' + encodeValue(text) + std::string(eol);
    }
    for (const std::string& section : newSections) {
        edits.push_back(insertion(fileText, layout, section, newLines[section]));
    }
    // From the end backwards, so that every offset still points where it did; of two edits at
    // one place the later goes first, so that the earlier ends up in front of it.
    std::vector<std::size_t> order(edits.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&edits](std::size_t a, std::size_t b) {
        return edits[a].start != edits[b].start ? edits[a].start > edits[b].start : a > b;
    });
    std::string result(fileText);
    for (const std::size_t index : order) {
        const Edit& edit = edits[index];
        result.replace(edit.start, edit.end - edit.start, edit.replacement);
    }
    // A quote left open, or a backslash at the very end, can make the lines around an edit
    // mean something else; such a file is left alone rather than have its values changed.
    Entries expected = parse(fileText);
    for (const auto& [key, text] : changes) {
        expected[key] = text;
    }
    if (parse(result) != expected) {
        return std::nullopt;
    }
    return result;
}

} // namespace fenwake
