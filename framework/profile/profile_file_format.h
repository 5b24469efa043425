#pragma once

#include <map>
#include <string>
#include <string_view>

namespace fenwake {

// The text of a profile file: the INI dialect QSettings reads and writes. Sections in
// brackets, "key=value" lines, values that may be quoted and hold escapes (\n, \x41, \101,
// \", \\), "%XX" escapes in keys, lines starting with ';' (and, for hand-edited files, '#')
// as comments. One difference, on purpose: a comma never splits a value into a list, so
// "72.5, kg" is one text. Keys are "section/key"; keys before any section, or under
// [General], have no section.
class ProfileFileFormat {
public:
    struct Value {
        std::string text;   // what the value means
        std::string stored; // the value exactly as the file wrote it; empty when it is new
        bool operator==(const Value&) const = default;
    };
    using Entries = std::map<std::string, Value>;

    // Never fails: lines that are neither a section nor a key=value pair are skipped, so a
    // damaged or binary file yields what can be read from it and nothing else.
    static Entries parse(std::string_view fileText);

    // Sections in order, keys in order within them. A value read from a file is written back
    // exactly as it stood, so that other programs' keys keep their meaning; a new value is
    // written so that QSettings reads it as the same text.
    static std::string render(const Entries& entries);
};

} // namespace fenwake
