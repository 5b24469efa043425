#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fenwake {

// The text of a profile file: the INI dialect QSettings reads and writes. Sections in
// brackets, "key=value" lines, values that may be quoted and hold escapes (\n, \x41, \101,
// \", \\), "%XX" escapes in keys, lines starting with ';' (and, for hand-edited files, '#')
// as comments. One difference, on purpose: a comma never splits a value into a list, so
// "72.5, kg" is one text. Keys are "section/key"; keys before any section, or under
// [General], have no section. A file is edited, never written anew: what a person or
// another program put there stays byte for byte.
class ProfileFileFormat {
public:
    using Entries = std::map<std::string, std::string>; // full key to text
    using Changes = std::vector<std::pair<std::string, std::string>>;

    // Never fails: lines that are neither a section nor a key=value pair are skipped, so a
    // damaged or binary file yields what can be read from it and nothing else.
    static Entries parse(std::string_view fileText);

    // Whether the text is a profile's whose own section is the one named: nothing but blanks,
    // or that section's header among lines that are all section headers, key=value lines,
    // comments or blank. A file with any other line (a shell script, a document), or without
    // the section (an environment file of KEY=value lines, whose every line has an '='), is not
    // one, whatever it holds.
    static bool isProfileText(std::string_view fileText, std::string_view ownSection);

    // The text with each key changed to its new text, in the form QSettings writes it, and no
    // other byte changed. A key already there keeps its line, with its spelling, the blanks
    // around its value and any comment after it; a new key goes at the end of its section,
    // in the order of the changes, and a new section at the end of the file. New lines end
    // as the file's first line does. Nothing when no such edit keeps every other value as it
    // was (a quote left open at the end of the file would swallow a new line).
    static std::optional<std::string> update(std::string_view fileText, const Changes& changes);
};

} // namespace fenwake
