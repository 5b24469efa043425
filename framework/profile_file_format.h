#pragma once

#include <map>
#include <string>
#include <string_view>

namespace fenwake {

// The text of a profile file: INI sections of "key=value" lines, as Qt's native format writes
// them for plain texts. Reading keeps each value as the raw text after the '=' (trimmed),
// so nothing is turned into lists or variants behind our back. Keys are "section/key".
class ProfileFileFormat {
public:
    using Entries = std::map<std::string, std::string>;

    // Never fails: lines that are neither a section nor a key=value pair are skipped, so a
    // damaged or binary file yields what can be read from it and nothing else.
    static Entries parse(std::string_view fileText);

    // The inverse of parse for every map parse can produce; line breaks inside a key or a
    // value, which a line-based file cannot hold, become blanks.
    static std::string render(const Entries& entries);
};

} // namespace fenwake
